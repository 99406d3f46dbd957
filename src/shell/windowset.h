#pragma once

#include "isa/isawindows.h"
#include "pci/pciwindows.h"

// The standing windows of the package, created once at start-up in this order
// (createWindowSet) and reachable program-wide by name. Adding a window is one
// row here (or in a trainer's block) and its header in shell/startup.cpp.
#define STANDING_WINDOWS(X)                                                                                            \
    X(TFInterface, FInterface)                                                                                         \
    X(TMain_form, Main_form)                                                                                           \
    X(TReg_form, Reg_form)                                                                                             \
    X(TStat_form, Stat_form)                                                                                           \
    X(TFPracticum, FPracticum)                                                                                         \
    ISA_WINDOWS(X)                                                                                                     \
    PCI_WINDOWS(X)                                                                                                     \
    X(TMain_formusb, Main_formusb)                                                                                     \
    X(TReg_formusb, Reg_formusb)                                                                                       \
    X(TStat_formusb, Stat_formusb)                                                                                     \
    X(TFExamQuest, FExamQuest)                                                                                         \
    X(TFLection, FLection)                                                                                             \
    X(TFUkazaniya, FUkazaniya)                                                                                         \
    X(TFPosobie, FPosobie)                                                                                             \
    X(TFSoderg, FSoderg)                                                                                               \
    X(TFPrandmet, FPrandmet)                                                                                           \
    X(TFLabprakt, FLabprakt)

STANDING_WINDOWS(STANDING_WINDOW_DECLARE)
