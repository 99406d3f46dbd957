#include "scsi/treg_form.h"

TReg_form::TReg_form(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Reg_form"));
}
