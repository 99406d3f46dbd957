#pragma once

#include "scsi/phaseexercise.h"
#include "scsi/phasetask.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class QColor;

// One drawing operation of the phase chain, in pixels of the drawing surface.
struct ChainPrimitive {
    enum Kind {
        Circle, // green filled ellipse in rect
        Text,   // text with its top-left corner at pos
        Line,   // from p1 to p2
        Arc,    // elliptical arc in rect, counter-clockwise from p1 to p2
    };
    enum TextRole {
        Abbreviation, // white, size 8
        SignalLabel,  // black on button face, in the chain's label size
    };

    Kind kind = Line;
    QRect rect;
    QPoint p1;
    QPoint p2;
    QPoint pos;
    QString text;
    TextRole role = Abbreviation;
    int fontSize = 0;
    // Arc angles for QPainter::drawArc, in 1/16 degree, counter-clockwise.
    int startAngle16 = 0;
    int spanAngle16 = 0;
};

namespace PhaseChainLayout {

constexpr int kLeft = 50;  // X0
constexpr int kTop = 5;    // Y0
constexpr int kPerRow = 7; // K
constexpr int kHeadLength = 10;
constexpr int kAbbreviationFontSize = 8;
constexpr int kLabelLineStep = 12;
constexpr int kPenWidth = 2;

// Where the next circle goes.
struct Cursor {
    int column = 0;
    int rowOffset = 0; // R
    int drawn = 0;
};

// The pixel size of a point size on the 96-dpi drawing surface.
int pixelSize(int pointSize);

// The primitives of step `index` placed at the cursor, which moves on.
QList<ChainPrimitive> layoutStep(int index, const PhaseStep &step, Cursor &cursor, const ChainParameters &parameters);
// The whole chain from an empty cursor.
QList<ChainPrimitive> layout(const QList<PhaseStep> &steps, const ChainParameters &parameters);

// A Windows-style arc: ellipse in rect, counter-clockwise from the ray
// through `from` to the ray through `to`, as start and span for QPainter.
void arcAngles(const QRect &rect, const QPoint &from, const QPoint &to, int *startAngle16, int *spanAngle16);

// Replays primitives; buttonFace is the background of the signal labels.
void paint(QPainter &painter, const QList<ChainPrimitive> &primitives, const QColor &buttonFace);

} // namespace PhaseChainLayout
