#pragma once

#include <QString>
#include <cstdint>

// The fields of a byte written to the timer's control register (address 43h on the PC).
struct ControlWord {
    enum class Kind {
        ModeSet,      // programs a counter: channel, read/write format, mode, counting system
        CounterLatch, // RW = 00: latches the selected counter's value
        ReadBack,     // SC = 11 (8254 only): latches counts and/or status of several counters
    };
    enum class Access { Latch = 0, LowByte = 1, HighByte = 2, LowThenHigh = 3 };

    uint8_t byte = 0;
    Kind kind = Kind::ModeSet;
    int channel = 0;               // ModeSet and CounterLatch
    Access access = Access::Latch; // ModeSet
    int mode = 0;                  // ModeSet: 0..5 (x10 is 2, x11 is 3)
    bool bcd = false;              // ModeSet
    bool readBackCount = false;    // ReadBack: bit 5 = 0 latches the counts
    bool readBackStatus = false;   // ReadBack: bit 4 = 0 latches the status bytes
    bool readBackChannels[3] = {false, false, false};

    static ControlWord decode(uint8_t byte);
    // One line per field in Russian, as the lab's tables write them ("SC = 00: канал 0", ...).
    QString describe() const;
    static QString accessName(Access access);
};
