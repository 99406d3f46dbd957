#include "shell/menukeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

bool takesTabFocus(const QWidget *widget, const QWidget *window)
{
    return widget && widget != window && window->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus);
}

class MenuKeyFilter : public QObject {
public:
    MenuKeyFilter(QWidget *window, MenuKeys::Escape escape, QAbstractButton *defaultButton)
        : QObject(window)
        , m_window(window)
        , m_escape(escape)
        , m_default(defaultButton)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Escape:
            if (m_escape != MenuKeys::Escape::Closes)
                return false;
            m_window->close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key->isAutoRepeat() || pressFocusedOrDefault();
        case Qt::Key_Up:
        case Qt::Key_Left:
            return moveFocus(false);
        case Qt::Key_Down:
        case Qt::Key_Right:
            return moveFocus(true);
        default:
            return false;
        }
    }

private:
    bool pressFocusedOrDefault()
    {
        if (auto *button = qobject_cast<QAbstractButton *>(m_window->focusWidget())) {
            button->click();
            return true;
        }
        if (m_default && m_default->isVisible() && m_default->isEnabled()) {
            m_default->click();
            return true;
        }
        return false;
    }

    bool moveFocus(bool forward)
    {
        QWidget *from = m_window->focusWidget() ? m_window->focusWidget() : m_window;
        QWidget *candidate = from;
        do {
            candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        } while (candidate != from && !takesTabFocus(candidate, m_window));
        if (!takesTabFocus(candidate, m_window))
            return false;
        candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    QWidget *m_window;
    MenuKeys::Escape m_escape;
    QPointer<QAbstractButton> m_default;
};

} // namespace

namespace MenuKeys {

void install(QWidget *window, Escape escape, QAbstractButton *defaultButton)
{
    window->installEventFilter(new MenuKeyFilter(window, escape, defaultButton));
}

} // namespace MenuKeys
