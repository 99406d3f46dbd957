#pragma once

#include "isa/controlquestions.h"
#include "isa/isaquestionbank.h"

#include <QWidget>

class QButtonGroup;
class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The ISA control questions; left only through "&Выход", which is usable once the
// result has been acknowledged.
class TKontrQForm : public QWidget {
    Q_OBJECT
public:
    explicit TKontrQForm(QWidget *parent = nullptr);

    const ControlQuestions &questions() const { return m_questions; }

    void StartControlQuestions(QWidget *from);
    void BitBtn1Click();
    void BitBtn2Click();
    // The result window's OK.
    void ResultAcknowledged();

    QFrame *Panel1;
    QLabel *Label1;
    QLabel *Label7;
    QFrame *Panel3;
    QGroupBox *RadioGroup1;
    QRadioButton *RadioButton[IsaQuestionBank::ButtonCount];
    QFrame *Panel2;
    QLabel *Label5;
    QLabel *Label6;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showQuestion();
    void clearSelection();
    int selectedButton() const;

    ControlQuestions m_questions;
    QButtonGroup *m_options;
};
