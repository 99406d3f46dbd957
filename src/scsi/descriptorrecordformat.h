#pragma once

#include "platform/taskrecordlayout.h"

#include <array>
#include <span>
#include <string_view>

// The record of "scsi\quest\scsi_les2.dat", written by the content tool and
// read by the command-descriptor exercise: 520 bytes, integers little-endian.
//   0        not used (0)
//   1..503   task text, Windows-1251, up to the first zero byte
//   504      int32: size code, 0 = 6 bytes, 1 = 10 bytes, 2 = 12 bytes
//   508..519 the descriptor bytes, byte 0 first; only the first 6, 10 or 12 are used
struct DescriptorRecordFormat : TaskRecordLayout<520, 503> {
    static constexpr int kSizeCodeOffset = kAnswerOffset;
    static constexpr int kBytesOffset = kSizeCodeOffset + 4;
    static constexpr int kMaxBytes = 12;

    // Descriptor length in bytes for each size code.
    static constexpr std::array<int, 3> kByteCounts = {6, 10, 12};
    static constexpr int kSizeCount = int(kByteCounts.size());

    // 6, 10, 12 for the codes 0, 1, 2; 0 for any other code.
    static constexpr int byteCount(int sizeCode)
    {
        return sizeCode >= 0 && sizeCode < kSizeCount ? kByteCounts[sizeCode] : 0;
    }

    // The size code of a descriptor length; -1 for a length that is not 6, 10 or 12.
    static constexpr int sizeCode(int bytes)
    {
        for (int code = 0; code < kSizeCount; ++code) {
            if (kByteCounts[code] == bytes)
                return code;
        }
        return -1;
    }

    // One row of a descriptor's field layout. A field spans its rows in order,
    // most significant part first; rows sharing a byte fill it from bit 7 down.
    struct Field {
        std::string_view name;
        int byte;
        int bits;
    };

    static constexpr std::array<Field, 7> kFields6 = {{
        {"OpCode", 0, 8},
        {"LUN", 1, 3},
        {"LBA", 1, 5},
        {"LBA", 2, 8},
        {"LBA", 3, 8},
        {"Length", 4, 8},
        {"Control", 5, 8},
    }};
    static constexpr std::array<Field, 9> kFields10 = {{
        {"OpCode", 0, 8},
        {"LUN", 1, 3},
        {"LBA", 2, 8},
        {"LBA", 3, 8},
        {"LBA", 4, 8},
        {"LBA", 5, 8},
        {"Length", 7, 8},
        {"Length", 8, 8},
        {"Control", 9, 8},
    }};
    static constexpr std::array<Field, 11> kFields12 = {{
        {"OpCode", 0, 8},
        {"LUN", 1, 3},
        {"LBA", 2, 8},
        {"LBA", 3, 8},
        {"LBA", 4, 8},
        {"LBA", 5, 8},
        {"Length", 6, 8},
        {"Length", 7, 8},
        {"Length", 8, 8},
        {"Length", 9, 8},
        {"Control", 11, 8},
    }};

    // The field names in the order of the exercise's name lists.
    static constexpr std::array<std::string_view, 5> kFieldNames = {"OpCode", "LUN", "LBA", "Length", "Control"};

    // The rows that must be entered for a size code; empty for an unknown code.
    static constexpr std::span<const Field> fields(int sizeCode)
    {
        switch (sizeCode) {
        case 0:
            return kFields6;
        case 1:
            return kFields10;
        case 2:
            return kFields12;
        default:
            return {};
        }
    }

    // The width in bits of a named field in a descriptor of a size code.
    static constexpr int fieldBits(int sizeCode, std::string_view name)
    {
        int bits = 0;
        for (const Field &field : fields(sizeCode)) {
            if (field.name == name)
                bits += field.bits;
        }
        return bits;
    }
};
