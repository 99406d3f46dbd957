#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct StudentRecord;

// The statistics window of a trainer: the registered student and the raw
// counts of the record, refreshed every time it is shown.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // taskCount: 2 for the SCSI trainer (captions numbered "1" and "2"), 1 for USB.
    StatisticsDialog(int taskCount, QSize clientSize, QWidget *parent = nullptr);

    void setRecord(const StudentRecord *record) { m_record = record; }
    void showStatistics(const StudentRecord &record);

    void FormShow();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *addCaption(const QString &name, const QString &text, int y);
    QLabel *addValue(const QString &name, const QString &text, int x, int y);

    int m_taskCount;
    const StudentRecord *m_record = nullptr;
    QLabel *L_fam;
    QLabel *L_gr;
    QLabel *L_quest;
    QLabel *L_ans;
    QLabel *L_les1;
    QLabel *L_les1r;
    QLabel *L_les2 = nullptr;
    QLabel *L_les2r = nullptr;
    QPushButton *Button1;
};
