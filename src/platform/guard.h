#pragma once

#include <QObject>
#include <QString>
#include <concepts>
#include <functional>

class QCloseEvent;
class QWidget;

namespace Guard {

// Runs a handler; any exception escaping it is shown in the default error box
// (a ContentError with its own message) and the rest of the handler is
// abandoned. Returns true when the handler ran to its end.
bool run(QWidget *owner, const std::function<void()> &handler);

// Shows the default error box with the given text.
void showError(QWidget *owner, const QString &text);

// Connects a signal to a member handler of a window (or of one of its base
// classes), running it under the guard. Signal arguments are dropped: handlers
// read the state of their controls.
template <typename Sender, typename Signal, typename Window, typename Owner>
QMetaObject::Connection connect(Sender *sender, Signal signal, Window *window, void (Owner::*handler)())
{
    static_assert(std::derived_from<Window, Owner>, "the handler belongs to the window or to one of its bases");
    return QObject::connect(sender, signal, window,
                            [window, handler] { run(window, [window, handler] { (window->*handler)(); }); });
}

// The same for a handler that is not a member, such as one a window is given.
template <typename Sender, typename Signal, std::invocable Handler>
QMetaObject::Connection connect(Sender *sender, Signal signal, QWidget *window, Handler handler)
{
    return QObject::connect(sender, signal, window, [window, handler] { run(window, handler); });
}

// A standing window's close: its close handler runs under the guard, and the
// close itself goes on whatever the handler did, so the window is only hidden.
void closeWith(QWidget *window, QCloseEvent *event, const std::function<void()> &handler);

template <typename Window, typename Owner> void close(QCloseEvent *event, Window *window, void (Owner::*handler)())
{
    static_assert(std::derived_from<Window, Owner>, "the handler belongs to the window or to one of its bases");
    closeWith(window, event, [window, handler] { (window->*handler)(); });
}

} // namespace Guard
