#include "isa/cyclecatalogue.h"

#include <array>
#include <iterator>

namespace CycleCatalogue {

namespace {

constexpr int N = None;

// clang-format off
constexpr Entry kEntries[] = {
    {ResourceAccess, Memory, Bits8, Read, Normal, "Нормальный цикл чтения 8-разрядной памяти", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DP8RN.wmf"},
    {ResourceAccess, Memory, Bits8, Read, Extended, "Удлиненный цикл чтения 8-разрядной памяти", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DP8RN.wmf"},
    {ResourceAccess, Memory, Bits8, Write, Normal, "Нормальный цикл записи 8-разрядной памяти", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DP8WN.wmf"},
    {ResourceAccess, Memory, Bits8, Write, Extended, "Удлиненный цикл записи 8-разрядной памяти", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DP8WN.wmf"},
    {ResourceAccess, Memory, Bits16, Read, ZeroWait, "Цикл чтения 16-разрядной памяти c 0 тактов ожидания", "isa\\discr\\Acc_res1.txt", "isa\\Diagr\\DP16R0.wmf"},
    {ResourceAccess, Memory, Bits16, Read, Normal, "Нормальный цикл чтения 16-разрядной памяти", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DP16RN.wmf"},
    {ResourceAccess, Memory, Bits16, Read, Extended, "Удлиненный цикл чтения 16-разрядной памяти", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DP16RU.wmf"},
    {ResourceAccess, Memory, Bits16, Write, ZeroWait, "Цикл записи 16-разрядной памяти c 0 тактов ожидания", "isa\\discr\\Acc_res1.txt", "isa\\Diagr\\DP16W0.wmf"},
    {ResourceAccess, Memory, Bits16, Write, Normal, "Нормальный цикл записи 16-разрядной памяти", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DP16WN.wmf"},
    {ResourceAccess, Memory, Bits16, Write, Extended, "Удлиненный цикл записи 16-разрядной памяти", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DP16WU.wmf"},
    {ResourceAccess, IoDevice, Bits8, Read, Normal, "Нормальный цикл чтения 8-разрядного УВВ", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DIO8RN.wmf"},
    {ResourceAccess, IoDevice, Bits8, Read, Extended, "Удлиненный цикл чтения 8-разрядного УВВ", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DIO8RU.wmf"},
    {ResourceAccess, IoDevice, Bits8, Write, Normal, "Нормальный цикл записи 8-разрядного УВВ", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DIO8WN.wmf"},
    {ResourceAccess, IoDevice, Bits8, Write, Extended, "Удлиненный цикл записи 8-разрядного УВВ", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DIO8WU.wmf"},
    {ResourceAccess, IoDevice, Bits16, Read, Normal, "Нормальный цикл чтения 16-разрядного УВВ", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DIO16RN.wmf"},
    {ResourceAccess, IoDevice, Bits16, Read, Extended, "Удлиненный цикл чтения 16-разрядного УВВ", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DIO16RU.wmf"},
    {ResourceAccess, IoDevice, Bits16, Write, Normal, "Нормальный цикл записи 16-разрядного УВВ", "isa\\discr\\Acc_res2.txt", "isa\\Diagr\\DIO16WN.wmf"},
    {ResourceAccess, IoDevice, Bits16, Write, Extended, "Удлиненный цикл записи 16-разрядного УВВ", "isa\\discr\\Acc_res3.txt", "isa\\Diagr\\DIO16WU.wmf"},
    {Refresh, N, N, N, Normal, "Нормальный цикл регенерации", "isa\\discr\\regener2.txt", "isa\\Diagr\\Regener.wmf"},
    {Refresh, N, N, N, Extended, "Удлиненный цикл регенерации", "isa\\discr\\regener3.txt", "isa\\Diagr\\Regener.wmf"},
    {Dma, N, N, N, Normal, "Нормальный цикл прямого доступа к памяти", "isa\\discr\\dma_cyc2.txt", "isa\\Diagr\\DMA.wmf"},
    {Dma, N, N, N, Extended, "Удлиненный цикл прямого доступа к памяти", "isa\\discr\\dma_cyc3.txt", "isa\\Diagr\\DMA.wmf"},
    {BusCapture, N, N, N, N, "Захват шины", "isa\\discr\\bus_fuc.txt", "isa\\Diagr\\bus_fuc.wmf"},
};

constexpr AtTab kAtTabs[AtTabCount] = {
    {"Обращение к 8-разр. памяти", "isa\\Discr\\8AT.dgr", "isa\\diagr\\AT8P.wmf"},
    {"Обращение к 8-разр. УВВ", "isa\\Discr\\8AT.dgr", "isa\\diagr\\AT8IO.wmf"},
    {"Обращение к 16-разр.памяти", "isa\\Discr\\16AT_mem.dgr", "isa\\diagr\\AT16P.wmf"},
    {"Обращение к 16-разр. УВВ", "isa\\Discr\\16AT_prt.dgr", "isa\\diagr\\AT16IO.wmf"},
};
// clang-format on

// A key field matches when it takes no part in the key or equals the choice.
bool matches(int key, int chosen)
{
    return key == None || key == chosen;
}

} // namespace

const Entry *find(const Choice &choice)
{
    if (choice.kind == None)
        return nullptr;
    for (const Entry &entry : kEntries) {
        if (entry.kind == choice.kind && matches(entry.resource, choice.resource) &&
            matches(entry.width, choice.width) && matches(entry.direction, choice.direction) &&
            matches(entry.length, choice.length))
            return &entry;
    }
    return nullptr;
}

int entryCount()
{
    return int(std::size(kEntries));
}

const Entry &entry(int index)
{
    return kEntries[index];
}

const AtTab &atTab(int index)
{
    return kAtTabs[index];
}

int atTabFor(int resource, int width)
{
    if ((resource != Memory && resource != IoDevice) || (width != Bits8 && width != Bits16))
        return None;
    return width * 2 + resource;
}

} // namespace CycleCatalogue
