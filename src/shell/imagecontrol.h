#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture painted on its window, like a graphic control: it takes no mouse
// input of its own. The window receives the mouse over it and dispatches to the
// picture's handlers, so a picture hidden while the button is held still gets
// its mouse up and its click.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    // The picture is drawn by `draw` when it is first needed, so creating a
    // window that stays hidden costs nothing.
    using Drawing = std::function<QPixmap()>;
    ImageControl(const QString &name, Drawing draw, QWidget *parent);

    QPixmap picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing m_draw;
    mutable QPixmap m_picture;
};
