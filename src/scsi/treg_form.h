#pragma once

#include "scsi/registrationdialog.h"

// Registration dialog of the SCSI trainer (six counters).
class TReg_form : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TReg_form(QWidget *parent = nullptr);
};
