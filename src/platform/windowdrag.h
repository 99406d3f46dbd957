#pragma once

#include <QPoint>
#include <optional>

// Moving a borderless window by dragging one of its pictures. Positions are in
// the picture's own coordinates; the window's new top-left is
// window left - remembered X + X, window top - remembered Y + Y.
class WindowDrag {
public:
    // Mouse down on the picture: remembers where the drag began.
    void begin(QPoint at);
    // Mouse move on the picture: the window's new top-left, or nothing when not dragging.
    std::optional<QPoint> moved(QPoint windowTopLeft, QPoint at) const;
    // Mouse up (and on creation): no drag in progress.
    void end() { m_dragging = false; }

    bool isDragging() const { return m_dragging; }
    QPoint start() const { return m_start; }

private:
    bool m_dragging = false;
    QPoint m_start;
};
