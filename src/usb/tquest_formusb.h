#pragma once

#include "scsi/questionwindow.h"

// The question test of the USB trainer ("usb\quest\usb.txt").
class TQuest_formusb : public QuestionWindow {
    Q_OBJECT
public:
    explicit TQuest_formusb(StudentRecord &record, QWidget *parent = nullptr);

    static QString questionFile() { return QStringLiteral("usb\\quest\\usb.txt"); }
};
