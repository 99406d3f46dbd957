#include "shell/clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

QFont menuLabelFont()
{
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

ClickableLabel::ClickableLabel(const QString &name, const QString &caption, QWidget *parent, Kind kind)
    : QLabel(caption, parent)
    , m_kind(kind)
{
    setObjectName(name);
    setFont(menuLabelFont());
    if (m_kind == Entry) {
        setCursor(Qt::PointingHandCursor);
        setMouseTracking(true);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, QColor(0x12, 0x30, 0x6a));
        setPalette(colours);
        // Tab focus only: a click does not leave a focus frame behind.
        setFocusPolicy(Qt::TabFocus);
        setContentsMargins(kFocusMargin, 0, kFocusMargin, 0);
    }
}

void ClickableLabel::showEvent(QShowEvent *event)
{
    if (!m_sized) {
        m_sized = true;
        adjustSize();
    }
    QLabel::showEvent(event);
}

void ClickableLabel::setUnderlined(bool underlined)
{
    if (font().underline() == underlined)
        return;
    QFont changed = font();
    changed.setUnderline(underlined);
    setFont(changed);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_kind == Entry)
        setUnderlined(true);
    QLabel::mouseMoveEvent(event);
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    if (m_kind == Entry)
        setUnderlined(false);
    QLabel::leaveEvent(event);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (m_kind == Entry && event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_kind == Entry && event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (m_kind == Entry && plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        // A held key opens the entry once.
        if (!event->isAutoRepeat())
            Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
