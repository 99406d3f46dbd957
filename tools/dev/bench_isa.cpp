// Measures the ISA trainer's two busiest commands on the shipped content:
// switching the signal table between ISA and EISA (three column files read and
// the grid refilled), and opening the cycle section (main window hidden, cycle
// window and parameter dialog shown, a cycle chosen, OK, description, diagram
// and note shown and painted). Run from the package folder.

#include "isa/isawindows.h"
#include "isa/isawindowset.h"
#include "isa/tcyclesparamform.h"
#include "isa/tisaform.h"
#include "isa/twarningform.h"
#include "platform/contenterror.h"
#include "platform/contentpath.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRepetitions = 40;

double medianMs(const std::function<void()> &run, const std::function<void()> &reset)
{
    std::vector<double> times;
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        reset();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void openCycleSection(int kind, int resource, int width, int direction, int length)
{
    ISAForm->N5Click();
    const int items[] = {kind, resource, width, direction, length};
    for (int group = 0; group < 5; ++group) {
        if (items[group] >= 0)
            CyclesparamForm->RadioGroupClick(group, items[group]);
    }
    CyclesparamForm->BitBtn1Click();
    QApplication::processEvents();
}

void leaveCycleSection()
{
    WarningForm->hide();
    CyclesparamForm->reopen();
    CyclesparamForm->BitBtn4Click();
    QApplication::processEvents();
}

void run()
{
    ISAForm->show();
    ISAForm->N4Click();
    QApplication::processEvents();

    const double toEisa =
        medianMs([] { ISAForm->CheckBox1->setChecked(true); }, [] { ISAForm->CheckBox1->setChecked(false); });
    const double toIsa =
        medianMs([] { ISAForm->CheckBox1->setChecked(false); }, [] { ISAForm->CheckBox1->setChecked(true); });
    std::printf("signal table ISA -> EISA          %.2f ms\n", toEisa);
    std::printf("signal table EISA -> ISA          %.2f ms\n", toIsa);

    // The warm-up pays for the first showing of the section's windows.
    openCycleSection(0, 0, 1, 0, 2);
    leaveCycleSection();
    std::printf("cycle section, 16-bit memory read %.2f ms\n",
                medianMs([] { openCycleSection(0, 0, 1, 0, 2); }, leaveCycleSection));
    std::printf("cycle section, DMA                %.2f ms\n",
                medianMs([] { openCycleSection(2, -1, -1, 1, 1); }, leaveCycleSection));
    std::printf("cycle section, bus capture        %.2f ms\n",
                medianMs([] { openCycleSection(3, -1, -1, -1, -1); }, leaveCycleSection));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContentPath::adoptPackageFolder();
    IsaWindowSet::create();
    try {
        run();
    } catch (const ContentError &error) {
        std::fprintf(stderr, "bench_isa: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
