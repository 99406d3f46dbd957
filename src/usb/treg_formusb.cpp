#include "usb/treg_formusb.h"

TReg_formusb::TReg_formusb(QWidget *parent)
    : RegistrationDialog(4, parent)
{
    setObjectName(QStringLiteral("Reg_formusb"));
}
