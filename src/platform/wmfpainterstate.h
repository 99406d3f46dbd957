#pragma once

#include "platform/wmfpicture.h"

#include <QList>
#include <QPainter>
#include <QRectF>

// The device-context state a metafile plays against, and how it is carried
// over to a QPainter: the window mapped onto the target, the selected
// objects, colours and modes, the saved states.
namespace Wmf {

struct DcState {
    QPoint windowOrg;
    QPoint windowExt; // signed: a negative extent flips the axis
    int pen = -1;     // -1: the default black pen
    int brush = -1;   // -1: the default white brush
    int font = -1;    // -1: the default font
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    bool opaque = true;
    int textAlign = 0;
    bool winding = false;
    QPointF current;
};

class PainterState {
public:
    PainterState(const Picture &picture, QPainter &painter, const QRectF &target);

    DcState &dc() { return m_dc; }
    const Font &font() const;
    const QPen &pen() const;

    void applyMapping();
    void applyPen();
    void applyBrush();
    void applyBackground();
    void save();
    void restore(int which);

private:
    void applyAll();

    const Picture &m_picture;
    QPainter &m_painter;
    QRectF m_target;
    QTransform m_base;
    DcState m_dc;
    QList<DcState> m_saved;
};

} // namespace Wmf
