#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Helpers shared by the source formats: reading UTF-8 sources, producing
// Windows-1251 text, numbers and fixed-size record fields.
namespace SourceText {

// The lines of a UTF-8 source (a leading byte-order mark and a CR before each LF
// are dropped). A line that is not valid UTF-8 is reported and left empty.
// endsWithNewline tells whether the last line was ended by a line feed; that
// final empty piece is not returned as a line.
QStringList lines(const QByteArray &source, const QString &fileName, SourceReport &report,
                  bool *endsWithNewline = nullptr);

// The Windows-1251 form of a text; reports the first character without one,
// naming it, with the given file and line. prefix goes before the message
// (e.g. "task 3: ").
std::optional<QByteArray> toCp1251(const QString &text, const QString &fileName, int line, SourceReport &report,
                                   const QString &prefix = QString());

// A source line is a comment when its first non-blank character is '#'.
bool isComment(const QString &line);

// A non-negative number written in decimal or in hexadecimal with a trailing
// 'h' ("28h", "0FFh"); nullopt for anything else.
std::optional<qint64> number(const QString &text);

// Little-endian integers written into a record at an offset.
void putInt32(QByteArray &record, int offset, qint32 value);
void putUInt16(QByteArray &record, int offset, quint16 value);

} // namespace SourceText
