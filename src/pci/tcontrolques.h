#pragma once

#include "pci/controlquiz.h"

#include "pci/pcidialog.h"
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The PCI control questions: five questions of 27 answered in turn, with the
// score in the last message. Created for one test and destroyed after it;
// creating it reads the key and the five questions, so a missing or short
// file throws and the test never opens.
class TControlQues : public PciDialog {
    Q_OBJECT
public:
    explicit TControlQues(QWidget *parent = nullptr);

    const ControlQuiz &quiz() const { return m_quiz; }

    void FormShow();
    void BitBtn1Click();
    void CloseBtClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void presentNext();

    ControlQuiz m_quiz;
    QList<QStringList> m_texts;    // of the five questions drawn
    QList<QStringList> m_variants; // their answer variants

    QLabel *Label1;
    QGroupBox *GroupBox1;
    QPlainTextEdit *Memo1;
    QGroupBox *RadioGroup1;
    QVBoxLayout *m_variantLayout;
    QButtonGroup *m_variantGroup;
    QList<QRadioButton *> m_variantButtons;
    QPushButton *BitBtn1;
    QPushButton *CloseBt;
};
