#include "isa/isawindowset.h"

#include "isa/isawindows.h"
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

namespace IsaWindowSet {

namespace {

template <typename Window> void destroyWindow(Window *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

void create()
{
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
}

void destroy()
{
    destroyWindow(ISAForm);
    destroyWindow(AboutForm);
    destroyWindow(ATCyclesForm);
    destroyWindow(CyclesForm);
    destroyWindow(CyclesparamForm);
    destroyWindow(InteractForm);
    destroyWindow(KontrQForm);
    destroyWindow(ResInteractForm);
    destroyWindow(ResultForm);
    destroyWindow(VvedenieForm);
    destroyWindow(WarningForm);
}

} // namespace IsaWindowSet
