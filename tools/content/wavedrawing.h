#pragma once

#include "wavediagram.h"
#include "wavelayout.h"
#include "wmfwriter.h"

#include <QHash>

// Draws a laid-out timing diagram into a metafile: pens, brushes and fonts
// created once, then the background (wait-state columns, clock grid), the
// title and states, every row, the arrows and the notes.
namespace Wave {

class DiagramPainter {
public:
    DiagramPainter(const Diagram &diagram, const Layout &layout, WmfWriter &writer, const QString &fileName,
                   SourceReport &report);

    void paint();

private:
    struct Segment {
        QChar kind; // 0 1 z x = / (rising) \ (falling)
        int from = 0;
        int to = 0;
        int value = -1; // label index of a '=' segment
    };

    void paintBackground();
    void paintHeader();
    void paintRow(int index);
    void paintWave(int index, const QList<Segment> &segments);
    void paintArrows();
    void paintNotes();

    QList<Segment> segmentsOf(const Row &row) const;
    QPoint nodePoint(QChar node) const;
    QChar levelAt(QChar node) const;
    void text(const QPoint &at, const QString &text, Role role, const QColor &color, int align, int line);
    void arrowHead(const QPoint &tip, const QPoint &from);

    const Diagram &m_diagram;
    const Layout &m_layout;
    WmfWriter &m_writer;
    QString m_file;
    SourceReport &m_report;
    QHash<int, quint32> m_fonts;
    quint32 m_signalPen = 0, m_busPen = 0, m_gridPen = 0, m_arrowPen = 0, m_leaderPen = 0, m_nullPen = 0;
    quint32 m_busBrush = 0, m_unknownBrush = 0, m_waitBrush = 0, m_arrowBrush = 0, m_hollowBrush = 0;
    int m_align = -1;
    QColor m_textColor;
};

} // namespace Wave
