#include "timerlab/timerlabwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt picks the GStreamer media backend by default; the audio output is
    // opened through FFmpeg's, as in the package itself.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Timermenu"));
    TimerLabWindow window;
    window.show();
    return app.exec();
}
