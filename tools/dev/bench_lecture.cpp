// bench_lecture: the lecture's costs.
//   - a tick of the lecture's timer with nothing to change (scripted device);
//   - from "Вводная лекция" in the textbook to the first video frame, on the
//     real media backend (run from build/package, where the video is);
//   - the content build of the lecture from nothing and when unchanged, and
//     the whole content build when nothing changed.
// Usage: cd build/package && ../bench_lecture [content-folder]
#include "platform/mediabackend.h"
#include "platform/mediaqt.h"
#include "platform/mediascripted.h"
#include "shell/tfposobie.h"
#include "shell/windowset.h"
#include "viewers/tflection.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

void benchTick()
{
    auto device = std::make_unique<ScriptedMediaDevice>();
    ScriptedMediaDevice *scripted = device.get();
    scripted->setLength(600000);
    TFLection window(nullptr, std::move(device));
    window.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    window.show();
    scripted->setPosition(599000);
    for (int i = 0; i < 100; ++i) // every slide and line shown: from here on nothing changes
        window.Timer1Timer();
    constexpr int kTicks = 200000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kTicks; ++i)
        window.Timer1Timer();
    std::printf("tick with nothing to change: %.3f us (%d ticks)\n", double(timer.nsecsElapsed()) / 1000.0 / kTicks,
                kTicks);
    window.hide();
}

void benchFirstFrame()
{
    if (!QFileInfo::exists(QStringLiteral("lession/test.mp4"))) {
        std::printf("first frame: skipped, no lession/test.mp4 in the working folder\n");
        return;
    }
    FPosobie = new TFPosobie;
    FLection = new TFLection;
    auto *device = dynamic_cast<QtMediaDevice *>(FLection->device());
    QList<qint64> times;
    for (int run = 0; run < 6; ++run) {
        FPosobie->show();
        QElapsedTimer timer;
        timer.start();
        FPosobie->Label4Click();
        const qint64 shown = timer.elapsed();
        while (!device->hasShownFrame() && timer.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        times.append(device->hasShownFrame() ? timer.elapsed() : -1);
        if (run == 0)
            std::printf("  first run: window shown and playing after %lld ms\n", shown);
        FLection->ExitButtonClick();
        QApplication::processEvents();
    }
    QStringList shown;
    for (qint64 t : times)
        shown.append(QString::number(t));
    std::sort(times.begin() + 1, times.end());
    std::printf("\"Вводная лекция\" to first frame: first %lld ms, median of the next five %lld ms (all: %s ms)\n",
                times.first(), times[3], qPrintable(shown.join(QStringLiteral(", "))));
}

double runContentTool(const QString &tool, const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, arguments);
    process.waitForFinished(-1);
    const double seconds = double(timer.elapsed()) / 1000.0;
    if (process.exitCode() != 0)
        std::printf("  (the content tool failed: %s)\n", process.readAllStandardOutput().constData());
    return seconds;
}

void benchContentBuild(const QString &contentFolder)
{
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/shinovedenie_content");
    if (!QFileInfo::exists(tool) || !QFileInfo(contentFolder + QStringLiteral("/lession")).isDir()) {
        std::printf("content build: skipped (no tool or no content at %s)\n", qPrintable(contentFolder));
        return;
    }
    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    QDir().mkpath(content + QStringLiteral("/lession"));
    QFile::copy(contentFolder + QStringLiteral("/lession/test.lecture"),
                content + QStringLiteral("/lession/test.lecture"));
    const QString package = dir.filePath(QStringLiteral("package"));
    const double fresh = runContentTool(tool, {QStringLiteral("build"), content, package});
    const double unchanged = runContentTool(tool, {QStringLiteral("build"), content, package});
    std::printf("content build of the lecture: from nothing %.1f s, unchanged %.2f s\n", fresh, unchanged);
    const QString realPackage = QDir::currentPath();
    if (QFileInfo::exists(realPackage + QStringLiteral("/lession/test.txt"))) {
        const double whole = runContentTool(tool, {QStringLiteral("build"), contentFolder, realPackage});
        std::printf("whole content build, nothing changed: %.2f s\n", whole);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    MediaBackend::chooseFfmpeg();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Шиноведение"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString content = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                     : QCoreApplication::applicationDirPath() + QStringLiteral("/../content");
    benchTick();
    benchFirstFrame();
    benchContentBuild(QDir(content).absolutePath());
    return 0;
}
