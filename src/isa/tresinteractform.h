#pragma once

#include <QDialog>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QPushButton;

// The verdict of one answer of the device-interaction exercise, and the final mark.
// Closing it counts as its OK, so the exercise can always go on.
class TResInteractForm : public QDialog {
    Q_OBJECT
public:
    explicit TResInteractForm(QWidget *parent = nullptr);

    void showErrors(int errors, const QString &verdict);
    void showMark(int mark);
    // "Допущено ошибок:" again after the mark.
    void resetHeading();
    void BitBtn1Click();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *BitBtn1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
