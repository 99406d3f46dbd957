#include "shell/imagecontrol.h"

#include <QPainter>

ImageControl::ImageControl(const QString &name, Drawing draw, QWidget *parent)
    : QWidget(parent)
    , m_draw(std::move(draw))
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPixmap ImageControl::picture() const
{
    if (m_picture.isNull() && m_draw)
        m_picture = m_draw();
    return m_picture;
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture());
}
