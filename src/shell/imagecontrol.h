#pragma once

#include <QPixmap>
#include <QWidget>

// A picture painted on its window, like a graphic control: it takes no mouse
// input of its own. The window receives the mouse over it and dispatches to the
// picture's handlers, so a picture hidden while the button is held still gets
// its mouse up and its click.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QString &name, const QPixmap &picture, QWidget *parent);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
