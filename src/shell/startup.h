#pragma once

#include <QList>

class QWidget;

// The application's name and quit rule. No display name is set: the window
// system would append it to every window title.
void configureApplication();

// Clears the help file name, creates the standing windows in their fixed
// order and returns the main window (FInterface), not yet shown.
QWidget *createWindowSet();

// The standing windows in their creation order (empty before createWindowSet).
QList<QWidget *> standingWindows();
