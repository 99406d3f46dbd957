#include "platform/contentpath.h"
#include "platform/mediabackend.h"
#include "shell/startup.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    MediaBackend::chooseFfmpeg();
    QApplication app(argc, argv);
    configureApplication();
    ContentPath::adoptPackageFolder();
    QWidget *mainWindow = createWindowSet();
    mainWindow->show();
    return app.exec();
}
