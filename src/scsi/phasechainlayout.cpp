#include "scsi/phasechainlayout.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace PhaseChainLayout {

namespace {

ChainPrimitive line(QPoint from, QPoint to)
{
    ChainPrimitive primitive;
    primitive.kind = ChainPrimitive::Line;
    primitive.p1 = from;
    primitive.p2 = to;
    return primitive;
}

ChainPrimitive text(QPoint pos, const QString &content, ChainPrimitive::TextRole role)
{
    ChainPrimitive primitive;
    primitive.kind = ChainPrimitive::Text;
    primitive.pos = pos;
    primitive.text = content;
    primitive.role = role;
    primitive.fontSize = kAbbreviationFontSize;
    return primitive;
}

ChainPrimitive arc(QPoint corner1, QPoint corner2, QPoint from, QPoint to)
{
    ChainPrimitive primitive;
    primitive.kind = ChainPrimitive::Arc;
    primitive.rect = QRect(corner1, QSize(corner2.x() - corner1.x(), corner2.y() - corner1.y())).normalized();
    primitive.p1 = from;
    primitive.p2 = to;
    arcAngles(primitive.rect, from, to, &primitive.startAngle16, &primitive.spanAngle16);
    return primitive;
}

// The arrowhead at tip: two lines back to (tip − 10, tip.y ± A).
void arrowhead(QList<ChainPrimitive> &out, QPoint tip, int spread)
{
    out.append(line(tip, QPoint(tip.x() - kHeadLength, tip.y() - spread)));
    out.append(line(tip, QPoint(tip.x() - kHeadLength, tip.y() + spread)));
}

} // namespace

void arcAngles(const QRect &rect, const QPoint &from, const QPoint &to, int *startAngle16, int *spanAngle16)
{
    // The ray from the centre through a point meets the ellipse at the
    // parametric angle atan2(−dy / b, dx / a), which is what drawArc takes.
    const double a = rect.width() / 2.0;
    const double b = rect.height() / 2.0;
    const double cx = rect.x() + a;
    const double cy = rect.y() + b;
    const auto angle = [&](QPoint p) {
        const double dx = a > 0 ? (p.x() - cx) / a : 0.0;
        const double dy = b > 0 ? (p.y() - cy) / b : 0.0;
        return std::atan2(-dy, dx) * 180.0 / M_PI;
    };
    const double start = angle(from);
    double span = angle(to) - start;
    while (span <= 0)
        span += 360.0;
    while (span > 360.0)
        span -= 360.0;
    *startAngle16 = int(std::lround(start * 16.0));
    *spanAngle16 = int(std::lround(span * 16.0));
}

QList<ChainPrimitive> layoutStep(int index, const PhaseStep &step, Cursor &cursor, const ChainParameters &parameters)
{
    const int g = parameters.gap;
    const int d = parameters.diameter;
    const int a = parameters.spread;
    const int pitch = g + d;
    QList<ChainPrimitive> out;

    if (index > 0 && index % kPerRow == 0) {
        const int xl = kLeft + (cursor.column - 1) * pitch;
        const int xe = xl + d;
        const int yc = kTop + d / 2 + cursor.rowOffset;
        const int newRow = (index / kPerRow) * pitch;
        const int yNew = kTop + d / 2 + newRow;
        out.append(arc(QPoint(xl, yc), QPoint(xl + d + 60, newRow), QPoint(xe, newRow), QPoint(xe, yc)));
        out.append(line(QPoint(xe, newRow), QPoint(kLeft, newRow)));
        out.append(arc(QPoint(5, newRow), QPoint(kLeft + d, yNew), QPoint(kLeft, newRow), QPoint(kLeft, yNew)));
        arrowhead(out, QPoint(kLeft, yNew), a);
        cursor.column = 0;
        cursor.rowOffset = newRow;
    }

    const int x = kLeft + cursor.column * pitch;
    ChainPrimitive circle;
    circle.kind = ChainPrimitive::Circle;
    circle.rect = QRect(x, kTop + cursor.rowOffset, d, d);
    out.append(circle);

    out.append(text(QPoint(kLeft + d / 2 - 10 + cursor.column * pitch, kTop + d / 2 - 7 + cursor.rowOffset),
                    PhaseTable::abbreviation(step.phase), ChainPrimitive::Abbreviation));

    if (cursor.column > 0) {
        const int y = kTop + d / 2 + cursor.rowOffset;
        const QPoint tip(x, y);
        out.append(line(QPoint(kLeft + (cursor.column - 1) * pitch + d, y), tip));
        arrowhead(out, tip, a);
    }

    // Labels larger than the usual size take more room per line.
    const int lineStep = qMax(kLabelLineStep, pixelSize(parameters.labelFontSize) + 1);
    int k = 0;
    for (const PhaseTable::Signal &signal : PhaseTable::signalTable()) {
        if (!(step.mask & signal.bit))
            continue;
        // "DBx# DBPx#" names two lines of the bus; one label each keeps it clear of the next circle.
        const QStringList names = QString::fromLatin1(signal.caption).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &name : names) {
            ChainPrimitive label = text(QPoint(kLeft + d + cursor.column * pitch, cursor.rowOffset + 1 + lineStep * k),
                                        name, ChainPrimitive::SignalLabel);
            label.fontSize = parameters.labelFontSize;
            out.append(label);
            ++k;
        }
    }

    ++cursor.column;
    ++cursor.drawn;
    return out;
}

