#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The variants of the lab's task 2 ("программирование канала по варианту").
struct LabVariant {
    enum class Goal {
        Frequency, // modes 2 and 3: a frequency at OUT, N = fCLK / f
        Delay,     // modes 0, 4, 5: OUT changes N + 1 CLK periods after the write or trigger
        Pulse,     // mode 1: a low pulse of N CLK periods
    };
    int number;
    int channel;
    int mode;
    double clockHz;
    Goal goal;
    double target; // hertz for Frequency, seconds otherwise
    bool bcd;
    const char *requirement; // as the lab's table writes it
};

const LabVariant *labVariants();
int labVariantCount();

// The verdict on a student's control word and count for a variant.
struct VariantVerdict {
    bool right = false;
    QStringList lines;     // "верно: ..." / "ошибка: ..." lines, in the order of the check
    double exactCount = 0; // the ideal (real) N
    int bestCount = 0;     // the integer N with the least error
};

// countText: the count as the student would load it, in decimal (e.g. "2712"),
// or as its register value in hex with "h" (e.g. "0A98h", "2000h" in BCD).
VariantVerdict checkVariant(const LabVariant &variant, uint8_t controlWord, const QString &countText);
