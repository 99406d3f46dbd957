#pragma once

#include "platform/standingwindows.h"

// The ISA trainer's standing windows, reachable by name within the trainer, in
// their creation order. They are created by the window set at start-up; the
// trainer itself never reaches outside its own windows (what its main window
// returns to is given to it by the window set).
#define ISA_WINDOWS(X)                                                                                                 \
    X(TISAForm, ISAForm)                                                                                               \
    X(TAboutForm, AboutForm)                                                                                           \
    X(TATCyclesForm, ATCyclesForm)                                                                                     \
    X(TCyclesForm, CyclesForm)                                                                                         \
    X(TCyclesparamForm, CyclesparamForm)                                                                               \
    X(TInteractForm, InteractForm)                                                                                     \
    X(TKontrQForm, KontrQForm)                                                                                         \
    X(TResInteractForm, ResInteractForm)                                                                               \
    X(TResultForm, ResultForm)                                                                                         \
    X(TVvedenieForm, VvedenieForm)                                                                                     \
    X(TWarningForm, WarningForm)

ISA_WINDOWS(STANDING_WINDOW_DECLARE)
