#pragma once

#include "platform/taskrecordlayout.h"

#include <QtGlobal>
#include <array>
#include <string_view>

// The record of "scsi\quest\scsi_les1.dat", written by the content tool and
// read by the bus-phase exercise: 676 bytes, integers little-endian.
//   0        not used (0)
//   1..503   task text, Windows-1251, up to the first zero byte
//   504      int32: number of phases N of the answer (1..21)
//   508      21 entries of 8 bytes: int32 phase code, uint16 signal mask, 2 zero bytes
struct PhaseRecordFormat : TaskRecordLayout<676, 503> {
    static constexpr int kCountOffset = kAnswerOffset;
    static constexpr int kEntriesOffset = kCountOffset + 4;
    static constexpr int kEntrySize = 8;
    static constexpr int kMaskOffset = 4; // within an entry
    static constexpr int kMaxPhases = 21;

    static constexpr int entryOffset(int index) { return kEntriesOffset + index * kEntrySize; }

    struct Phase {
        std::string_view name;         // "BUS FREE": the exercise's list item and the name in task sources
        std::string_view abbreviation; // "BF": drawn in the chain's circle
    };
    // Indexed by the phase code.
    static constexpr std::array<Phase, 10> kPhases = {{
        {"BUS FREE", "BF"},
        {"ARBITRATION", "AR"},
        {"SELECTION", "SE"},
        {"RESELECTION", "RS"},
        {"COMMAND", "CM"},
        {"DATA IN", "DI"},
        {"DATA OUT", "DO"},
        {"STATUS", "ST"},
        {"MESSAGE IN", "MI"},
        {"MESSAGE OUT", "MO"},
    }};

    struct Signal {
        std::string_view name;    // "BSY": the name in task sources
        std::string_view caption; // "BSY#": check box caption and the label drawn beside the circle
        quint16 bit;              // bit value in the signal mask
    };
    // In the order of the exercise's check boxes; the bit of entry i is 1 << i.
    static constexpr std::array<Signal, 9> kSignals = {{
        {"BSY", "BSY#", 1},
        {"SEL", "SEL#", 2},
        {"REQ", "REQ#", 4},
        {"C/D", "C/D#", 8},
        {"I/O", "I/O#", 16},
        {"MSG", "MSG#", 32},
        {"ACK", "ACK#", 64},
        {"ATN", "ATN#", 128},
        {"DB", "DBx# DBPx#", 256},
    }};

    static constexpr quint16 allSignalBits()
    {
        quint16 bits = 0;
        for (const Signal &signal : kSignals)
            bits |= signal.bit;
        return bits;
    }
};
