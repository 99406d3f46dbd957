#include "shell/shellactions.h"

#include "platform/documentopener.h"
#include "platform/programlauncher.h"

namespace ShellActions {

namespace {

Recorder &recorder()
{
    static Recorder instance;
    return instance;
}

} // namespace

void setRecorder(Recorder newRecorder)
{
    recorder() = std::move(newRecorder);
}

void openDocument(const QString &relativeName)
{
    if (recorder()) {
        recorder()(QStringLiteral("openDocument"), relativeName);
        return;
    }
    DocumentOpener::openDocument(relativeName);
}

void showGlossary()
{
    if (recorder()) {
        recorder()(QStringLiteral("showGlossary"), QString());
        return;
    }
    DocumentOpener::showGlossary();
}

void exploreAdapterFolder()
{
    if (recorder()) {
        recorder()(QStringLiteral("exploreAdapterFolder"), QString());
        return;
    }
    DocumentOpener::exploreAdapterFolder();
}

void runTimerProgram(QWidget *labSelector)
{
    const QString path = ProgramLauncher::timerProgramPath();
    if (recorder()) {
        recorder()(QStringLiteral("runTimerProgram"), path);
        return;
    }
    ProgramLauncher::runAndWait(labSelector, path);
}

} // namespace ShellActions
