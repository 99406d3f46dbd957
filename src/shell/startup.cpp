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
    FInterface = new TFInterface;
    Main_form = new TMain_form;
    Reg_form = new TReg_form;
    Stat_form = new TStat_form;
    FPracticum = new TFPracticum;
    ISAForm = new TISAForm;
    AboutForm = new TAboutForm;
    ATCyclesForm = new TATCyclesForm;
    CyclesForm = new TCyclesForm;
    CyclesparamForm = new TCyclesparamForm;
    InteractForm = new TInteractForm;
    KontrQForm = new TKontrQForm;
    ResInteractForm = new TResInteractForm;
    ResultForm = new TResultForm;
    VvedenieForm = new TVvedenieForm;
    WarningForm = new TWarningForm;
    Intro = new TIntro;
    Lesson = new TLesson;
    Devices = new TDevices;
    Pciform = new TPciform;
    Pres = new TPres;
    Main_formusb = new TMain_formusb;
    Reg_formusb = new TReg_formusb;
    Stat_formusb = new TStat_formusb;
    FExamQuest = new TFExamQuest;
    FLection = new TFLection;
    FUkazaniya = new TFUkazaniya;
    FPosobie = new TFPosobie;
    FSoderg = new TFSoderg;
    FPrandmet = new TFPrandmet;
    FLabprakt = new TFLabprakt;
    ISAForm->setReturnWindow(FPracticum);
    Pciform->setReturnWindow(FPracticum);
    return FInterface;
}

QList<QWidget *> standingWindows()
{
    if (!FInterface)
        return {};
    return {FInterface,   Main_form,   Reg_form,        Stat_form,    FPracticum, ISAForm,         AboutForm,
            ATCyclesForm, CyclesForm,  CyclesparamForm, InteractForm, KontrQForm, ResInteractForm, ResultForm,
            VvedenieForm, WarningForm, Intro,           Lesson,       Devices,    Pciform,         Pres,
            Main_formusb, Reg_formusb, Stat_formusb,    FExamQuest,   FLection,   FUkazaniya,      FPosobie,
            FSoderg,      FPrandmet,   FLabprakt};
}
