#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
struct StudentRecord;

// The registration dialog of a trainer: the surname and group of the student.
// OK with a changed surname or group stores them and ends with Accepted (the
// caller clears the counters); OK with the same texts or "Отмена" ends with
// Rejected and stores nothing.
class RegistrationDialog : public QDialog {
    Q_OBJECT
public:
    // counterCount: how many counters of the record this trainer uses.
    RegistrationDialog(int counterCount, QWidget *parent = nullptr);

    void setRecord(StudentRecord *record) { m_record = record; }
    StudentRecord *record() const { return m_record; }

    // Shows the dialog modally for the record; a new student clears the
    // trainer's counters. Returns whether a new student was registered.
    bool registerStudent(StudentRecord &record);

    void FormShow();
    void B_okClick();
    void B_canClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_counterCount;
    StudentRecord *m_record = nullptr;
    QLabel *L_fam;
    QLineEdit *E_fam;
    QLabel *L_gr;
    QLineEdit *E_gr;
    QPushButton *B_ok;
    QPushButton *B_can;
};
