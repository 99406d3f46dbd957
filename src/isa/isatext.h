#pragma once

#include <QString>
#include <QStringList>

// The ISA trainer's text files (descriptions, signal-table columns, notes):
// Windows-1251 text with CR LF line ends. A file that cannot be opened (missing,
// unreadable, a folder) throws ContentError::missingFile; a file that is not text
// (it holds NUL bytes) or is too large for a text box throws ContentError::badContent.
namespace IsaText {

constexpr qint64 MaxBytes = 1024 * 1024;

QStringList readLines(const QString &contentPath);
QString readText(const QString &contentPath);

} // namespace IsaText
