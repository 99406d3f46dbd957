// Measures how long each exercise and test window of the SCSI and USB trainers
// takes to open: created (its task or question file read), shown and laid out.
// Run from the package folder.

#include "platform/contentpath.h"
#include "scsi/studentrecord.h"
#include "scsi/tform1.h"
#include "scsi/tles2_form.h"
#include "scsi/tquest_form.h"
#include "usb/tform11.h"
#include "usb/tquest_formusb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRepetitions = 30;

template <typename Window> double medianOpeningMs()
{
    std::vector<double> times;
    StudentRecord record;
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        {
            Window window(record);
            window.show();
            QApplication::processEvents();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContentPath::adoptPackageFolder();
    // The first window of a process pays for fonts and styles once; warm up.
    medianOpeningMs<TForm1>();
    std::printf("Form1 (bus phases)          %.2f ms\n", medianOpeningMs<TForm1>());
    std::printf("les2_form (descriptor)      %.2f ms\n", medianOpeningMs<Tles2_form>());
    std::printf("Form11 (USB packets)        %.2f ms\n", medianOpeningMs<TForm11>());
    std::printf("Quest_form (SCSI questions) %.2f ms\n", medianOpeningMs<TQuest_form>());
    std::printf("Quest_formusb (USB)         %.2f ms\n", medianOpeningMs<TQuest_formusb>());
    return 0;
}
