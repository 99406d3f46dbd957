#include "usb/tstat_formusb.h"

TStat_formusb::TStat_formusb(QWidget *parent)
    : StatisticsDialog(1, QSize(242, 285), parent)
{
    setObjectName(QStringLiteral("Stat_formusb"));
}
