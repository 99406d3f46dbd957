#include "usb/treg_formusb.h"

TReg_formusb::TReg_formusb(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Reg_formusb"));
}
