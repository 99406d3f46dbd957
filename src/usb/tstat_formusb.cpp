#include "usb/tstat_formusb.h"

TStat_formusb::TStat_formusb(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Stat_formusb"));
}
