#pragma once

#include "scsi/registrationdialog.h"

// Registration dialog of the USB trainer (four counters).
class TReg_formusb : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TReg_formusb(QWidget *parent = nullptr);
};
