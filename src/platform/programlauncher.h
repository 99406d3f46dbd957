#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Starting an outside program and waiting for its end.
namespace ProgramLauncher {

// The command line shown for a program and its parameters: the quoted path, a
// blank, the parameters. It is never cut, whatever the path's length.
QString commandLine(const QString &programPath, const QString &parameters);

// The program file for a path: the path itself, or on this platform the same
// name without ".exe" when only that exists.
QString findProgram(const QString &programPath);

// Starts the program in the folder part of its path (no shell), hides
// windowToHide until it ends and shows it again where it was. A program that
// cannot be started is reported in a message box naming its path. Returns
// whether the program started.
bool runAndWait(QWidget *windowToHide, const QString &programPath, const QStringList &arguments = {});

// The interval-timer laboratory: program folder + "\Menu\Timermenu.exe".
QString timerProgramPath();

} // namespace ProgramLauncher
