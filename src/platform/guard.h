#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace Guard {

// Runs a handler; a ContentError (or any other exception) escaping it is shown
// in the default error box and the rest of the handler is abandoned.
// Returns true when the handler ran to its end.
bool run(QWidget *owner, const std::function<void()> &handler);

// Shows the default error box with the given text.
void showError(QWidget *owner, const QString &text);

// Connects a signal to a member handler of a window, running it under the guard.
// Signal arguments are dropped: handlers read the state of their controls.
template <typename Sender, typename Signal, typename Window>
QMetaObject::Connection connect(Sender *sender, Signal signal, Window *window, void (Window::*handler)())
{
    return QObject::connect(sender, signal, window,
                            [window, handler] { run(window, [window, handler] { (window->*handler)(); }); });
}

} // namespace Guard
