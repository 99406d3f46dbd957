// Records that create, select and delete pens, brushes and fonts.
#include "platform/cp1251.h"
#include "platform/wmfdecoder.h"

#include <QFontMetricsF>

namespace Wmf {

namespace {

enum : quint16 {
    kCreatePenIndirect = 0x02FA,
    kCreateBrushIndirect = 0x02FC,
    kCreateFontIndirect = 0x02FB,
    kCreatePalette = 0x00F7,
    kCreatePatternBrush = 0x01F9,
    kDibCreatePatternBrush = 0x0142,
    kCreateRegion = 0x06FF,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
};

constexpr int kLogFontFixedBytes = 18;
constexpr int kFaceNameBytes = 32;
constexpr int kMaxFontPixels = 2048;
constexpr int kDefaultFontPixels = 16;

Pen makePen(const Params &params)
{
    const int style = params.word(0);
    const int width = qAbs(int(params.sword(1)));
    Pen result;
    QPen &pen = result.pen;
    pen.setColor(colorAt(params, 3));
    // Width 0 and 1 are one device pixel whatever the scale, as the system draws them.
    if (width <= 1) {
        pen.setWidth(1);
        pen.setCosmetic(true);
    } else {
        pen.setWidthF(width);
    }
    switch (style & 0x0F) {
    case 1:
        pen.setStyle(Qt::DashLine);
        break;
    case 2:
        pen.setStyle(Qt::DotLine);
        break;
    case 3:
        pen.setStyle(Qt::DashDotLine);
        break;
    case 4:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case 5:
        pen.setStyle(Qt::NoPen);
        result.null = true;
        break;
    default:
        pen.setStyle(Qt::SolidLine);
    }
    switch (style & 0x0F00) {
    case 0x0100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return result;
}

Brush makeBrush(const Params &params)
{
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    Brush result;
    const QColor color = colorAt(params, 1);
    switch (params.word(0)) {
    case 0:
        result.brush = QBrush(color);
        break;
    case 2: {
        const int hatch = params.word(3);
        result.brush = QBrush(color, hatch < 6 ? kHatches[hatch] : Qt::SolidPattern);
        result.hatched = hatch < 6;
        break;
    }
    default:
        // Hollow, and the pattern brushes whose bitmaps this player does not draw.
        result.brush = QBrush(Qt::NoBrush);
    }
    return result;
}

Font makeFont(const Params &params)
{
    const int height = params.sword(0);
    const int weight = params.sword(4);
    const QByteArray flags = params.bytes(5, 3); // italic, underline, strike-out
    const QByteArray face =
        params.bytes(kLogFontFixedBytes / 2, qMin<qsizetype>(kFaceNameBytes, params.count() * 2 - kLogFontFixedBytes));
    QString family = Cp1251::decodeZeroTerminated(face.constData(), face.size()).trimmed();
    if (family.isEmpty())
        family = QStringLiteral("Arial");

    Font result;
    QFont &font = result.font;
    font.setFamily(family);
    font.setPixelSize(kDefaultFontPixels);
    if (weight > 0)
        font.setWeight(QFont::Weight(qBound(100, weight, 900)));
    font.setItalic(flags.size() > 0 && flags[0] != 0);
    font.setUnderline(flags.size() > 1 && flags[1] != 0);
    font.setStrikeOut(flags.size() > 2 && flags[2] != 0);
    if (height < 0) {
        font.setPixelSize(qBound(1, -height, kMaxFontPixels));
    } else if (height > 0) {
        // A positive height is the character cell, ascent plus descent.
        const QFontMetricsF probe(font);
        const qreal cell = probe.ascent() + probe.descent();
        const qreal scale = cell > 0 ? kDefaultFontPixels / cell : 1.0;
        font.setPixelSize(qBound(1, qRound(height * scale), kMaxFontPixels));
    }
    const QFontMetricsF metrics(font);
    result.ascent = metrics.ascent();
    result.descent = metrics.descent();
    result.angle = params.sword(2) / 10.0;
    return result;
}

void select(const Params &params, DecodeContext &context)
{
    const std::optional<ObjectTable::Object> object = context.objects.at(params.word(0));
    // Selecting an empty slot selects nothing, as the system does.
    if (!object || object->kind == ObjectTable::Kind::Other)
        return;
    Command command;
    command.op = object->kind == ObjectTable::Kind::Pen     ? Op::SelectPen
                 : object->kind == ObjectTable::Kind::Brush ? Op::SelectBrush
                                                            : Op::SelectFont;
    command.a = object->index;
    context.add(command);
}

void create(const Record &record, DecodeContext &context, ObjectTable::Kind kind, int index)
{
    if (!context.objects.add({kind, index}))
        context.fail(record, QStringLiteral("создаёт больше объектов, чем объявлено в заголовке"));
}

} // namespace

bool decodeObjectRecord(const Params &params, const Record &record, DecodeContext &context)
{
    Picture &picture = context.picture;
    switch (record.function) {
    case kCreatePenIndirect:
        if (context.need(params, record, 5)) {
            picture.pens.append(makePen(params));
            create(record, context, ObjectTable::Kind::Pen, int(picture.pens.size() - 1));
        }
        return true;
    case kCreateBrushIndirect:
        if (context.need(params, record, 4)) {
            picture.brushes.append(makeBrush(params));
            create(record, context, ObjectTable::Kind::Brush, int(picture.brushes.size() - 1));
        }
        return true;
    case kCreateFontIndirect:
        if (context.need(params, record, kLogFontFixedBytes / 2)) {
            picture.fonts.append(makeFont(params));
            create(record, context, ObjectTable::Kind::Font, int(picture.fonts.size() - 1));
        }
        return true;
    case kCreatePatternBrush:
    case kDibCreatePatternBrush:
        // The pattern's bitmap is not drawn; a grey pattern shows where the fill is.
        picture.brushes.append(Brush{QBrush(Qt::gray, Qt::Dense4Pattern), true});
        create(record, context, ObjectTable::Kind::Brush, int(picture.brushes.size() - 1));
        return true;
    case kCreatePalette:
    case kCreateRegion:
        // Objects this player does not use still take their slot.
        create(record, context, ObjectTable::Kind::Other, -1);
        return true;
    case kSelectObject:
        if (context.need(params, record, 1))
            select(params, context);
        return true;
    case kDeleteObject:
        if (context.need(params, record, 1))
            context.objects.remove(params.word(0));
        return true;
    default:
        return false;
    }
}

} // namespace Wmf
