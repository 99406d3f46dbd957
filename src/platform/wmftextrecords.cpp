// Records that write text: the string in Windows-1251, its place and options.
#include "platform/cp1251.h"
#include "platform/wmfdecoder.h"

namespace Wmf {

namespace {

enum : quint16 {
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
};

int wordsFor(int bytes)
{
    return (bytes + 1) / 2;
}

void addText(DecodeContext &context, Command command, const QByteArray &bytes)
{
    command.op = Op::Text;
    command.first = int(context.picture.texts.size());
    context.picture.texts.append(Cp1251::decode(bytes));
    context.add(command);
}

} // namespace

bool decodeTextRecord(const Params &params, const Record &record, DecodeContext &context)
{
    Command command;
    switch (record.function) {
    case kTextOut: {
        if (!context.need(params, record, 1))
            return true;
        const int length = params.sword(0);
        if (length < 0) {
            context.fail(record, QStringLiteral("отрицательная длина текста"));
            return true;
        }
        const int place = 1 + wordsFor(length);
        if (!context.need(params, record, place + 2))
            return true;
        command.point = QPoint(params.sword(place + 1), params.sword(place));
        addText(context, command, params.bytes(1, length));
        return true;
    }
    case kExtTextOut: {
        if (!context.need(params, record, 4))
            return true;
        command.point = QPoint(params.sword(1), params.sword(0));
        const int length = params.sword(2);
        command.a = params.word(3);
        if (length < 0) {
            context.fail(record, QStringLiteral("отрицательная длина текста"));
            return true;
        }
        int index = 4;
        if (command.a & (kTextOpaqueBox | kTextClipped)) {
            if (!context.need(params, record, 8))
                return true;
            const int left = params.sword(4), top = params.sword(5), right = params.sword(6), bottom = params.sword(7);
            command.rect =
                QRect(QPoint(qMin(left, right), qMin(top, bottom)), QPoint(qMax(left, right), qMax(top, bottom)));
            index = 8;
        }
        // Character widths may follow; the font's own widths are used.
        if (!context.need(params, record, index + wordsFor(length)))
            return true;
        addText(context, command, params.bytes(index, length));
        return true;
    }
    default:
        return false;
    }
}

} // namespace Wmf
