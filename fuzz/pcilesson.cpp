// The PCI lesson's answer lines and the tables' row-detail lists: an answer
// line is accepted only when the editor can draw it, and a detail list names
// only files inside pci\pci_info or is refused naming the file.
#include "fuzzsupport.h"

#include "pci/pcitables.h"
#include "pci/signalstates.h"
#include "platform/contenterror.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QStringList lines = TextFile::splitLines(bytes);
    for (int row = 1; row <= 10 && row <= lines.size(); ++row) {
        const QString &line = lines.at(row - 1);
        if (SignalStates::answerLineFault(row, line).isEmpty())
            Fuzz::require(line.size() == 9, "an accepted answer line has nine periods");
    }

    const QString list = QStringLiteral("pci\\signals.fil");
    Fuzz::writeScratch(QStringLiteral("pci/signals.fil"), bytes);
    try {
        for (const QString &name : PciTables::readDetailList(list)) {
            Fuzz::require(!name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/')) &&
                              !name.contains(QLatin1Char(':')) && !name.contains(QStringLiteral("..")),
                          "a detail name stays inside pci\\pci_info");
        }
    } catch (const ContentError &error) {
        Fuzz::requireNames(error, list);
    }
    return 0;
}
