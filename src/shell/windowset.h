#pragma once

// The standing windows of the package, created once at start-up in this order
// (createWindowSet) and reachable program-wide by name.

class TFInterface;
class TMain_form;
class TReg_form;
class TStat_form;
class TFPracticum;
class TISAForm;
class TAboutForm;
class TATCyclesForm;
class TCyclesForm;
class TCyclesparamForm;
class TInteractForm;
class TKontrQForm;
class TResInteractForm;
class TResultForm;
class TVvedenieForm;
class TWarningForm;
class TIntro;
class TLesson;
class TDevices;
class TPciform;
class TPres;
class TMain_formusb;
class TReg_formusb;
class TStat_formusb;
class TFExamQuest;
class TFLection;
class TFUkazaniya;
class TFPosobie;
class TFSoderg;
class TFPrandmet;
class TFLabprakt;

extern TFInterface *FInterface;
extern TMain_form *Main_form;
extern TReg_form *Reg_form;
extern TStat_form *Stat_form;
extern TFPracticum *FPracticum;
extern TISAForm *ISAForm;
extern TAboutForm *AboutForm;
extern TATCyclesForm *ATCyclesForm;
extern TCyclesForm *CyclesForm;
extern TCyclesparamForm *CyclesparamForm;
extern TInteractForm *InteractForm;
extern TKontrQForm *KontrQForm;
extern TResInteractForm *ResInteractForm;
extern TResultForm *ResultForm;
extern TVvedenieForm *VvedenieForm;
extern TWarningForm *WarningForm;
extern TIntro *Intro;
extern TLesson *Lesson;
extern TDevices *Devices;
extern TPciform *Pciform;
extern TPres *Pres;
extern TMain_formusb *Main_formusb;
extern TReg_formusb *Reg_formusb;
extern TStat_formusb *Stat_formusb;
extern TFExamQuest *FExamQuest;
extern TFLection *FLection;
extern TFUkazaniya *FUkazaniya;
extern TFPosobie *FPosobie;
extern TFSoderg *FSoderg;
extern TFPrandmet *FPrandmet;
extern TFLabprakt *FLabprakt;
