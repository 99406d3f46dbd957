#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The drawing of one cell of the lesson diagram over what the grid itself
// drew there (background and name): the dotted grid lines, the period guide
// and the state's picture of one clock period.
namespace LessonCellPainter {

inline const QColor kGridLine{128, 128, 128};
inline const QColor kGuide{128, 0, 128};
inline const QColor kPendingGuide{255, 255, 0};
inline const QColor kPeriodNumber{255, 0, 0};
// The background of the cells of the row being edited.
inline const QColor kActiveFill{190, 220, 255};

struct Cell {
    int column = 0;       // 0 names the signals; 1 to 9 are clock periods
    int state = 0;        // SignalStates code of the period
    bool active = false;  // the cell is in the row being edited
    bool pending = false; // the column of the first click of an interval, in that row
};

// Geometry of a cell as the state drawings use it; right and bottom are
// just outside the cell.
struct Levels {
    int left, top, right, bottom;
    int high, low, mid, xMid;
};
Levels levels(const QRect &cell);

void paint(QPainter &painter, const QRect &rect, const Cell &cell);
// The state's picture alone (black, pen width 2; the clock also in red digits).
void paintState(QPainter &painter, const QRect &rect, int state, int column);

} // namespace LessonCellPainter
