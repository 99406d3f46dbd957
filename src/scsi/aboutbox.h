#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

class QLabel;

// A picture drawn in code.
class PaintedPicture : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &painter, QSize size)>;
    PaintedPicture(Painter painter, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Painter m_painter;
};

// The about box of a trainer: credits, the title line and two pictures. A
// click anywhere on it closes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const QString &titleLine, PaintedPicture::Painter picture1, QSize size1, PaintedPicture::Painter picture2,
             QSize size2, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
