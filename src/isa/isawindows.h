#pragma once

// The ISA trainer's standing windows, reachable by name within the trainer.
// They are created by the window set at start-up; the trainer itself never
// reaches outside its own windows (what its main window returns to is given
// to it by the window set).

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
