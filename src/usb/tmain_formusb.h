#pragma once

#include "scsi/trainermainwindow.h"

// Home screen of the USB trainer: registration, statistics, the packet task,
// the question test and the help files.
class TMain_formusb : public TrainerMainWindow {
    Q_OBJECT
public:
    explicit TMain_formusb(QWidget *parent = nullptr);

    void m_h_usbClick() { openReference(); }

private:
    static TrainerDescription description();
};
