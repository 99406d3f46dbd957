#include "scsi/binaryentry.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QValidator>

namespace {

bool isBinaryDigit(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('1');
}

// The last line of defence: whatever reaches the text (typed, pasted, set by
// program) is reduced to 0/1 characters within the maximum length.
class BinaryValidator : public QValidator {
public:
    BinaryValidator(QLineEdit *edit)
        : QValidator(edit)
        , m_edit(edit)
    {}

    State validate(QString &input, int &pos) const override
    {
        QString kept;
        int keptBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (!isBinaryDigit(input[i]))
                continue;
            kept.append(input[i]);
            if (i < pos)
                ++keptBeforeCursor;
        }
        const int limit = m_edit ? m_edit->maxLength() : int(kept.size());
        if (kept.size() > limit)
            kept.truncate(limit);
        input = kept;
        pos = qMin(keptBeforeCursor, int(kept.size()));
        return Acceptable;
    }

private:
    QPointer<QLineEdit> m_edit;
};

// Keys and pastes are filtered before the line edit sees them, so a paste of
// "1a0b1" inserts "101" and is cut to the room that is left.
class BinaryFilter : public QObject {
public:
    explicit BinaryFilter(QLineEdit *edit)
        : QObject(edit)
        , m_edit(edit)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_edit)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::ContextMenu:
            contextMenu(static_cast<QContextMenuEvent *>(event));
            return true;
        case QEvent::Drop:
            return drop(static_cast<QDropEvent *>(event));
        default:
            return false;
        }
    }

    void insertFiltered(const QString &text)
    {
        if (m_edit->isReadOnly())
            return;
        QString digits = BinaryEntry::filtered(text);
        const int room = m_edit->maxLength() - int(m_edit->text().size()) + int(m_edit->selectedText().size());
        digits.truncate(qMax(0, room));
        if (digits.isEmpty() && !m_edit->hasSelectedText())
            return;
        m_edit->insert(digits);
    }

private:
    bool keyPress(QKeyEvent *key)
    {
        if (key->matches(QKeySequence::Paste)) {
            insertFiltered(QGuiApplication::clipboard()->text());
            return true;
        }
        // Shortcuts (Ctrl+A, Ctrl+Z, ...) insert nothing; the edit handles them.
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier))
            return false;
        // Keys without printable text (Backspace, Delete, arrows, Home, End,
        // Ctrl+A, Ctrl+Z, ...) reach the edit; of the printable ones only 0 and 1.
        for (QChar c : key->text()) {
            if (c.isPrint() && !isBinaryDigit(c))
                return true;
        }
        return false;
    }

    // The edit's own menu, so that its "Вставить" goes through the filter too.
    void contextMenu(QContextMenuEvent *event)
    {
        auto *menu = new QMenu(m_edit);
        menu->setObjectName(QStringLiteral("BinaryEntryMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const bool editable = !m_edit->isReadOnly();
        const bool selected = m_edit->hasSelectedText();
        const auto add = [&](const char *name, const QString &text, QKeySequence::StandardKey key, bool enabled,
                             auto handler) {
            QAction *action = menu->addAction(text);
            action->setObjectName(QString::fromLatin1(name));
            action->setShortcut(QKeySequence(key));
            action->setEnabled(enabled);
            QObject::connect(action, &QAction::triggered, this, handler);
        };
        QPointer<QLineEdit> edit = m_edit;
        add("edit-undo", QStringLiteral("Отменить"), QKeySequence::Undo, editable && m_edit->isUndoAvailable(), [edit] {
            if (edit)
                edit->undo();
        });
        add("edit-redo", QStringLiteral("Повторить"), QKeySequence::Redo, editable && m_edit->isRedoAvailable(),
            [edit] {
                if (edit)
                    edit->redo();
            });
        menu->addSeparator();
        add("edit-cut", QStringLiteral("Вырезать"), QKeySequence::Cut, editable && selected, [edit] {
            if (edit)
                edit->cut();
        });
        add("edit-copy", QStringLiteral("Копировать"), QKeySequence::Copy, selected, [edit] {
            if (edit)
                edit->copy();
        });
        add("edit-paste", QStringLiteral("Вставить"), QKeySequence::Paste,
            editable && !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
        add("edit-delete", QStringLiteral("Удалить"), QKeySequence::Delete, editable && selected, [edit] {
            if (edit)
                edit->del();
        });
        menu->addSeparator();
        add("select-all", QStringLiteral("Выделить всё"), QKeySequence::SelectAll, !m_edit->text().isEmpty(), [edit] {
            if (edit)
                edit->selectAll();
        });
        menu->popup(event->globalPos());
    }

    bool drop(QDropEvent *event)
    {
        if (!event->mimeData() || !event->mimeData()->hasText())
            return false;
        if (event->source() != m_edit) {
            m_edit->deselect();
            m_edit->setCursorPosition(m_edit->cursorPositionAt(event->position().toPoint()));
            insertFiltered(event->mimeData()->text());
            event->acceptProposedAction();
            return true;
        }
        return false;
    }

    QLineEdit *m_edit;
};

} // namespace

namespace BinaryEntry {

void attach(QLineEdit *edit, int maxLength)
{
    if (!edit)
        return;
    edit->setMaxLength(maxLength);
    edit->setValidator(new BinaryValidator(edit));
    edit->installEventFilter(new BinaryFilter(edit));
    edit->setText(filtered(edit->text()).left(maxLength));
}

quint8 toByte(const QString &text)
{
    if (text.size() != 8)
        return 0;
    int value = 0;
    for (QChar c : text)
        value = value * 2 + (c == QLatin1Char('1') ? 1 : 0);
    return quint8(value);
}

QString filtered(const QString &text)
{
    QString digits;
    for (QChar c : text) {
        if (isBinaryDigit(c))
            digits.append(c);
    }
    return digits;
}

} // namespace BinaryEntry
