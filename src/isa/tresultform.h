#pragma once

#include <QDialog>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QPushButton;

// The final mark of the ISA control questions. Closing it counts as its OK, so the
// test window's "&Выход" always becomes usable.
class TResultForm : public QDialog {
    Q_OBJECT
public:
    explicit TResultForm(QWidget *parent = nullptr);

    void showResult(int answered, int right, int mark);
    void BitBtn1Click();

    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QPushButton *BitBtn1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
