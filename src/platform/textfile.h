#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Course text files: Windows-1251, lines ended by CR LF (LF alone accepted),
// the last line counted even without a final line break.
namespace TextFile {

// Lines of a content file; throws ContentError::missingFile with the
// requested path when the file cannot be opened, ContentError::badContent
// for a folder, device or pipe or a file beyond ContentFile::kMaxTextFile.
QStringList readLines(const QString &contentPath);
// The whole file as one text, lines joined by '\n'.
QString readText(const QString &contentPath);
// Splits decoded bytes into lines by the rules above.
QStringList splitLines(const QByteArray &bytes);
// A decimal integer of a content line: ASCII digits with an optional sign,
// spaces or tabs around; anything else (a zero byte, a letter, a number
// beyond int) is nullopt.
std::optional<int> parseInt(const QString &line);
// The same; throws ContentError::badNumber.
int toInt(const QString &line);

} // namespace TextFile
