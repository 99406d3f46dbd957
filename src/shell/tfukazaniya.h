#pragma once

#include <QWidget>

class ImageControl;
class QLabel;
class QToolButton;

// The lab instructions: one document of the program's folder per laboratory,
// opened by the picture button beside its caption.
class TFUkazaniya : public QWidget {
    Q_OBJECT
public:
    explicit TFUkazaniya(QWidget *parent = nullptr);

    void SpeedButton2Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ImageControl *Image1;
    QLabel *LPCI;
    QLabel *Label2;
    QLabel *LTimer;
    QLabel *LAdapter;
    QToolButton *SpeedButton2;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton3;
    QToolButton *SpeedButton4;
};
