#include "scsi/tabout_form.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A SCSI bus: one cable, terminated at both ends, with four devices and their IDs.
void drawBus(QPainter &p, QSize size)
{
    const int w = size.width();
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xfb, 0xfa, 0xf5));
    QFont font = p.font();
    font.setPointSize(8);
    p.setFont(font);

    const int busY = 30;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.drawText(QRect(0, 2, w, 16), Qt::AlignCenter, QStringLiteral("Шина SCSI"));
    p.setPen(QPen(QColor(0x4a, 0x4a, 0x4a), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(26, busY, w - 26, busY);
    for (int x : {8, w - 26}) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.drawRect(x, busY - 10, 18, 20);
        p.setPen(Qt::white);
        p.drawText(QRect(x, busY - 10, 18, 20), Qt::AlignCenter, QStringLiteral("T"));
    }

    struct Device {
        const char *id;
        QString name;
        QColor colour;
    };
    const Device devices[] = {
        {"ID 7", QStringLiteral("Адаптер"), QColor(0x1e, 0x63, 0xb4)},
        {"ID 0", QStringLiteral("Диск"), QColor(0x2e, 0x7d, 0x32)},
        {"ID 3", QStringLiteral("CD-ROM"), QColor(0x8e, 0x5b, 0x12)},
        {"ID 5", QStringLiteral("Стример"), QColor(0x6a, 0x1b, 0x9a)},
    };
    const int count = 4;
    const int boxW = 70;
    const int gap = (w - 60 - count * boxW) / (count - 1);
    for (int i = 0; i < count; ++i) {
        const int x = 30 + i * (boxW + gap);
        const int cx = x + boxW / 2;
        p.setPen(QPen(QColor(0x4a, 0x4a, 0x4a), 3));
        p.drawLine(cx, busY, cx, 62);
        p.setPen(QPen(devices[i].colour.darker(140), 1));
        p.setBrush(devices[i].colour);
        p.drawRoundedRect(QRect(x, 62, boxW, 44), 5, 5);
        p.setPen(Qt::white);
        p.drawText(QRect(x, 64, boxW, 20), Qt::AlignCenter, QString::fromLatin1(devices[i].id));
        p.drawText(QRect(x, 82, boxW, 20), Qt::AlignCenter, devices[i].name);
    }
}

// The 50-contact connector of the bus, seen from the front.
void drawConnector(QPainter &p, QSize size)
{
    const int w = size.width();
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xfb, 0xfa, 0xf5));
    QPainterPath shell;
    shell.moveTo(8, 14);
    shell.lineTo(w - 8, 14);
    shell.lineTo(w - 18, 58);
    shell.lineTo(18, 58);
    shell.closeSubpath();
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(QColor(0xb0, 0xb6, 0xbc));
    p.drawPath(shell);
    p.setBrush(QColor(0x26, 0x26, 0x26));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(20, 22, w - 40, 28), 3, 3);
    p.setBrush(QColor(0xe0, 0xb0, 0x40));
    for (int row = 0; row < 2; ++row) {
        const int pins = row == 0 ? 13 : 12;
        const double step = double(w - 52) / 12;
        const double start = 26 + (row == 0 ? 0.0 : step / 2);
        for (int i = 0; i < pins; ++i)
            p.drawRect(QRectF(start + i * step - 1.5, 26 + row * 12, 3, 7));
    }
    QFont font = p.font();
    font.setPointSize(8);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(QRect(0, 62, w, 16), Qt::AlignCenter, QStringLiteral("Разъём SCSI"));
}

} // namespace

Tabout_form::Tabout_form(QWidget *parent)
    : AboutBox(QStringLiteral("Электронный учебник по интерфейсу SCSI"), drawBus, QSize(380, 112), drawConnector,
               QSize(120, 80), parent)
{
    setObjectName(QStringLiteral("about_form"));
}
