#pragma once

#include "platform/standingwindows.h"

// The PCI trainer's standing windows, reachable by name within the trainer, in
// their creation order. They are created by the window set at start-up; what
// the main window returns to is given to it by the window set.
#define PCI_WINDOWS(X)                                                                                                 \
    X(TIntro, Intro)                                                                                                   \
    X(TLesson, Lesson)                                                                                                 \
    X(TDevices, Devices)                                                                                               \
    X(TPciform, Pciform)                                                                                               \
    X(TPres, Pres)

PCI_WINDOWS(STANDING_WINDOW_DECLARE)
