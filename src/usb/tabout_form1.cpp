#include "usb/tabout_form1.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawBox(QPainter &p, const QRect &box, const QColor &colour, const QString &text)
{
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawRoundedRect(box, 5, 5);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

// The tiered star of USB: the host, a hub and the devices below it.
void drawTopology(QPainter &p, QSize size)
{
    const int w = size.width();
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xfb, 0xfa, 0xf5));
    QFont font = p.font();
    font.setPointSize(8);
    p.setFont(font);

    const QRect host((w - 110) / 2, 4, 110, 24);
    const QRect hub((w - 110) / 2, 44, 110, 24);
    const QString names[] = {QStringLiteral("Клавиатура"), QStringLiteral("Мышь"), QStringLiteral("Принтер"),
                             QStringLiteral("Камера")};
    const int boxW = 80;
    const int gap = (w - 20 - 4 * boxW) / 3;
    const QPen cable(QColor(0x4a, 0x4a, 0x4a), 2);
    p.setPen(cable);
    p.drawLine(host.center().x(), host.bottom(), hub.center().x(), hub.top());
    for (int i = 0; i < 4; ++i) {
        const QRect device(10 + i * (boxW + gap), 86, boxW, 24);
        p.setPen(cable);
        p.drawLine(hub.center().x(), hub.bottom(), device.center().x(), device.top());
        drawBox(p, device, QColor(0x2e, 0x7d, 0x32), names[i]);
    }
    drawBox(p, host, QColor(0x1e, 0x63, 0xb4), QStringLiteral("Хост-контроллер"));
    drawBox(p, hub, QColor(0x8e, 0x5b, 0x12), QStringLiteral("Хаб"));
}

// A type A connector and the USB trident.
void drawConnector(QPainter &p, QSize size)
{
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xfb, 0xfa, 0xf5));
    // connector face
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(QColor(0xc8, 0xcc, 0xd0));
    p.drawRect(QRect(6, 20, 52, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x26, 0x26));
    p.drawRect(QRect(10, 24, 44, 16));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRect(QRect(12, 26, 40, 7));
    p.setBrush(QColor(0xe0, 0xb0, 0x40));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRect(15 + i * 10, 28, 5, 4));

    // trident
    const QColor ink(0x20, 0x20, 0x20);
    p.setPen(QPen(ink, 2));
    p.setBrush(ink);
    const int cx = 92;
    p.drawEllipse(QPoint(cx, 60), 5, 5);
    p.drawLine(cx, 56, cx, 12);
    QPainterPath head;
    head.moveTo(cx, 4);
    head.lineTo(cx - 5, 13);
    head.lineTo(cx + 5, 13);
    head.closeSubpath();
    p.drawPath(head);
    p.drawLine(cx, 46, cx - 14, 34);
    p.drawLine(cx - 14, 34, cx - 14, 26);
    p.drawEllipse(QPoint(cx - 14, 24), 3, 3);
    p.drawLine(cx, 40, cx + 14, 28);
    p.drawLine(cx + 14, 28, cx + 14, 20);
    p.drawRect(QRect(cx + 11, 14, 6, 6));

    QFont font = p.font();
    font.setPointSize(8);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(QRect(0, 64, 64, 16), Qt::AlignCenter, QStringLiteral("Тип A"));
}

} // namespace

Tabout_form1::Tabout_form1(QWidget *parent)
    : AboutBox(QStringLiteral("Электронный учебник по интерфейсу USB"), drawTopology, QSize(380, 112), drawConnector,
               QSize(120, 80), parent)
{
    setObjectName(QStringLiteral("about_form1"));
}
