#pragma once

#include <QString>
#include <QStringList>

// The two reference tables of the PCI trainer and their row-detail lists.
namespace PciTables {

struct Table {
    QString title;       // above the grid
    QString detailTitle; // above the detail text
    int columns;
    int rows; // including the heading row
    QStringList columnFiles;
    QString introText;
    QString detailList; // the .fil file
};

const Table &signalTable();
const Table &commandTable();

// Column widths for a grid of that client width.
QList<int> columnWidths(const Table &table, int gridWidth);

// The row-detail list of a .fil file: line n names the detail of grid row n,
// empty for none. A name that would reach outside "pci\pci_info" (a
// separator, "..", a drive) throws naming the file and the line.
QStringList readDetailList(const QString &contentPath);
// "pci\pci_info\<name>.txt".
QString detailPath(const QString &name);

} // namespace PciTables
