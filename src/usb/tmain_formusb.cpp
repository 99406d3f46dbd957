#include "usb/tmain_formusb.h"

#include "usb/tabout_form1.h"
#include "usb/tform11.h"
#include "usb/tquest_formusb.h"
#include "usb/treg_formusb.h"
#include "usb/tstat_formusb.h"

TMain_formusb::TMain_formusb(QWidget *parent)
    : TrainerMainWindow(description(), parent)
{}

TrainerDescription TMain_formusb::description()
{
    return {.look = {QStringLiteral("Main_formusb"), QStringLiteral("USB"), Qt::white, QColor(0x0d, 0x2a, 0x6e)},
            .tasks = {QStringLiteral("Задание"),
                      {{QStringLiteral("Задание"), exerciseOf<TForm11>()}},
                      exerciseOf<TQuest_formusb>()},
            .reference = {QStringLiteral("usb"), QStringLiteral("Интерфейс USB"), QStringLiteral("usb\\help\\usb.hlp")},
            .procedure = {QStringLiteral("Порядок работы"), QStringLiteral("usb\\help\\usb_prog.hlp")},
            .dialogs = {dialogOf<Tabout_form1>(), dialogOf<TReg_formusb>(), dialogOf<TStat_formusb>()}};
}
