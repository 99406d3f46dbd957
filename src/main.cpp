#include "platform/contentpath.h"
#include "shell/startup.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Shinovedenie"));
    QApplication::setApplicationDisplayName(QStringLiteral("Шиноведение"));
    QApplication::setQuitOnLastWindowClosed(false);
    ContentPath::adoptPackageFolder();
    QWidget *mainWindow = createWindowSet();
    mainWindow->show();
    return app.exec();
}
