#pragma once

#include "scsi/trainermainwindow.h"

// Home screen of the SCSI trainer: registration, statistics, the two tasks,
// the question test and the help files.
class TMain_form : public TrainerMainWindow {
    Q_OBJECT
public:
    explicit TMain_form(QWidget *parent = nullptr);

    void m_les2Click() { openTask(1); }
    void m_h_scsiClick() { openReference(); }

private:
    static TrainerDescription description();
};
