// shino_screenshots <folder>: creates the package's window set as the program
// does and writes a picture of every standing window into <folder>, named
// after the window (FInterface.png, FSoderg.png, ...). Runs offscreen unless
// QT_QPA_PLATFORM says otherwise. Dialogs that windows open on their own while
// shown are closed again.
#include "platform/contentpath.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void dismissModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    configureApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: shino_screenshots <folder>\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "shino_screenshots: cannot create %s\n", qPrintable(folder));
        return 1;
    }

    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, &dismissModal);
    dismisser.start(50);

    ContentPath::adoptPackageFolder();
    createWindowSet();
    int failures = 0;
    for (QWidget *window : standingWindows()) {
        window->show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QString file = folder + QLatin1Char('/') + window->objectName() + QStringLiteral(".png");
        if (window->grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "shino_screenshots: cannot write %s\n", qPrintable(file));
            ++failures;
        }
        window->hide();
    }
    return failures ? 1 : 0;
}
