#include "shell/artwork.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {

namespace {

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPixmap blank(int width, int height, bool transparent = false)
{
    QPixmap pixmap(width, height);
    pixmap.fill(transparent ? Qt::transparent : Qt::black);
    return pixmap;
}

void drawCentredText(QPainter &p, const QRect &box, const QString &text, const QFont &font, const QColor &colour,
                     bool shadow = false)
{
    p.setFont(font);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 110));
        p.drawText(box.translated(1, 2), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// An expansion card standing in its slot: board, chip, traces and gold fingers.
void drawCard(QPainter &p, const QRect &card, const QString &name, const QColor &board)
{
    const int fingersHeight = 8;
    const QRect body(card.x(), card.y(), card.width(), card.height() - fingersHeight);

    QPainterPath outline;
    outline.addRoundedRect(body, 5, 5);
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, board.lighter(125));
    shade.setColorAt(1, board.darker(130));
    p.setPen(QPen(board.darker(170), 1));
    p.setBrush(shade);
    p.drawPath(outline);

    // traces
    p.setPen(QPen(QColor(205, 235, 190, 110), 1.2));
    for (int i = 0; i < 5; ++i) {
        const int x = body.x() + 12 + i * 7;
        p.drawLine(x, body.bottom() - 2, x, body.y() + 54 - i * 3);
        p.drawLine(x, body.y() + 54 - i * 3, x + 16, body.y() + 40 - i * 3);
    }
    for (int i = 0; i < 4; ++i) {
        const int x = body.right() - 12 - i * 7;
        p.drawLine(x, body.bottom() - 2, x, body.y() + 62);
    }

    // chip with pins
    const QRect chip(body.x() + body.width() / 2 - 4, body.y() + 44, 34, 22);
    p.setPen(QPen(QColor(200, 200, 205), 1));
    for (int i = 0; i < 6; ++i) {
        const int x = chip.x() + 3 + i * 5;
        p.drawLine(x, chip.y() - 3, x, chip.y());
        p.drawLine(x, chip.bottom(), x, chip.bottom() + 3);
    }
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(QColor(28, 30, 34));
    p.drawRect(chip);
    p.setPen(QColor(140, 140, 150));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(chip.x() + 5, chip.y() + 5), 1, 1);

    // name plate
    const QRect plate(body.x() + 8, body.y() + 8, body.width() - 16, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(plate, 3, 3);
    drawCentredText(p, plate, name, pixelFont(15, true), QColor(255, 255, 255));

    // gold fingers
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 178, 74));
    for (int x = card.x() + 6; x + 4 <= card.right() - 5; x += 6)
        p.drawRect(x, body.bottom() + 1, 4, fingersHeight - 1);
}

