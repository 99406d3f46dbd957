// Records that change the drawing state: mapping, colours, modes, saved states.
#include "platform/wmfdecoder.h"

namespace Wmf {

namespace {

enum : quint16 {
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetPolyFillMode = 0x0106,
    kSetTextAlign = 0x012E,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSaveDc = 0x001E,
    kRestoreDc = 0x0127,
    kMoveTo = 0x0214,
};

constexpr int kOpaque = 2;
constexpr int kWinding = 2;

} // namespace

bool decodeStateRecord(const Params &params, const Record &record, DecodeContext &context)
{
    Command command;
    switch (record.function) {
    case kSetBkColor:
    case kSetTextColor:
        if (!context.need(params, record, 2))
            return true;
        command.op = record.function == kSetBkColor ? Op::SetBkColor : Op::SetTextColor;
        command.color = colorAt(params, 0);
        break;
    case kSetBkMode:
        if (!context.need(params, record, 1))
            return true;
        command.op = Op::SetBkMode;
        command.a = params.word(0) == kOpaque ? 1 : 0;
        break;
    case kSetPolyFillMode:
        if (!context.need(params, record, 1))
            return true;
        command.op = Op::SetFillMode;
        command.a = params.word(0) == kWinding ? 1 : 0;
        break;
    case kSetTextAlign:
        if (!context.need(params, record, 1))
            return true;
        command.op = Op::SetTextAlign;
        command.a = params.word(0);
        break;
    case kSetWindowOrg:
    case kMoveTo:
        if (!context.need(params, record, 2))
            return true;
        command.op = record.function == kMoveTo ? Op::MoveTo : Op::SetWindowOrg;
        command.point = QPoint(params.sword(1), params.sword(0));
        break;
    case kSetWindowExt:
        if (!context.need(params, record, 2))
            return true;
        // A zero extent cannot map anything; the window keeps its extent.
        if (params.sword(0) == 0 || params.sword(1) == 0)
            return true;
        command.op = Op::SetWindowExt;
        command.point = QPoint(params.sword(1), params.sword(0));
        break;
    case kSaveDc:
        command.op = Op::SaveDc;
        break;
    case kRestoreDc:
        if (!context.need(params, record, 1))
            return true;
        command.op = Op::RestoreDc;
        command.a = params.sword(0);
        break;
    default:
        return false;
    }
    context.add(command);
    return true;
}

} // namespace Wmf
