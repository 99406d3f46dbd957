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

void create()
{
#define ISA_WINDOW_CREATE(Class, name) name = new Class;
    ISA_WINDOWS(ISA_WINDOW_CREATE)
#undef ISA_WINDOW_CREATE
}

void destroy()
{
#define ISA_WINDOW_DESTROY(Class, name)                                                                                \
    delete name;                                                                                                       \
    name = nullptr;
    ISA_WINDOWS(ISA_WINDOW_DESTROY)
#undef ISA_WINDOW_DESTROY
}

} // namespace IsaWindowSet
