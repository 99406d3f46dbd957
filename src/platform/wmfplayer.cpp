#include "platform/wmfplayer.h"

#include "platform/wmfpainterstate.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace Wmf {

namespace {

// The largest glyph height, in device pixels, the player asks the font engine to draw.
constexpr qreal kMaxTextDevicePixels = 1024;

enum TextAlign {
    kUpdateCurrent = 0x0001,
    kHorizontalMask = 0x0006,
    kRight = 0x0002,
    kCenter = 0x0006,
    kVerticalMask = 0x0018,
    kBottom = 0x0008,
    kBaseline = 0x0018,
};

QRectF box(const QRect &rect)
{
    return QRectF(rect.left(), rect.top(), rect.right() - rect.left(), rect.bottom() - rect.top());
}

// The angle of a point seen from the centre of an ellipse, in Qt's sixteenths of a degree.
int angleOf(const QRectF &ellipse, const QPoint &point)
{
    const QPointF centre = ellipse.center();
    const qreal dx = (point.x() - centre.x()) / qMax<qreal>(ellipse.width(), 1);
    const qreal dy = (point.y() - centre.y()) / qMax<qreal>(ellipse.height(), 1);
    return qRound(qRadiansToDegrees(qAtan2(-dy, dx)) * 16);
}

void drawArcLike(QPainter &painter, const Command &command)
{
    const QRectF ellipse = box(command.rect);
    const int start = angleOf(ellipse, command.point);
    int span = angleOf(ellipse, command.point2) - start;
    // Counter-clockwise from the start to the end; equal points make a whole turn.
    while (span <= 0)
        span += 360 * 16;
    if (command.op == Op::Arc)
        painter.drawArc(ellipse, start, span);
    else if (command.op == Op::Pie)
        painter.drawPie(ellipse, start, span);
    else
        painter.drawChord(ellipse, start, span);
}

void drawText(const Picture &picture, PainterState &state, QPainter &painter, const Command &command)
{
    const DcState &dc = state.dc();
    const Font &font = state.font();
    const QString &text = picture.texts[command.first];
    painter.save();
    if (command.a & kTextOpaqueBox)
        painter.fillRect(box(command.rect), dc.bkColor);
    if (command.a & kTextClipped)
        painter.setClipRect(box(command.rect), Qt::IntersectClip);
    painter.setFont(font.font);
    painter.setPen(dc.textColor);
    const qreal width = QFontMetricsF(font.font).horizontalAdvance(text);
    const bool useCurrent = dc.textAlign & kUpdateCurrent;
    const QPointF origin = useCurrent ? dc.current : QPointF(command.point);
    qreal x = 0;
    if ((dc.textAlign & kHorizontalMask) == kRight)
        x = -width;
    else if ((dc.textAlign & kHorizontalMask) == kCenter)
        x = -width / 2;
    qreal baseline = font.ascent;
    if ((dc.textAlign & kVerticalMask) == kBottom)
        baseline = -font.descent;
    else if ((dc.textAlign & kVerticalMask) == kBaseline)
        baseline = 0;
    painter.translate(origin);
    if (font.angle != 0)
        painter.rotate(-font.angle);
    // The mapping can stretch a font far beyond its own size limit; glyphs that
    // large make the font engine fail (and crash), so such text is not drawn.
    const QTransform device = painter.deviceTransform();
    const qreal stretch =
        std::max({std::abs(device.m11()), std::abs(device.m12()), std::abs(device.m21()), std::abs(device.m22())});
    const qreal fontPixels = font.font.pixelSize() > 0 ? font.font.pixelSize() : font.font.pointSizeF() * 96 / 72;
    if (std::isfinite(stretch) && fontPixels * stretch <= kMaxTextDevicePixels)
        painter.drawText(QPointF(x, baseline), text);
    painter.restore();
    if (useCurrent)
        state.dc().current = origin + QPointF((dc.textAlign & kHorizontalMask) == kRight ? -width : width, 0);
}

} // namespace

void play(const Picture &picture, QPainter &painter, const QRectF &target)
{
    if (target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PainterState state(picture, painter, target);
    DcState &dc = state.dc();
    for (const Command &command : picture.commands) {
        switch (command.op) {
        case Op::SetWindowOrg:
            dc.windowOrg = command.point;
            state.applyMapping();
            break;
        case Op::SetWindowExt:
            dc.windowExt = command.point;
            state.applyMapping();
            break;
        case Op::SetTextColor:
            dc.textColor = command.color;
            break;
        case Op::SetBkColor:
            dc.bkColor = command.color;
            state.applyBackground();
            break;
        case Op::SetBkMode:
            dc.opaque = command.a != 0;
            state.applyBackground();
            break;
        case Op::SetTextAlign:
            dc.textAlign = command.a;
            break;
        case Op::SetFillMode:
            dc.winding = command.a != 0;
            break;
        case Op::SaveDc:
            state.save();
            break;
        case Op::RestoreDc:
            state.restore(command.a);
            break;
        case Op::SelectPen:
            dc.pen = command.a;
            state.applyPen();
            break;
        case Op::SelectBrush:
            dc.brush = command.a;
            state.applyBrush();
            break;
        case Op::SelectFont:
            dc.font = command.a;
            break;
        case Op::MoveTo:
            dc.current = command.point;
            break;
        case Op::LineTo:
            painter.drawLine(dc.current, QPointF(command.point));
            dc.current = command.point;
            break;
        case Op::Polyline:
            painter.drawPolyline(picture.points.constData() + command.first, command.count);
            break;
        case Op::Polygon:
            painter.drawPolygon(picture.points.constData() + command.first, command.count,
                                dc.winding ? Qt::WindingFill : Qt::OddEvenFill);
            break;
        case Op::PolyPolygon: {
            QPainterPath path;
            path.setFillRule(dc.winding ? Qt::WindingFill : Qt::OddEvenFill);
            int at = command.a;
            for (int i = 0; i < command.count; ++i) {
                const int size = picture.polygonSizes[command.first + i];
                QPolygonF polygon;
                for (int p = 0; p < size; ++p)
                    polygon.append(picture.points[at + p]);
                if (!polygon.isEmpty())
                    polygon.append(polygon.first());
                path.addPolygon(polygon);
                at += size;
            }
            painter.drawPath(path);
            break;
        }
        case Op::Rectangle:
            painter.drawRect(box(command.rect));
            break;
        case Op::RoundRect:
            painter.drawRoundedRect(box(command.rect), command.a / 2.0, command.b / 2.0);
            break;
        case Op::Ellipse:
            painter.drawEllipse(box(command.rect));
            break;
        case Op::Arc:
        case Op::Pie:
        case Op::Chord:
            drawArcLike(painter, command);
            break;
        case Op::Text:
            drawText(picture, state, painter, command);
            break;
        }
    }
    painter.restore();
}

} // namespace Wmf
