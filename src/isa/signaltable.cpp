#include "isa/signaltable.h"

#include <iterator>

namespace SignalTable {

namespace {

const QString kFolder = QStringLiteral("ISA\\signals\\");

// Rows 1 and 8 of the ISA table have no description.
constexpr const char *kIsaRows[] = {
    nullptr,       nullptr,   "sd15_0.isa",  "sa19_0.isa", "la23_17.isa", "bale.isa", "aen.isa",     "sbhe.isa",
    nullptr,       "clk.isa", "memr.isa",    "memw.isa",   "ior.isa",     "iow.isa",  "memcs16.isa", "iocs16.isa",
    "iochrdy.isa", "0ws.isa", "refresh.isa", "master.isa", "drq.isa",     "dack.isa", "tc.isa",
};

constexpr const char *kEisaRows[] = {
    nullptr,       "AENn.txt", "be.txt",         "cmd.txt",   "d16_31.txt", "exrdy.txt",
    "ex16.txt",    "ex32.txt", "la2_16(31).txt", "lock.txt",  "mackn.txt",  "mreqn.txt",
    "msburst.txt", "mio.txt",  "slburst.txt",    "start.txt", "wr.txt",
};

static_assert(std::size(kIsaRows) == 23 && std::size(kEisaRows) == 17);

} // namespace

int rowCount(bool eisa)
{
    return eisa ? int(std::size(kEisaRows)) : int(std::size(kIsaRows));
}

QStringList columnFiles(bool eisa)
{
    if (eisa)
        return {QStringLiteral("ISA\\signals\\esignal0.txt"), QStringLiteral("ISA\\signals\\esignal1.txt"),
                QStringLiteral("ISA\\signals\\esignal2.txt")};
    return {QStringLiteral("ISA\\Signals\\signal0.txt"), QStringLiteral("ISA\\Signals\\signal1.txt"),
            QStringLiteral("ISA\\Signals\\signal2.txt")};
}

QString descriptionFile(bool eisa, int row)
{
    if (row < 0 || row >= rowCount(eisa))
        return {};
    const char *name = eisa ? kEisaRows[row] : kIsaRows[row];
    return name ? kFolder + QString::fromLatin1(name) : QString();
}

QStringList columnCells(const QStringList &lines, int rows)
{
    QStringList cells;
    cells.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        if (row >= lines.size())
            cells.append(QString());
        else
            cells.append(lines[row].isEmpty() ? QStringLiteral(" ") : lines[row]);
    }
    return cells;
}

} // namespace SignalTable
