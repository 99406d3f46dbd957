#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Windows-1251 (Cyrillic) code page of the course content files.
namespace Cp1251 {

QString decode(const QByteArray &bytes);
// Decodes at most maxLength bytes, stopping before the first zero byte.
QString decodeZeroTerminated(const char *data, qsizetype maxLength);
// Encodes a text; nullopt when a character has no Windows-1251 form.
std::optional<QByteArray> encode(const QString &text);

} // namespace Cp1251
