#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// A metafile decoded into drawing commands: every parameter already read and
// checked, every object selection resolved to the object it selects, so
// drawing never looks at the file again.
namespace Wmf {

enum class Op : quint8 {
    SetWindowOrg, // point
    SetWindowExt, // size in a
    SetTextColor, // color
    SetBkColor,   // color
    SetBkMode,    // a: opaque (1) or transparent (0)
    SetTextAlign, // a: alignment flags
    SetFillMode,  // a: winding (1) or alternate (0)
    SaveDc,       //
    RestoreDc,    // a: relative (negative) or absolute state number
    SelectPen,    // a: index into pens
    SelectBrush,  // a: index into brushes
    SelectFont,   // a: index into fonts
    MoveTo,       // point
    LineTo,       // point
    Polyline,     // first, count: points
    Polygon,      // first, count: points
    PolyPolygon,  // first, count: polygon sizes; their points follow one another from a
    Rectangle,    // rect
    RoundRect,    // rect, a/b: corner ellipse width and height
    Ellipse,      // rect
    Arc,          // rect, point: start, point2: end
    Pie,          // rect, point, point2
    Chord,        // rect, point, point2
    Text,         // point, first: index into texts, a: options, rect: the box when a has it
};

// Options of a text command (the EXTTEXTOUT flags that matter).
constexpr int kTextOpaqueBox = 0x0002;
constexpr int kTextClipped = 0x0004;

struct Command {
    Op op = Op::SaveDc;
    int a = 0;
    int b = 0;
    int first = 0;
    int count = 0;
    QPoint point;
    QPoint point2;
    QRect rect; // left, top and the exclusive right and bottom as the file gives them
    QColor color;
};

struct Pen {
    QPen pen;
    bool null = false;
};

struct Brush {
    QBrush brush; // Qt::NoBrush for a hollow brush
    bool hatched = false;
};

struct Font {
    QFont font;
    qreal ascent = 0;
    qreal descent = 0;
    qreal angle = 0; // counter-clockwise, degrees
};

struct Picture {
    QRect frame; // the logical rectangle mapped onto a target
    QSize size;  // pixels at 96 dpi
    QList<Command> commands;
    QList<QPoint> points;
    QList<int> polygonSizes;
    QList<QString> texts;
    QList<Pen> pens;
    QList<Brush> brushes;
    QList<Font> fonts;
};

} // namespace Wmf

// The type Metafile shares between its copies.
struct WmfPicture : Wmf::Picture {};