void drawTitleBar(QPainter &p, const QRect &bar, bool pressed)
{
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, pressed ? QColor(20, 52, 98) : QColor(41, 94, 164));
    shade.setColorAt(1, pressed ? QColor(10, 30, 62) : QColor(20, 58, 110));
    p.fillRect(bar, shade);
    p.setPen(QColor(255, 255, 255, pressed ? 25 : 60));
    p.drawLine(bar.left(), bar.top(), bar.right(), bar.top());
    p.setPen(QColor(8, 24, 50));
    p.drawLine(bar.left(), bar.bottom(), bar.right(), bar.bottom());

    // a small bus emblem
    const int y = bar.center().y();
    const int shift = pressed ? 1 : 0;
    p.setPen(QPen(QColor(236, 190, 84), 2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(10 + shift, y - 5 + i * 5 + shift, 24 + shift, y - 5 + i * 5 + shift);
    p.setPen(QPen(QColor(236, 190, 84), 1));
    p.drawLine(14 + shift, y - 9 + shift, 14 + shift, y + 9 + shift);
    p.drawLine(20 + shift, y - 9 + shift, 20 + shift, y + 9 + shift);

    // the caption in the largest size that fits between the emblem and the close picture
    const QString caption = QStringLiteral("Лабораторные практикумы");
    const QRect room(32 + shift, bar.y() + shift, 212 - 32, bar.height());
    QFont font = pixelFont(13, true);
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(caption) > room.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(pressed ? QColor(190, 205, 228) : QColor(255, 255, 255));
    p.drawText(room, Qt::AlignVCenter | Qt::AlignLeft, caption);
}

void drawCloseBox(QPainter &p, const QRect &box, bool pressed)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, pressed ? QColor(122, 30, 26) : QColor(214, 76, 66));
    shade.setColorAt(1, pressed ? QColor(92, 20, 18) : QColor(160, 40, 34));
    p.setPen(QPen(pressed ? QColor(60, 10, 10) : QColor(110, 22, 18), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    const QPointF c = QRectF(box).center() + (pressed ? QPointF(1, 1) : QPointF(0, 0));
    p.setPen(QPen(pressed ? QColor(230, 200, 200) : QColor(255, 255, 255), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
    p.drawLine(c + QPointF(-6, 6), c + QPointF(6, -6));
}

} // namespace

QPixmap titleScreen()
{
    const int width = 600;
    const int height = 400;
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);

    // a vertical gradient is filled row by row, the cheapest kind of fill
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(14, 40, 82));
    sky.setColorAt(0.3, QColor(30, 72, 132));
    sky.setColorAt(0.7, QColor(19, 57, 108));
    sky.setColorAt(1, QColor(12, 36, 72));
    p.fillRect(pixmap.rect(), sky);

    // faint board grid, from one tile
    QPixmap tile(20, 20);
    tile.fill(Qt::transparent);
    {
        QPainter t(&tile);
        const QColor gridColour(150, 190, 255, 16);
        t.fillRect(0, 0, 20, 1, gridColour);
        t.fillRect(0, 1, 1, 19, gridColour);
    }
    p.fillRect(pixmap.rect(), QBrush(tile));

    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawCentredText(p, QRect(0, 34, width, 56), QStringLiteral("ПМК «Шиноведение»"), pixelFont(40, true),
                    QColor(255, 255, 255), true);
    p.setPen(QPen(QColor(236, 190, 84), 2));
    p.drawLine(210, 98, 390, 98);
    drawCentredText(p, QRect(0, 108, width, 18), QStringLiteral("Программно-методический комплекс по курсу"),
                    pixelFont(14), QColor(214, 228, 250));
    drawCentredText(p, QRect(0, 127, width, 18), QStringLiteral("«Интерфейсы и шины вычислительных систем»"),
                    pixelFont(14, true), QColor(236, 242, 252));

    // a clock, as on a timing diagram
    const int wave0 = 60;
    const int waveTop = 156;
    const int waveBottom = 166;
    QPolygon clock;
    for (int x = wave0; x < 540; x += 24)
        clock << QPoint(x, waveBottom) << QPoint(x + 3, waveTop) << QPoint(x + 14, waveTop)
              << QPoint(x + 17, waveBottom);
    clock << QPoint(540, waveBottom);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(110, 200, 255, 130), 1));
    p.drawPolyline(clock);
    p.setRenderHint(QPainter::Antialiasing);

    // the system bus with four cards in their slots
    const int busTop = 284;
    const QColor busColours[] = {QColor(236, 190, 84), QColor(110, 200, 255), QColor(236, 190, 84),
                                 QColor(110, 200, 255)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(busColours[i], i % 2 ? 1.2 : 2.0));
        p.drawLine(36, busTop + i * 5, 564, busTop + i * 5);
    }
    p.setPen(QPen(QColor(236, 190, 84), 2));
    p.setBrush(QColor(236, 190, 84));
    p.drawEllipse(QPointF(36, busTop + 7), 3, 3);
    p.drawEllipse(QPointF(564, busTop + 7), 3, 3);

    const QString names[] = {QStringLiteral("ISA"), QStringLiteral("PCI"), QStringLiteral("SCSI"),
                             QStringLiteral("USB")};
    const QColor boards[] = {QColor(38, 122, 78), QColor(30, 110, 96), QColor(48, 104, 60), QColor(36, 96, 110)};
    const int cardWidth = 100;
    const int cardHeight = 98;
    const int gap = 28;
    const int left = (width - 4 * cardWidth - 3 * gap) / 2;
    for (int i = 0; i < 4; ++i) {
        const int x = left + i * (cardWidth + gap);
        // slot
        p.setPen(QPen(QColor(5, 12, 24), 1));
        p.setBrush(QColor(24, 28, 36));
        p.drawRoundedRect(QRect(x - 4, busTop - 8, cardWidth + 8, 12), 2, 2);
        drawCard(p, QRect(x, busTop - cardHeight - 2, cardWidth, cardHeight), names[i], boards[i]);
    }

    // frame of the borderless window
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(74, 118, 186));
    p.drawRect(0, 0, width - 1, height - 1);
    p.setPen(QColor(6, 18, 40));
    p.drawRect(1, 1, width - 3, height - 3);
    return pixmap;
}

