#pragma once

// The ISA trainer's windows for the ISA tests: created as the window set does,
// reachable through isa/isawindows.h, deleted again at the end of the test.

#include "isa/isawindows.h"
#include "isa/isawindowset.h"
#include "isa/taboutform.h"
#include "isa/tatcyclesform.h"
#include "isa/tcyclesform.h"
#include "isa/tcyclesparamform.h"
#include "isa/tinteractform.h"
#include "isa/tisaform.h"
#include "isa/tkontrqform.h"
#include "isa/tresinteractform.h"
#include "isa/tresultform.h"
#include "isa/tvvedenieform.h"
#include "isa/twarningform.h"

#include "testutil.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <memory>

struct IsaWindows {
    QWidget returnWindow;

    IsaWindows()
    {
        IsaWindowSet::create();
        returnWindow.setObjectName(QStringLiteral("FPracticum"));
        ISAForm->setReturnWindow(&returnWindow);
    }
    ~IsaWindows() { IsaWindowSet::destroy(); }

    IsaWindows(const IsaWindows &) = delete;
    IsaWindows &operator=(const IsaWindows &) = delete;
};

// The smallest Windows metafile a player accepts: placeable header, standard
// header, one rectangle and the end record (all little-endian words).
inline QByteArray tinyMetafile(int width = 100, int height = 60)
{
    QByteArray bytes;
    auto word = [&bytes](int value) {
        bytes.append(char(value & 0xff));
        bytes.append(char((value >> 8) & 0xff));
    };
    auto dword = [&word](unsigned value) {
        word(int(value & 0xffff));
        word(int(value >> 16));
    };
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    const int header[] = {int(0xCDD7), int(0x9AC6), 0, 0, 0, width, height, 96, 0, 0};
    int checksum = 0;
    for (int value : header) {
        word(value);
        checksum ^= value;
    }
    word(checksum);
    // Standard header: type, header words, version, size in words, objects, largest record, no parameters.
    const int recordWords = 7 + 3;
    word(1);
    word(9);
    word(0x0300);
    dword(unsigned(9 + recordWords));
    word(0);
    dword(7);
    word(0);
    // RECTANGLE bottom, right, top, left; then the end record.
    dword(7);
    word(0x041B);
    word(height - 5);
    word(width - 5);
    word(5);
    word(5);
    dword(3);
    word(0);
    return bytes;
}

// Small ISA content written by the tests into their working folder (all under
// one "isa" folder: content paths are matched without regard to letter case).
namespace IsaFixture {

inline QString isaColumn(int column, int rows)
{
    QStringList lines;
    const char *headings[] = {"Сигнал", "Направление", "Назначение"};
    lines << QString::fromUtf8(headings[column]);
    for (int row = 1; row < rows; ++row)
        lines << (row == 3 && column == 1 ? QString() : QStringLiteral("isa%1.%2").arg(column).arg(row));
    lines << QStringLiteral("beyond the last row");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

inline QString eisaColumn(int column, int rows)
{
    QStringList lines;
    lines << QStringLiteral("EISA %1").arg(column);
    for (int row = 1; row < rows; ++row)
        lines << QStringLiteral("eisa%1.%2").arg(column).arg(row);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

inline void writeSignalTables(const TestUtil::WorkingFolder &folder)
{
    for (int column = 0; column < 3; ++column) {
        folder.writeCp1251(QStringLiteral("isa/signals/signal%1.txt").arg(column), isaColumn(column, 23));
        folder.writeCp1251(QStringLiteral("isa/signals/esignal%1.txt").arg(column), eisaColumn(column, 17));
    }
    folder.writeCp1251(QStringLiteral("isa/signals/bale.isa"),
                       QStringLiteral("BALE: строб адреса\r\nвторая строка\r\n"));
    folder.writeCp1251(QStringLiteral("isa/signals/tc.isa"), QStringLiteral("TC: конец счёта\r\n"));
    folder.writeCp1251(QStringLiteral("isa/signals/wr.txt"), QStringLiteral("W-R: запись или чтение\r\n"));
    folder.writeCp1251(QStringLiteral("isa/signals/AENn.txt"), QStringLiteral("AENx: разрешение адреса\r\n"));
}

inline void writeTexts(const TestUtil::WorkingFolder &folder)
{
    folder.writeCp1251(QStringLiteral("isa/discr/isa1.txt"), QStringLiteral("Введение в шину ISA\r\nстрока 2\r\n"));
    folder.writeCp1251(QStringLiteral("isa/discr/Eisa.txt"), QStringLiteral("Архитектура EISA\r\n"));
    folder.writeCp1251(QStringLiteral("isa/signals/progr.txt"), QStringLiteral("О программе\r\n"));
    folder.writeCp1251(QStringLiteral("isa/discr/Warning.txt"), QStringLiteral("Примечание к циклу\r\n"));
    folder.write(QStringLiteral("isa/signals/123.wmf"), tinyMetafile(200, 120));
}

inline void writeCycles(const TestUtil::WorkingFolder &folder)
{
    for (const char *name :
         {"Acc_res1", "Acc_res2", "Acc_res3", "regener2", "regener3", "dma_cyc2", "dma_cyc3", "bus_fuc"})
        folder.writeCp1251(QStringLiteral("isa/discr/%1.txt").arg(QLatin1String(name)),
                           QStringLiteral("Описание %1\r\n").arg(QLatin1String(name)));
    for (const char *name : {"8AT", "16AT_mem", "16AT_prt"})
        folder.writeCp1251(QStringLiteral("isa/discr/%1.dgr").arg(QLatin1String(name)),
                           QStringLiteral("AT %1\r\n").arg(QLatin1String(name)));
    for (const char *name : {"DP8RN",   "DP8WN",  "DP16R0",  "DP16RN", "DP16RU",  "DP16W0",  "DP16WN",  "DP16WU",
                             "DIO8RN",  "DIO8RU", "DIO8WN",  "DIO8WU", "DIO16RN", "DIO16RU", "DIO16WN", "DIO16WU",
                             "Regener", "DMA",    "bus_fuc", "AT8P",   "AT8IO",   "AT16P",   "AT16IO"})
        folder.write(QStringLiteral("isa/diagr/%1.wmf").arg(QLatin1String(name)), tinyMetafile());
}

inline void writeAll(const TestUtil::WorkingFolder &folder)
{
    writeSignalTables(folder);
    writeTexts(folder);
    writeCycles(folder);
}

} // namespace IsaFixture
