#include "shell/clickablelabel.h"

#include <QMouseEvent>

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
