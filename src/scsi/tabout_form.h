#pragma once

#include "scsi/aboutbox.h"

// About box of the SCSI trainer.
class Tabout_form : public AboutBox {
    Q_OBJECT
public:
    explicit Tabout_form(QWidget *parent = nullptr);
};
