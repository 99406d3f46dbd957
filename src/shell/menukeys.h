#pragma once

class QAbstractButton;
class QWidget;

// The keyboard in the menu windows: the arrows move the focus from entry to
// entry as Tab does, Enter presses the focused button (or the window's default
// button when the focus is elsewhere), and Escape closes the window as its
// close box would, where the window has one.
namespace MenuKeys {

enum class Escape { Closes, DoesNothing };

void install(QWidget *window, Escape escape, QAbstractButton *defaultButton = nullptr);

} // namespace MenuKeys
