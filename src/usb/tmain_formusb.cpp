#include "usb/tmain_formusb.h"

TMain_formusb::TMain_formusb(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Main_formusb"));
}
