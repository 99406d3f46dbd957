#pragma once

#include "scsi/questionset.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct StudentRecord;

// The five-question test window of a trainer. Creating it draws the test
// (a faulty or missing file throws, so the window never opens); closing it,
// however many questions were answered, adds 5 asked and the right answers to
// the trainer's record.
class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    QuestionWindow(StudentRecord &record, const QString &questionFile, QWidget *parent = nullptr);

    const QuestionSet &questionSet() const { return m_set; }

    void FormCreate();
    void b_nextClick();
    void FormClose();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showQuestion();
    void growToFit();

    StudentRecord &m_record;
    QString m_file;
    QuestionSet m_set;
    bool m_recorded = false;

    QGroupBox *m_questionBox = nullptr;
    QLabel *m_questionText = nullptr;
    QGroupBox *m_optionsBox = nullptr;
    QButtonGroup *m_answers = nullptr;
    QList<QRadioButton *> m_options;
    QLineEdit *m_askedCount = nullptr;
    QLineEdit *m_rightCount = nullptr;
    QPushButton *m_next = nullptr;
};
