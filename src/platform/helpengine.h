#pragma once

#include <QString>

class DocumentViewer;

// The help engine of the package: shows help files (compiled help in the same
// container as the textbook documents) in the package's document viewer, one
// viewer per help file, reused by later commands for that file.
namespace HelpEngine {

enum Command {
    HELP_CONTENTS = 3,
    HELP_HELPONHELP = 4,
    HELP_PARTIALKEY = 0x105,
};

// The program-wide current help file: empty at start-up; a bare name or a
// content path relative to the working folder.
void setHelpFile(const QString &name);
QString helpFile();

// Sends a command for the current help file; returns at once. Nothing is
// reported to the caller: a missing file shows a page that names it.
void command(Command command);

// The viewer that shows a help file, or nullptr when none was opened (tests).
DocumentViewer *viewerFor(const QString &name);
// Closes every help viewer (tests).
void closeAll();

} // namespace HelpEngine
