#pragma once

#include "platform/windowdrag.h"

#include <QPixmap>
#include <QWidget>

class ImageControl;
class QPushButton;

// The lab selector: one button per trainer, the timer laboratory and the
// adapter folder. It has no frame: its title picture drags it and its close
// picture closes it.
class TFPracticum : public QWidget {
    Q_OBJECT
public:
    explicit TFPracticum(QWidget *parent = nullptr);

    void ButtonPCIClick();
    void ButtonISAClick();
    void ButtonTimerClick();
    void ButtonSCSIClick();
    void ButtonUSBClick();
    void ButtonAdapterClick();
    void FormBrowserMouseDown(int X, int Y);
    void FormBrowserMouseMove(int X, int Y);
    void FormBrowserMouseUp(int X, int Y);
    void ExitButtonMouseDown(int X, int Y);
    void ExitButtonMouseUp(int X, int Y);
    void ExitButtonClick();
    void FormClose();

    const WindowDrag &drag() const { return m_drag; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Pressed { None, FormBrowser, ExitButton };

    QPushButton *button(const QString &name, const QString &caption, int row);

    QPixmap m_background;
    ImageControl *FormBrowser;
    ImageControl *ExitButton;
    QPushButton *ButtonPCI;
    QPushButton *ButtonISA;
    QPushButton *ButtonTimer;
    QPushButton *ButtonSCSI;
    QPushButton *ButtonUSB;
    QPushButton *ButtonAdapter;
    WindowDrag m_drag;
    Pressed m_pressed = Pressed::None;
};
