#pragma once

#include <QList>
#include <functional>

class QKeyEvent;
class QLineEdit;

// Enter in an edit of a form moves the cursor to the next edit of the chain;
// Enter in the last edit runs the form's confirming action. The key goes no
// further, so no default button answers a half-filled form.
namespace EditChain {

void install(const QList<QLineEdit *> &edits, std::function<void()> confirm);

// Whether a key event is Enter or Return without modifiers (keypad Enter included).
bool isEnter(const QKeyEvent *event);

} // namespace EditChain
