#pragma once

#include "scsi/questionwindow.h"

// The question test of the SCSI trainer ("scsi\quest\scsi.txt").
class TQuest_form : public QuestionWindow {
    Q_OBJECT
public:
    explicit TQuest_form(StudentRecord &record, QWidget *parent = nullptr);

    static QString questionFile() { return QStringLiteral("scsi\\quest\\scsi.txt"); }
};
