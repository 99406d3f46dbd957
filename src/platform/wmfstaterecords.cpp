// Records that change the drawing state: mapping, colours, modes, saved states.
#include "platform/wmfdecoder.h"
#include "platform/wmffunctions.h"

namespace Wmf {

namespace {

constexpr int kOpaque = 2;
constexpr int kWinding = 2;

} // namespace

bool decodeStateRecord(const Params &params, const Record &record, DecodeContext &context)
{
    Command command;
    switch (record.function) {
    case kSetBkColor:
    case kSetTextColor:
        command.op = record.function == kSetBkColor ? Op::SetBkColor : Op::SetTextColor;
        command.color = colorAt(params, 0);
        break;
    case kSetBkMode:
        command.op = Op::SetBkMode;
        command.a = params.word(0) == kOpaque ? 1 : 0;
        break;
    case kSetPolyFillMode:
        command.op = Op::SetFillMode;
        command.a = params.word(0) == kWinding ? 1 : 0;
        break;
    case kSetTextAlign:
        command.op = Op::SetTextAlign;
        command.a = params.word(0);
        break;
    case kSetWindowOrg:
    case kMoveTo:
        command.op = record.function == kMoveTo ? Op::MoveTo : Op::SetWindowOrg;
        command.point = QPoint(params.sword(1), params.sword(0));
        break;
    case kSetWindowExt:
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
