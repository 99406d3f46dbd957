#include "scsi/editchain.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class EnterFilter : public QObject {
public:
    EnterFilter(QLineEdit *edit, QLineEdit *next, std::function<void()> confirm)
        : QObject(edit)
        , m_next(next)
        , m_confirm(std::move(confirm))
    {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !EditChain::isEnter(static_cast<QKeyEvent *>(event)))
            return false;
        if (m_next) {
            m_next->setFocus(Qt::TabFocusReason);
            m_next->selectAll();
        } else if (m_confirm) {
            m_confirm();
        }
        return true;
    }

private:
    QLineEdit *m_next;
    std::function<void()> m_confirm;
};

} // namespace

namespace EditChain {

bool isEnter(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

void install(const QList<QLineEdit *> &edits, std::function<void()> confirm)
{
    for (qsizetype i = 0; i < edits.size(); ++i) {
        QLineEdit *next = i + 1 < edits.size() ? edits[i + 1] : nullptr;
        edits[i]->installEventFilter(new EnterFilter(edits[i], next, next ? std::function<void()>() : confirm));
    }
}

} // namespace EditChain
