#include "platform/wmfpainterstate.h"

#include <QFontMetricsF>

namespace Wmf {

namespace {

// Deeper nesting than this is no picture's need; further saves are ignored.
constexpr int kMaxSavedStates = 1024;

const Font &defaultFont()
{
    static const Font font = [] {
        Font made;
        made.font = QFont(QStringLiteral("Arial"));
        made.font.setPixelSize(16);
        const QFontMetricsF metrics(made.font);
        made.ascent = metrics.ascent();
        made.descent = metrics.descent();
        return made;
    }();
    return font;
}

const QPen &defaultPen()
{
    static const QPen pen = [] {
        QPen made(Qt::black, 1);
        made.setCosmetic(true);
        return made;
    }();
    return pen;
}

} // namespace

PainterState::PainterState(const Picture &picture, QPainter &painter, const QRectF &target)
    : m_picture(picture)
    , m_painter(painter)
    , m_target(target)
    , m_base(painter.transform())
{
    m_dc.windowOrg = picture.frame.topLeft();
    m_dc.windowExt = QPoint(picture.frame.width(), picture.frame.height());
    applyAll();
}

const Font &PainterState::font() const
{
    return m_dc.font >= 0 ? m_picture.fonts[m_dc.font] : defaultFont();
}

const QPen &PainterState::pen() const
{
    return m_dc.pen >= 0 ? m_picture.pens[m_dc.pen].pen : defaultPen();
}

void PainterState::applyMapping()
{
    const qreal sx = m_target.width() / m_dc.windowExt.x();
    const qreal sy = m_target.height() / m_dc.windowExt.y();
    const QTransform mapping(sx, 0, 0, sy, m_target.x() - m_dc.windowOrg.x() * sx,
                             m_target.y() - m_dc.windowOrg.y() * sy);
    m_painter.setTransform(mapping * m_base);
}

void PainterState::applyPen()
{
    m_painter.setPen(pen());
}

void PainterState::applyBrush()
{
    m_painter.setBrush(m_dc.brush >= 0 ? m_picture.brushes[m_dc.brush].brush : QBrush(Qt::white));
}

void PainterState::applyBackground()
{
    m_painter.setBackgroundMode(m_dc.opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_dc.bkColor);
}

void PainterState::applyAll()
{
    applyMapping();
    applyPen();
    applyBrush();
    applyBackground();
}

void PainterState::save()
{
    if (m_saved.size() < kMaxSavedStates)
        m_saved.append(m_dc);
}

void PainterState::restore(int which)
{
    // Negative: that many states back; positive: the state of that number.
    const qsizetype keep = which < 0 ? m_saved.size() + which : qsizetype(which) - 1;
    if (which == 0 || keep < 0 || keep >= m_saved.size())
        return;
    m_dc = m_saved[keep];
    m_saved.resize(keep);
    applyAll();
}

} // namespace Wmf
