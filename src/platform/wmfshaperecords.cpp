// Records that draw lines and shapes.
#include "platform/wmfdecoder.h"

namespace Wmf {

namespace {

enum : quint16 {
    kLineTo = 0x0213,
    kPolyline = 0x0325,
    kPolygon = 0x0324,
    kPolyPolygon = 0x0538,
    kRectangle = 0x041B,
    kRoundRect = 0x061C,
    kEllipse = 0x0418,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
};

// The rectangle of parameters (bottom, right, top, left) starting at index.
QRect rectAt(const Params &params, int index)
{
    const int bottom = params.sword(index), right = params.sword(index + 1);
    const int top = params.sword(index + 2), left = params.sword(index + 3);
    return QRect(QPoint(qMin(left, right), qMin(top, bottom)), QPoint(qMax(left, right), qMax(top, bottom)));
}

QPoint pointAt(const Params &params, int index)
{
    return QPoint(params.sword(index + 1), params.sword(index));
}

// Points as x, y pairs starting at word index; count is checked against the record.
bool appendPoints(const Params &params, const Record &record, DecodeContext &context, int index, qsizetype count)
{
    if (!context.need(params, record, index + count * 2))
        return false;
    QList<QPoint> &points = context.picture.points;
    points.reserve(points.size() + count);
    for (int i = 0; i < count; ++i)
        points.append(QPoint(params.sword(index + 2 * i), params.sword(index + 2 * i + 1)));
    return true;
}

void decodePoly(const Params &params, const Record &record, DecodeContext &context, Op op)
{
    if (!context.need(params, record, 1))
        return;
    Command command;
    command.op = op;
    command.first = int(context.picture.points.size());
    command.count = params.word(0);
    if (appendPoints(params, record, context, 1, command.count))
        context.add(command);
}

void decodePolyPolygon(const Params &params, const Record &record, DecodeContext &context)
{
    if (!context.need(params, record, 1))
        return;
    const int polygons = params.word(0);
    if (!context.need(params, record, 1 + qsizetype(polygons)))
        return;
    qsizetype total = 0;
    for (int i = 0; i < polygons; ++i)
        total += params.word(1 + i);
    Command command;
    command.op = Op::PolyPolygon;
    command.first = int(context.picture.polygonSizes.size());
    command.count = polygons;
    command.a = int(context.picture.points.size());
    if (!appendPoints(params, record, context, 1 + polygons, total))
        return;
    for (int i = 0; i < polygons; ++i)
        context.picture.polygonSizes.append(params.word(1 + i));
    context.add(command);
}

} // namespace

bool decodeShapeRecord(const Params &params, const Record &record, DecodeContext &context)
{
    Command command;
    switch (record.function) {
    case kLineTo:
        if (!context.need(params, record, 2))
            return true;
        command.op = Op::LineTo;
        command.point = pointAt(params, 0);
        break;
    case kPolyline:
        decodePoly(params, record, context, Op::Polyline);
        return true;
    case kPolygon:
        decodePoly(params, record, context, Op::Polygon);
        return true;
    case kPolyPolygon:
        decodePolyPolygon(params, record, context);
        return true;
    case kRectangle:
    case kEllipse:
        if (!context.need(params, record, 4))
            return true;
        command.op = record.function == kRectangle ? Op::Rectangle : Op::Ellipse;
        command.rect = rectAt(params, 0);
        break;
    case kRoundRect:
        if (!context.need(params, record, 6))
            return true;
        command.op = Op::RoundRect;
        command.b = qAbs(params.sword(0));
        command.a = qAbs(params.sword(1));
        command.rect = rectAt(params, 2);
        break;
    case kArc:
    case kPie:
    case kChord:
        if (!context.need(params, record, 8))
            return true;
        command.op = record.function == kArc ? Op::Arc : record.function == kPie ? Op::Pie : Op::Chord;
        command.point2 = pointAt(params, 0);
        command.point = pointAt(params, 2);
        command.rect = rectAt(params, 4);
        break;
    default:
        return false;
    }
    context.add(command);
    return true;
}

} // namespace Wmf
