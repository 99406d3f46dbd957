// bench_startup: the package's start as main() does it (application, window
// set, main window shown and exposed), then exits. Measured against
// bench_barewindow, e.g. with /usr/bin/time -v.
#include "platform/contentpath.h"
#include "shell/startup.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Shinovedenie"));
    QApplication::setApplicationDisplayName(QStringLiteral("Шиноведение"));
    QApplication::setQuitOnLastWindowClosed(false);
    ContentPath::adoptPackageFolder();
    QWidget *mainWindow = createWindowSet();
    mainWindow->show();
    while (!mainWindow->windowHandle() || !mainWindow->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    return 0;
}
