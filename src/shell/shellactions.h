#pragma once

#include <QString>
#include <functional>

class QWidget;

// What the menus ask of the platform: documents, the glossary, the adapter
// folder and the timer program. Every menu entry goes through here.
namespace ShellActions {

// Opens a document of the program's folder ("book\annot.chm"); the menu stays shown.
void openDocument(const QString &relativeName);
// Makes "glossary.hlp" the current help file and shows its contents page.
void showGlossary();
// Opens the folder "vv55a" of the program's folder in the file browser.
void exploreAdapterFolder();
// Starts the interval-timer laboratory and waits for it, the lab selector hidden meanwhile.
void runTimerProgram(QWidget *labSelector);

// Tests: while a recorder is set, requests go to it ("openDocument", name),
// ("showGlossary", ""), ("exploreAdapterFolder", ""), ("runTimerProgram", path)
// instead of the platform. An empty recorder restores the platform.
using Recorder = std::function<void(const QString &request, const QString &argument)>;
void setRecorder(Recorder recorder);

} // namespace ShellActions
