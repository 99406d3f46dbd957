#pragma once

#include "scsi/statisticsdialog.h"

// Statistics window of the SCSI trainer: questions, task 1 and task 2.
class TStat_form : public StatisticsDialog {
    Q_OBJECT
public:
    explicit TStat_form(QWidget *parent = nullptr);
};