QList<ChainPrimitive> layout(const QList<PhaseStep> &steps, const ChainParameters &parameters)
{
    QList<ChainPrimitive> out;
    out.reserve(steps.size() * 16);
    Cursor cursor;
    for (int i = 0; i < steps.size(); ++i)
        out.append(layoutStep(i, steps[i], cursor, parameters));
    return out;
}

namespace {

// Circles and texts are drawn once into small images and then copied: a chain
// of 21 phases with all signals repaints in well under the 2 ms a frame allows.
class SpriteCache {
public:
    const QImage &circle(int diameter, qreal ratio)
    {
        const QString key = QStringLiteral("c:%1:%2").arg(diameter).arg(ratio);
        auto found = m_images.constFind(key);
        if (found != m_images.constEnd())
            return *found;
        const int margin = kPenWidth;
        QImage image(QSize(diameter + 2 * margin, diameter + 2 * margin) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, kPenWidth));
        painter.setBrush(QColor(0, 128, 0));
        painter.drawEllipse(QRect(margin, margin, diameter, diameter));
        return *insert(key, image);
    }

    // A text cell: its top-left corner is the text position, as in a TextOut.
    const QImage &text(const QString &content, const QFont &font, const QColor &color, const QColor &background,
                       qreal ratio)
    {
        const QString key = QStringLiteral("t:%1:%2:%3:%4:%5:%6")
                                .arg(content, font.key(), color.name(QColor::HexArgb),
                                     background.isValid() ? background.name(QColor::HexArgb) : QString())
                                .arg(ratio)
                                .arg(font.pixelSize());
        auto found = m_images.constFind(key);
        if (found != m_images.constEnd())
            return *found;
        const QFontMetrics metrics(font);
        const QSize size(qMax(1, metrics.horizontalAdvance(content)), qMax(1, metrics.height()));
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(background.isValid() ? background : QColor(Qt::transparent));
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(QPoint(0, metrics.ascent()), content);
        return *insert(key, image);
    }

private:
    QHash<QString, QImage>::const_iterator insert(const QString &key, const QImage &image)
    {
        if (m_images.size() > 512) // parameters tried one after another
            m_images.clear();
        return m_images.insert(key, image);
    }

    QHash<QString, QImage> m_images;
};

SpriteCache &sprites()
{
    static SpriteCache cache;
    return cache;
}

QFont pixelFont(const QFont &base, int pointSize, const QPaintDevice *device)
{
    QFont font = base;
    const int dpi = device ? device->logicalDpiY() : 96;
    font.setPixelSize(qMax(1, (pointSize * dpi + 36) / 72));
    return font;
}

} // namespace

int pixelSize(int pointSize)
{
    return (pointSize * 96 + 36) / 72;
}

void paint(QPainter &painter, const QList<ChainPrimitive> &primitives, const QColor &buttonFace)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, kPenWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QFont abbreviationFont = pixelFont(painter.font(), kAbbreviationFontSize, painter.device());
    SpriteCache &cache = sprites();

    for (const ChainPrimitive &primitive : primitives) {
        switch (primitive.kind) {
        case ChainPrimitive::Circle:
            painter.drawImage(primitive.rect.topLeft() - QPoint(kPenWidth, kPenWidth),
                              cache.circle(primitive.rect.width(), ratio));
            break;
        case ChainPrimitive::Line:
            painter.drawLine(primitive.p1, primitive.p2);
            break;
        case ChainPrimitive::Arc:
            painter.drawArc(primitive.rect, primitive.startAngle16, primitive.spanAngle16);
            break;
        case ChainPrimitive::Text:
            if (primitive.role == ChainPrimitive::SignalLabel)
                painter.drawImage(primitive.pos,
                                  cache.text(primitive.text,
                                             pixelFont(painter.font(), primitive.fontSize, painter.device()), Qt::black,
                                             buttonFace, ratio));
            else
                painter.drawImage(primitive.pos,
                                  cache.text(primitive.text, abbreviationFont, Qt::white, QColor(), ratio));
            break;
        }
    }
    painter.restore();
}

} // namespace PhaseChainLayout
