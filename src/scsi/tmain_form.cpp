#include "scsi/tmain_form.h"

#include "scsi/tabout_form.h"
#include "scsi/tform1.h"
#include "scsi/tles2_form.h"
#include "scsi/tquest_form.h"
#include "scsi/treg_form.h"
#include "scsi/tstat_form.h"

TMain_form::TMain_form(QWidget *parent)
    : TrainerMainWindow(description(), parent)
{}

TrainerDescription TMain_form::description()
{
    return {
        .look = {QStringLiteral("Main_form"), QStringLiteral("SCSI"), QColor(0x1b, 0x7a, 0x3a), Qt::white},
        .tasks = {QStringLiteral("Задания"),
                  {{QStringLiteral("Задание 1"), exerciseOf<TForm1>()},
                   {QStringLiteral("Задание 2"), exerciseOf<Tles2_form>()}},
                  exerciseOf<TQuest_form>()},
        .reference = {QStringLiteral("scsi"), QStringLiteral("Интерфейс SCSI"), QStringLiteral("scsi\\help\\vved.hlp")},
        .procedure = {QStringLiteral("Порядок работы "), QStringLiteral("scsi\\help\\scsi_prog.hlp")},
        .dialogs = {dialogOf<Tabout_form>(), dialogOf<TReg_form>(), dialogOf<TStat_form>()}};
}
