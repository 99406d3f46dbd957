#pragma once

#include "platform/windowdrag.h"

#include <QWidget>

class ImageControl;
class QPushButton;

// The main window: the title screen. "Далее >" opens the contents menu,
// "Выход" ends the program. It has no frame and is moved by dragging its picture.
class TFInterface : public QWidget {
    Q_OBJECT
public:
    explicit TFInterface(QWidget *parent = nullptr);

    void ButtonNextClick();
    void Button1Click();
    void ImageFormMouseDown(int X, int Y);
    void ImageFormMouseMove(int X, int Y);
    void ImageFormMouseUp(int X, int Y);

    const WindowDrag &drag() const { return m_drag; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ImageControl *ImageForm;
    QPushButton *ButtonNext;
    QPushButton *Button1;
    WindowDrag m_drag;
    bool m_imagePressed = false;
};
