#include "shell/startup.h"

#include "isa/taboutform.h"
#include "isa/tatcyclesform.h"
#include "isa/tcyclesform.h"
#include "isa/tcyclesparamform.h"
#include "isa/tinteractform.h"
#include "isa/tisaform.h"
#include "isa/tkontrqform.h"
#include "isa/tresinteractform.h"
#include "isa/tresultform.h"
#include "isa/tvvedenieform.h"
#include "isa/twarningform.h"
#include "pci/tdevices.h"
#include "pci/tintro.h"
#include "pci/tlesson.h"
#include "pci/tpciform.h"
#include "pci/tpres.h"
#include "platform/helpengine.h"
#include "scsi/tmain_form.h"
#include "scsi/treg_form.h"
#include "scsi/tstat_form.h"
#include "shell/tfinterface.h"
#include "shell/tflabprakt.h"
#include "shell/tfposobie.h"
#include "shell/tfpracticum.h"
#include "shell/tfprandmet.h"
#include "shell/tfsoderg.h"
#include "shell/tfukazaniya.h"
#include "shell/windowset.h"
#include "usb/tmain_formusb.h"
#include "usb/treg_formusb.h"
#include "usb/tstat_formusb.h"
#include "viewers/tfexamquest.h"
#include "viewers/tflection.h"

#include <QApplication>

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Shinovedenie"));
    QApplication::setQuitOnLastWindowClosed(false);
}

QWidget *createWindowSet()
{
    HelpEngine::setHelpFile(QString());
    // Each window's creation handler runs here, in this order; some read content files.
#define STANDING_WINDOW_CREATE(Class, name) name = new Class;
    STANDING_WINDOWS(STANDING_WINDOW_CREATE)
#undef STANDING_WINDOW_CREATE
    ISAForm->setReturnWindow(FPracticum);
    Pciform->setReturnWindow(FPracticum);
    Main_form->setReturnWindow(FPracticum);
    Main_form->setDialogs(Reg_form, Stat_form);
    Main_formusb->setReturnWindow(FPracticum);
    Main_formusb->setDialogs(Reg_formusb, Stat_formusb);
    return FInterface;
}

QList<QWidget *> standingWindows()
{
    if (!FInterface)
        return {};
#define STANDING_WINDOW_ENTRY(Class, name) name,
    return {STANDING_WINDOWS(STANDING_WINDOW_ENTRY)};
#undef STANDING_WINDOW_ENTRY
}
