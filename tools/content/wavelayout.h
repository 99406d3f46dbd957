#pragma once

#include "wavediagram.h"

#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>

// Where the parts of a timing diagram go in its picture: the title, the
// clock states, the name column, one band per row, the time axis. Layout
// reports whatever does not fit the picture (file:line of the culprit).
namespace Wave {

enum class Role { Title, Name, State, Value, Annotation, Note };

// The font a role is written in, as the metafile names it and as it is measured.
struct FontStyle {
    int pixels = 11;
    bool bold = false;
    bool italic = false;

    QFont font() const;
    int width(const QString &text) const;
    int height() const;
};
FontStyle fontOf(Role role);

struct Layout {
    int margin = 6;
    int titleTop = 0;
    int stateTop = 0;
    int rowsTop = 0;
    int rowsBottom = 0;
    int notesTop = 0;
    int x0 = 0; // left edge of the time axis
    int x1 = 0; // right edge
    int slope = 3;
    QList<int> rowTop;
    QList<int> rowHeight;

    // The x of a half-period boundary, from 0 (the start) to the diagram's length.
    int x(int boundary, int halfPeriods) const
    {
        return x0 + int((qint64(x1 - x0) * boundary + halfPeriods / 2) / halfPeriods);
    }
    int mid(int row) const { return rowTop[row] + rowHeight[row] / 2; }
    int high(int row) const { return rowTop[row] + rowHeight[row] / 5; }
    int low(int row) const { return rowTop[row] + rowHeight[row] - rowHeight[row] / 5; }
};

Built<Layout> layOut(const Diagram &diagram, const QString &fileName);

} // namespace Wave
