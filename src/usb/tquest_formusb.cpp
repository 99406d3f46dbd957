#include "usb/tquest_formusb.h"

TQuest_formusb::TQuest_formusb(StudentRecord &record, QWidget *parent)
    : QuestionWindow(record, questionFile(), parent)
{
    setObjectName(QStringLiteral("Quest_formusb"));
}
