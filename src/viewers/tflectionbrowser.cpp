#include "viewers/tflectionbrowser.h"

#include <QMouseEvent>
#include <QPainter>

TFLectionBrowser::TFLectionBrowser(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Browser"));
    resize(kWidth, kHeight);
    setCursor(Qt::SizeHorCursor);
}

void TFLectionBrowser::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, kHeight);
    shade.setColorAt(0, QColor(235, 225, 250));
    shade.setColorAt(1, QColor(150, 110, 190));
    painter.setPen(QColor(60, 30, 90));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 3, 3);
    painter.setPen(QColor(90, 60, 120));
    for (int x : {9, 12, 15})
        painter.drawLine(x, 3, x, kHeight - 4);
}

void TFLectionBrowser::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT mouseDown(event->position().toPoint().x());
}

void TFLectionBrowser::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->position().toPoint().x());
}

void TFLectionBrowser::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT mouseUp();
}
