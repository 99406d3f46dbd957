#pragma once

#include "scsi/aboutbox.h"

// About box of the USB trainer.
class Tabout_form1 : public AboutBox {
    Q_OBJECT
public:
    explicit Tabout_form1(QWidget *parent = nullptr);
};
