#include "scsi/treg_form.h"

TReg_form::TReg_form(QWidget *parent)
    : RegistrationDialog(6, parent)
{
    setObjectName(QStringLiteral("Reg_form"));
}
