#include "scsi/tstat_form.h"

TStat_form::TStat_form(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Stat_form"));
}
