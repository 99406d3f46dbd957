#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

// Opening content files safely: only a regular file is opened (a folder, a
// device or a named pipe would block or never end), and only up to a size
// limit fixed per kind of file, so a damaged package can neither hang the
// program nor exhaust its memory.
namespace ContentFile {

// Size limits per kind of content file, in bytes.
constexpr qint64 kMaxRecordFile = 4 * 1024 * 1024; // task record files
constexpr qint64 kMaxTextFile = 4 * 1024 * 1024;   // Windows-1251 texts, question files
constexpr qint64 kMaxPicture = 32 * 1024 * 1024;   // JPEG and other pictures
constexpr qint64 kMaxHelpFile = 256 * 1024 * 1024; // compiled help documents

// Opens the on-disk file read-only into file. shownPath names the file in
// messages (the content path as the program wrote it). Throws
// ContentError::missingFile when there is no such file or it cannot be read,
// ContentError::badContent "не файл" for a folder, device or pipe and
// "слишком большой" beyond limit.
void open(QFile &file, const QString &diskPath, const QString &shownPath, qint64 limit);

// The whole content of a content path (resolved with ContentPath::resolve), by the rules above.
QByteArray read(const QString &contentPath, qint64 limit);

// The message for a file that is not a regular file, or empty when it is one.
// Does not open the file, so it never blocks on a pipe.
QString notRegularReason(const QString &diskPath);

} // namespace ContentFile
