#include "pci/pcitables.h"

#include "platform/contenterror.h"
#include "platform/textfile.h"

namespace PciTables {

const Table &signalTable()
{
    static const Table table{
        QStringLiteral("Таблица сигналов шины"),
        QStringLiteral("Описание сигналов шины"),
        3,
        32,
        {QStringLiteral("pci\\signals0.txt"), QStringLiteral("pci\\signals1.txt"), QStringLiteral("pci\\signals2.txt")},
        QStringLiteral("pci\\signals.txt"),
        QStringLiteral("pci\\signals.fil")};
    return table;
}

const Table &commandTable()
{
    static const Table table{QStringLiteral("Таблица команд шины"),
                             QStringLiteral("Описание команд шины"),
                             2,
                             17,
                             {QStringLiteral("pci\\command0.txt"), QStringLiteral("pci\\command1.txt")},
                             QStringLiteral("pci\\commands.txt"),
                             QStringLiteral("pci\\commands.fil")};
    return table;
}

QList<int> columnWidths(const Table &table, int gridWidth)
{
    if (table.columns == 3)
        return {100, 150, gridWidth - 260};
    // The second column fills what the first leaves, as in the signal table;
    // "grid width - 10" would run 50 pixels past the grid's edge and hide the
    // ends of the descriptions, with no horizontal scroll bar to reach them.
    return {60, gridWidth - 70};
}

QStringList readDetailList(const QString &contentPath)
{
    QStringList names = TextFile::readLines(contentPath);
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed();
        const bool escapes = name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')) ||
                             name.contains(QLatin1Char(':')) || name.contains(QStringLiteral(".."));
        if (escapes)
            throw ContentError::badContent(
                contentPath,
                QStringLiteral("строка %1: «%2» — не имя файла в папке pci\\pci_info").arg(i + 1).arg(name));
        names[i] = name;
    }
    return names;
}

QString detailPath(const QString &name)
{
    return QStringLiteral("pci\\pci_info\\") + name + QStringLiteral(".txt");
}

} // namespace PciTables
