#pragma once

#include "isa/isawindows.h"
#include "pci/pciwindows.h"

// The standing windows of the package, created once at start-up in this order
// (createWindowSet) and reachable program-wide by name.

class TFInterface;
class TMain_form;
class TReg_form;
class TStat_form;
class TFPracticum;
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
