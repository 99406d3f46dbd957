#include "scsi/tstat_form.h"

TStat_form::TStat_form(QWidget *parent)
    : StatisticsDialog(2, QSize(239, 330), parent)
{
    setObjectName(QStringLiteral("Stat_form"));
}
