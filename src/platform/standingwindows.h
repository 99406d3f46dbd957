#pragma once

// The package's standing windows are listed once, as tables of X(Class, name)
// rows in their creation order: the ISA block in isa/isawindows.h, the PCI block
// in pci/pciwindows.h and the whole set in shell/windowset.h. Every program-wide
// reference is declared, defined, created and listed from those tables.

// Declares one row: the window's class and its program-wide reference.
#define STANDING_WINDOW_DECLARE(Class, name)                                                                           \
    class Class;                                                                                                       \
    extern Class *name;
