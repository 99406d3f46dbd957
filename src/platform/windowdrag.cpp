#include "platform/windowdrag.h"

void WindowDrag::begin(QPoint at)
{
    m_start = at;
    m_dragging = true;
}

std::optional<QPoint> WindowDrag::moved(QPoint windowTopLeft, QPoint at) const
{
    if (!m_dragging)
        return std::nullopt;
    return QPoint(windowTopLeft.x() - m_start.x() + at.x(), windowTopLeft.y() - m_start.y() + at.y());
}
