#include "platform/findbar.h"

#include "platform/guard.h"
#include "platform/icons.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>

FindBar::FindBar(QTextBrowser *browser, QWidget *parent)
    : QWidget(parent)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("FindBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);

    auto *caption = new QLabel(QStringLiteral("Найти:"), this);
    caption->setObjectName(QStringLiteral("FindCaption"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("FindEdit"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setPlaceholderText(QStringLiteral("текст на странице"));
    m_edit->setMinimumWidth(220);
    caption->setBuddy(m_edit);

    m_previous = new QToolButton(this);
    m_previous->setObjectName(QStringLiteral("FindPreviousButton"));
    m_previous->setText(QStringLiteral("Предыдущее"));
    m_previous->setToolTip(QStringLiteral("Предыдущее совпадение (Shift+F3)"));
    m_previous->setIcon(Icons::standard(QStyle::SP_ArrowUp));
    m_previous->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_previous->setAutoRaise(true);

    m_next = new QToolButton(this);
    m_next->setObjectName(QStringLiteral("FindNextButton"));
    m_next->setText(QStringLiteral("Следующее"));
    m_next->setToolTip(QStringLiteral("Следующее совпадение (F3, Enter)"));
    m_next->setIcon(Icons::standard(QStyle::SP_ArrowDown));
    m_next->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_next->setAutoRaise(true);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("FindStatus"));

    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("FindCloseButton"));
    m_close->setToolTip(QStringLiteral("Закрыть (Esc)"));
    m_close->setIcon(Icons::standard(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);

    layout->addWidget(caption);
    layout->addWidget(m_edit);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_status, 1);
    layout->addWidget(m_close);

    Guard::connect(m_edit, &QLineEdit::textEdited, this, &FindBar::FindEditChange);
    Guard::connect(m_edit, &QLineEdit::returnPressed, this, &FindBar::FindEditReturn);
    Guard::connect(m_next, &QToolButton::clicked, this, &FindBar::FindNextButtonClick);
    Guard::connect(m_previous, &QToolButton::clicked, this, &FindBar::FindPreviousButtonClick);
    Guard::connect(m_close, &QToolButton::clicked, this, &FindBar::FindCloseButtonClick);
    hide();
}

void FindBar::open()
{
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

QString FindBar::text() const
{
    return m_edit->text();
}

bool FindBar::findNext()
{
    return find(false, false);
}

bool FindBar::findPrevious()
{
    return find(true, false);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        FindCloseButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FindBar::FindEditChange()
{
    // Typing extends the match in place rather than jumping to the next one.
    find(false, true);
}

void FindBar::FindEditReturn()
{
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier)
        findPrevious();
    else
        findNext();
}

void FindBar::FindNextButtonClick()
{
    findNext();
}

void FindBar::FindPreviousButtonClick()
{
    findPrevious();
}

void FindBar::FindCloseButtonClick()
{
    hide();
    m_browser->setFocus();
}

bool FindBar::find(bool backward, bool fromSelectionStart)
{
    const QString text = m_edit->text();
    QTextCursor cursor = m_browser->textCursor();
    if (text.isEmpty()) {
        cursor.clearSelection();
        m_browser->setTextCursor(cursor);
        showResult(true);
        return false;
    }
    const QTextCursor before = cursor;
    if (fromSelectionStart) {
        cursor.setPosition(cursor.selectionStart());
        m_browser->setTextCursor(cursor);
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    const bool wrapped = !found;
    if (!found) {
        QTextCursor wrap = m_browser->textCursor();
        wrap.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(wrap);
        found = m_browser->find(text, flags);
        if (!found)
            m_browser->setTextCursor(before);
    }
    showResult(found);
    if (found && wrapped)
        m_status->setText(backward ? QStringLiteral("Поиск продолжен с конца страницы")
                                   : QStringLiteral("Поиск продолжен с начала страницы"));
    return found;
}

void FindBar::showResult(bool found)
{
    m_status->setText(found ? QString() : QStringLiteral("Не найдено"));
    m_edit->setStyleSheet(found ? QString() : QStringLiteral("QLineEdit { background: #fbe3e3; }"));
}
