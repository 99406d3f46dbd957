#pragma once

#include <QString>
#include <QStringList>

// The ISA and EISA signal tables of the main window: the three column files of
// each, the number of grid rows (row 0 the heading) and the description file of
// each row.
namespace SignalTable {

constexpr int ColumnCount = 3;
constexpr int ColumnWidths[ColumnCount] = {100, 200, 357};

int rowCount(bool eisa);
// The content paths of the name, direction and function columns.
QStringList columnFiles(bool eisa);
// The description file of a grid row (row 0 is the heading); empty for a row without one.
QString descriptionFile(bool eisa, int row);

// The cells of one column from its file's lines: line 1 is the heading (row 0),
// line n+1 fills row n; an empty line gives a single space; lines beyond the last
// row are ignored and rows beyond the end of the file stay empty.
QStringList columnCells(const QStringList &lines, int rows);

} // namespace SignalTable
