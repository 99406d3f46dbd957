#pragma once

class QWidget;

// Moving between the standing windows: nothing is created or destroyed, windows
// are only shown and hidden, so each keeps its state between visits.
namespace Navigation {

// Makes a window visible and brings it to the front; a window already shown
// only comes to the front.
void show(QWidget *window);

// The pattern behind every menu entry: hides the window that holds the entry,
// then shows the target.
void goTo(QWidget *from, QWidget *to);

} // namespace Navigation
