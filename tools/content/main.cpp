// shinovedenie_content: builds the course content sources into the package folder.
//
//   shinovedenie_content build [--force] [--verbose] <content-folder> <package-folder>
//   shinovedenie_content check <content-folder>
//   shinovedenie_content picture <script.jpg.pic> <out.jpg>

#include "contentbuilder.h"
#include "picturerenderer.h"
#include "picturescript.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

void printReport(const SourceReport &report)
{
    auto line = [](const SourceError &e, const char *kind) -> QString {
        QString where = e.file;
        if (e.line > 0)
            where += QLatin1Char(':') + QString::number(e.line);
        return where + QStringLiteral(": ") + QLatin1String(kind) + QStringLiteral(": ") + e.what;
    };
    for (const SourceError &note : report.notes)
        print(stdout, line(note, "note"));
    for (const SourceError &warning : report.warnings)
        print(stderr, line(warning, "warning"));
    for (const SourceError &error : report.errors)
        print(stderr, line(error, "error"));
}

int usage()
{
    print(stderr, QStringLiteral("usage: shinovedenie_content build [--force] [--verbose] <content-folder> "
                                 "<package-folder>\n"
                                 "       shinovedenie_content check <content-folder>\n"
                                 "       shinovedenie_content picture <script.jpg.pic> <out.jpg>"));
    return 2;
}

int renderPicture(const QString &script, const QString &output)
{
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly)) {
        print(stderr, script + QStringLiteral(": error: cannot read the script"));
        return 1;
    }
    const Built<QByteArray> jpeg = PictureRenderer::buildJpeg(file.readAll(), script, PictureScript::diskLoader());
    printReport(jpeg.report);
    if (!jpeg.ok())
        return 1;
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(jpeg.value) != jpeg.value.size() || !out.commit()) {
        print(stderr, output + QStringLiteral(": error: cannot write: ") + out.errorString());
        return 1;
    }
    return 0;
}

int buildOrCheck(const QStringList &arguments, bool checkOnly)
{
    ContentBuilder::Options options;
    options.checkOnly = checkOnly;
    bool verbose = false;
    QStringList folders;
    for (const QString &argument : arguments) {
        if (argument == QStringLiteral("--force") && !checkOnly)
            options.force = true;
        else if (argument == QStringLiteral("--verbose") || argument == QStringLiteral("-v"))
            verbose = true;
        else if (argument.startsWith(QLatin1Char('-')))
            return usage();
        else
            folders.append(argument);
    }
    if (folders.size() != (checkOnly ? 1 : 2))
        return usage();
    // A new tool may lay outputs out differently: everything older than it is rebuilt.
    options.toolTime = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
    if (verbose)
        options.log = [](const QString &output) { print(stdout, QStringLiteral("built ") + output); };

    QElapsedTimer timer;
    timer.start();
    ContentBuilder::Summary summary;
    const SourceReport report = ContentBuilder::run(folders[0], checkOnly ? QString() : folders[1], options, &summary);
    printReport(report);
    const QString seconds = QString::number(double(timer.elapsed()) / 1000.0, 'f', 1);
    if (checkOnly)
        print(stdout, QStringLiteral("%1 sources checked, %2 with errors (%3 s)")
                          .arg(summary.sources)
                          .arg(summary.failed)
                          .arg(seconds));
    else
        print(stdout, QStringLiteral("%1 sources: %2 built, %3 up to date, %4 with errors (%5 s)")
                          .arg(summary.sources)
                          .arg(summary.built)
                          .arg(summary.upToDate)
                          .arg(summary.failed)
                          .arg(seconds));
    return report.ok() ? 0 : 1;
}

// The offscreen platform notes a missing XDG_RUNTIME_DIR on every run; that note
// is noise in a build log.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        print(stderr, message);
}

} // namespace

int main(int argc, char **argv)
{
    // Pictures are drawn with QPainter, which needs a GUI application; the build
    // runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty())
        return usage();
    const QString command = arguments.takeFirst();
    if (command == QStringLiteral("build"))
        return buildOrCheck(arguments, false);
    if (command == QStringLiteral("check"))
        return buildOrCheck(arguments, true);
    if (command == QStringLiteral("picture") && arguments.size() == 2)
        return renderPicture(arguments[0], arguments[1]);
    return usage();
}
