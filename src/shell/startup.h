#pragma once

class QWidget;

// Clears the help file name, creates the standing windows in their fixed
// order and returns the main window (FInterface), not yet shown.
QWidget *createWindowSet();
