#include "shell/imagecontrol.h"

#include <QPainter>

ImageControl::ImageControl(const QString &name, const QPixmap &picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.hasAlphaChannel());
    resize(picture.deviceIndependentSize().toSize());
}

void ImageControl::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}
