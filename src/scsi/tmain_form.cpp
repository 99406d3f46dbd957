#include "scsi/tmain_form.h"

TMain_form::TMain_form(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Main_form"));
}
