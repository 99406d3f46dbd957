// bench_startup: the package's start as main() does it (application, window
// set, main window shown and exposed), then exits. Measured against
// bench_barewindow, e.g. with /usr/bin/time -v.
#include "platform/contentpath.h"
#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

int main(int argc, char *argv[])
{
    // SHINO_BENCH_PHASES=1 prints the time of each phase to stderr.
    const bool phases = qEnvironmentVariableIsSet("SHINO_BENCH_PHASES");
    QElapsedTimer clock;
    clock.start();
    auto phase = [&](const char *name) {
        if (phases)
            std::fprintf(stderr, "%-14s %6.1f ms\n", name, clock.nsecsElapsed() / 1e6);
    };
    QApplication app(argc, argv);
    phase("application");
    configureApplication();
    ContentPath::adoptPackageFolder();
    QWidget *mainWindow = createWindowSet();
    phase("window set");
    mainWindow->show();
    while (!mainWindow->windowHandle() || !mainWindow->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    phase("shown");
    return 0;
}