QPixmap practicumBackground()
{
    const int width = 248;
    const int height = 246;
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(240, 244, 250));
    body.setColorAt(1, QColor(214, 224, 238));
    p.fillRect(pixmap.rect(), body);

    // faint bus lines behind the buttons
    p.setPen(QColor(43, 79, 134, 28));
    for (int i = 0; i < 3; ++i)
        p.drawLine(20 + i * 6, kPracticumTitleHeight + 8, 20 + i * 6, height - 10);
    for (int i = 0; i < 3; ++i)
        p.drawLine(width - 32 + i * 6, kPracticumTitleHeight + 8, width - 32 + i * 6, height - 10);

    drawTitleBar(p, QRect(0, 0, width, kPracticumTitleHeight), true);
    drawCloseBox(p, QRect(218, 4, 28, 28), true);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(43, 79, 134));
    p.drawRect(0, 0, width - 1, height - 1);
    return pixmap;
}

QPixmap practicumTitle()
{
    // the pressed look of the close picture lies under it, in the title picture
    QPixmap pixmap = blank(248, kPracticumTitleHeight);
    QPainter p(&pixmap);
    drawTitleBar(p, pixmap.rect(), false);
    drawCloseBox(p, QRect(218, 4, 28, 28), true);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(43, 79, 134));
    p.drawLine(0, 0, 0, kPracticumTitleHeight - 1);
    p.drawLine(0, 0, 247, 0);
    p.drawLine(247, 0, 247, kPracticumTitleHeight - 1);
    return pixmap;
}

QPixmap practicumExit()
{
    // the title bar shows through the rounded corners
    QPixmap pixmap = blank(28, 28);
    QPainter p(&pixmap);
    p.translate(-218, -4);
    drawTitleBar(p, QRect(0, 0, 248, kPracticumTitleHeight), false);
    p.resetTransform();
    drawCloseBox(p, QRect(0, 0, 28, 28), false);
    return pixmap;
}

QPixmap instructionsBackground()
{
    const int width = 262;
    const int height = 191;
    QPixmap pixmap = blank(width, height);
    QPainter p(&pixmap);
    QLinearGradient paper(0, 0, width, height);
    paper.setColorAt(0, QColor(252, 250, 243));
    paper.setColorAt(1, QColor(236, 230, 214));
    p.fillRect(pixmap.rect(), paper);

    // ruled lines and a margin, as in a lab notebook
    p.setPen(QColor(120, 150, 200, 40));
    for (int y = 22; y < height; y += 20)
        p.drawLine(0, y, width, y);
    p.setPen(QColor(200, 80, 80, 70));
    p.drawLine(12, 0, 12, height);

    return pixmap;
}

QPixmap documentIcon()
{
    QPixmap pixmap = blank(22, 22, true);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // cover
    p.setPen(QPen(QColor(20, 50, 100), 1));
    QLinearGradient cover(0, 0, 22, 22);
    cover.setColorAt(0, QColor(64, 120, 200));
    cover.setColorAt(1, QColor(28, 70, 140));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(3.5, 1.5, 15, 19), 2, 2);
    // pages
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(QRectF(15.5, 3, 2.5, 16));
    // question mark of the help documents
    QFont font;
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 230, 140));
    p.drawText(QRectF(3.5, 1.5, 12, 19), Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

} // namespace Artwork
