#pragma once

#include <QWidget>

// The lecture's slider: a small knob on the track under the video that moves
// as the video plays and seeks when dragged. It only reports the mouse; the
// window decides.
class TFLectionBrowser : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 25;
    static constexpr int kHeight = 11;

    explicit TFLectionBrowser(QWidget *parent);

Q_SIGNALS:
    void mouseDown(int x);
    void mouseMove(int x);
    void mouseUp();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
