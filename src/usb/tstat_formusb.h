#pragma once

#include "scsi/statisticsdialog.h"

// Statistics window of the USB trainer: questions and the USB task.
class TStat_formusb : public StatisticsDialog {
    Q_OBJECT
public:
    explicit TStat_formusb(QWidget *parent = nullptr);
};
