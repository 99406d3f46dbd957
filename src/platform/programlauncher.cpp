#include "platform/programlauncher.h"

#include "platform/contentpath.h"
#include "platform/messages.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QWidget>

namespace ProgramLauncher {

namespace {

// A program path resolved without regard to letter case: absolute paths from
// the root, relative ones from the working folder.
QString resolvePath(const QString &path)
{
    QString slashed = path;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(slashed))
        return ContentPath::resolve(slashed, QStringLiteral("/"));
    return ContentPath::resolve(slashed);
}

void showAt(QWidget *window, const QPoint &position)
{
    if (!window)
        return;
    window->move(position);
    window->show();
    window->move(position);
}

} // namespace

QString commandLine(const QString &programPath, const QString &parameters)
{
    return QLatin1Char('"') + programPath + QStringLiteral("\" ") + parameters;
}

QString findProgram(const QString &programPath)
{
    const QString resolved = resolvePath(programPath);
    if (QFileInfo(resolved).isFile())
        return resolved;
    if (programPath.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        const QString bare = resolvePath(programPath.left(programPath.size() - 4));
        if (QFileInfo(bare).isFile())
            return bare;
    }
    return resolved;
}

bool runAndWait(QWidget *windowToHide, const QString &programPath, const QStringList &arguments)
{
    const QString program = findProgram(programPath);
    const QPoint position = windowToHide ? windowToHide->pos() : QPoint();
    if (windowToHide)
        windowToHide->hide();

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(10000)) {
        showAt(windowToHide, position);
        Messages::error(windowToHide,
                        QStringLiteral("Не удалось запустить программу %1").arg(QDir::toNativeSeparators(programPath)));
        return false;
    }
    // A local loop instead of a blocking wait keeps the package's windows repainting.
    if (process.state() != QProcess::NotRunning) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec();
    }
    showAt(windowToHide, position);
    return true;
}

QString timerProgramPath()
{
    return ContentPath::join(ContentPath::programFolder(), QStringLiteral("Menu\\Timermenu.exe"));
}

} // namespace ProgramLauncher
