#pragma once

#include "isa/interactanswers.h"
#include "isa/interactexercise.h"

#include <QWidget>

class QCheckBox;
class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class TSchematicBox;

// The graded device-interaction exercise; left only through its own buttons, and
// "Выход" is usable only once the final mark has been acknowledged.
class TInteractForm : public QWidget {
    Q_OBJECT
public:
    explicit TInteractForm(QWidget *parent = nullptr);

    const InteractExercise &exercise() const { return m_exercise; }
    // The check box of a signal row (k = 0..15).
    QCheckBox *signalBox(int row) const { return m_boxes[row]; }

    void StartExercise(QWidget *from);
    void CheckBoxClick(int row);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn5Click();
    void BitBtn6Click();
    // The result window's OK, with the error count it showed.
    void ResultAcknowledged(int errors);

    QFrame *Panel1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    TSchematicBox *PaintBox1;
    QFrame *Panel3;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QLabel *Label13;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QPushButton *BitBtn5;
    QPushButton *BitBtn6;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showTask();
    void setBoxes(const InteractAnswers::Row &row);
    void showControls();
    void showCounters();
    void showMark();

    InteractExercise m_exercise;
    QCheckBox *m_boxes[InteractAnswers::SignalCount];
};
