#pragma once

// The PCI trainer's standing windows, reachable by name within the trainer.
// They are created by the window set at start-up; what the main window returns
// to is given to it by the window set.

class TIntro;
class TLesson;
class TDevices;
class TPciform;
class TPres;

extern TIntro *Intro;
extern TLesson *Lesson;
extern TDevices *Devices;
extern TPciform *Pciform;
extern TPres *Pres;
