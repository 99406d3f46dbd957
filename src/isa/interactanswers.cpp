#include "isa/interactanswers.h"

#include <iterator>

namespace InteractAnswers {

namespace {

struct Variant {
    const char *title;
    const char *answer; // k = 0..15 in groups of four
};

struct Task {
    const char *heading;
    int devices;
    const Variant *variants;
    int variantCount;
};

struct Signal {
    const char *caption;
    int checkBox;
};

constexpr Signal kSignals[SignalCount] = {
    {"CLK", 15},    {"BALE", 14},     {"AEN", 13},      {"-MEMR,-SMEMR", 12}, {"-MEMW,SMEMW", 11}, {"-I/OR", 10},
    {"-I/OW", 9},   {"-MEM CS16", 8}, {"-I/O CS16", 7}, {"I/O CHRDY", 6},     {"-0WS", 5},         {"-REFRESH", 4},
    {"-MASTER", 3}, {"DRQ", 2},       {"-DACK", 1},     {"TC", 16},
};

// clang-format off
constexpr Variant kTask1[] = {
    {"8-разрядный нормальный цикл чтения памяти", "1101 0000 0100 0000"},
    {"8-разрядный удлиненный цикл чтения памяти", "1101 0000 0100 0000"},
    {"8-разрядный нормальный цикл записи памяти", "1100 1000 0100 0000"},
    {"8-разрядный удлиненный цикл записи памяти", "1100 1000 0100 0000"},
};
constexpr Variant kTask2[] = {
    {"16-разрядный нормальный цикл чтения памяти", "1101 0001 0100 0000"},
    {"16-разрядный удлиненный цикл чтения памяти", "1101 0001 0100 0000"},
    {"16-разрядный нормальный цикл записи памяти", "1100 1001 0100 0000"},
    {"16-разрядный удлиненный цикл записи памяти", "1100 1001 0100 0000"},
};
constexpr Variant kTask3[] = {
    {"8-разрядный нормальный цикл чтения УВВ", "1100 0100 0100 0000"},
    {"8-разрядный удлиненный цикл чтения УВВ", "1100 0100 0100 0000"},
    {"8-разрядный нормальный цикл записи УВВ", "1100 0010 0100 0000"},
    {"8-разрядный удлиненный цикл записи УВВ", "1100 0010 0100 0000"},
    {"16-разрядный нормальный цикл чтения УВВ", "1100 0100 1100 0000"},
    {"16-разрядный удлиненный цикл чтения УВВ", "1100 0100 1100 0000"},
    {"16-разрядный нормальный цикл записи УВВ", "1100 0010 1100 0000"},
    {"16-разрядный удлиненный цикл записи УВВ", "1100 0010 1100 0000"},
};
constexpr Variant kTask4[] = {
    {"Прямой доступ- из памяти в УВВ, нормальный цикл", "1011 0010 0100 0111"},
    {"Прямой доступ- из УВВ в память, удлиненный цикл", "1010 1100 0100 0111"},
};
constexpr Variant kTask5[] = {
    {"Регенерация памяти, нормальный цикл", "1101 0000 0101 0000"},
    {"Регенерация памяти, удлиненный цикл", "1101 0000 0101 0000"},
};

constexpr Task kTasks[TaskCount] = {
    {"Задание 1:", Memory | Processor, kTask1, int(std::size(kTask1))},
    {"Задание 2:", Memory | Processor, kTask2, int(std::size(kTask2))},
    {"Задание 3:", IoDevice | Processor, kTask3, int(std::size(kTask3))},
    {"Задание 4:", IoDevice | Memory, kTask4, int(std::size(kTask4))},
    {"Задание 5:", Memory, kTask5, int(std::size(kTask5))},
};
// clang-format on

// Tasks are numbered from 1; out-of-range numbers are answered as if there were no task.
const Task *task(int number)
{
    return number >= 1 && number <= TaskCount ? &kTasks[number - 1] : nullptr;
}

const Variant *variant(int number, int index)
{
    const Task *t = task(number);
    return t && index >= 0 && index < t->variantCount ? &t->variants[index] : nullptr;
}

} // namespace

QString signalCaption(int row)
{
    return row >= 0 && row < SignalCount ? QString::fromLatin1(kSignals[row].caption) : QString();
}

QString checkBoxName(int row)
{
    return row >= 0 && row < SignalCount ? QStringLiteral("CheckBox%1").arg(kSignals[row].checkBox) : QString();
}

QString heading(int number)
{
    const Task *t = task(number);
    return t ? QString::fromUtf8(t->heading) : QString();
}

int devices(int number)
{
    const Task *t = task(number);
    return t ? t->devices : 0;
}

int variantCount(int number)
{
    const Task *t = task(number);
    return t ? t->variantCount : 0;
}

QString title(int number, int index)
{
    const Variant *v = variant(number, index);
    return v ? QString::fromUtf8(v->title) : QString();
}

Row answer(int number, int index)
{
    Row row{};
    const Variant *v = variant(number, index);
    if (!v)
        return row;
    int k = 0;
    for (const char *c = v->answer; *c && k < SignalCount; ++c) {
        if (*c == '0' || *c == '1')
            row[k++] = *c == '1';
    }
    return row;
}

} // namespace InteractAnswers
