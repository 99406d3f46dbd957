#include "scsi/tquest_form.h"

TQuest_form::TQuest_form(StudentRecord &record, QWidget *parent)
    : QuestionWindow(record, questionFile(), parent)
{
    setObjectName(QStringLiteral("Quest_form"));
}
