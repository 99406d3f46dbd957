#pragma once

#include <QtGlobal>

// Record function numbers of the Windows metafile format that the player
// knows, and the fewest parameter words each of them needs.
namespace Wmf {

enum Function : quint16 {
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kExtTextOut = 0x0A32,
};

// The fixed part of a record's parameters; records with counts check the rest themselves.
inline int minimumWords(quint16 function)
{
    switch (function) {
    case kSetBkMode:
    case kSetPolyFillMode:
    case kRestoreDc:
    case kSelectObject:
    case kSetTextAlign:
    case kDeleteObject:
    case kPolygon:
    case kPolyline:
    case kPolyPolygon:
    case kTextOut:
        return 1;
    case kSetBkColor:
    case kSetTextColor:
    case kSetWindowOrg:
    case kSetWindowExt:
    case kLineTo:
    case kMoveTo:
        return 2;
    case kCreateBrushIndirect:
    case kEllipse:
    case kRectangle:
    case kExtTextOut:
        return 4;
    case kCreatePenIndirect:
        return 5;
    case kRoundRect:
        return 6;
    case kArc:
    case kPie:
    case kChord:
        return 8;
    case kCreateFontIndirect:
        return 9; // LOGFONT up to the face name
    default:
        return 0;
    }
}

} // namespace Wmf
