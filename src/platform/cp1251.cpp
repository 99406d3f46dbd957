#include "platform/cp1251.h"

#include <array>

namespace {

// Unicode code points of bytes 0x80..0xBF; 0 marks the one unassigned byte (0x98).
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char16_t toUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return char16_t(0x0410 + (byte - 0xC0)); // А..я are contiguous in both tables
    const char16_t mapped = kHighHalf[byte - 0x80];
    return mapped ? mapped : char16_t(0xFFFD);
}

} // namespace

namespace Cp1251 {

QString decode(const QByteArray &bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

QString decodeZeroTerminated(const char *data, qsizetype maxLength)
{
    qsizetype length = 0;
    while (length < maxLength && data[length] != '\0')
        ++length;
    return decode(QByteArray(data, length));
}

std::optional<QByteArray> encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80) {
            bytes.append(char(code));
        } else if (code >= 0x0410 && code <= 0x044F) {
            bytes.append(char(0xC0 + (code - 0x0410)));
        } else {
            qsizetype found = -1;
            for (qsizetype i = 0; i < qsizetype(kHighHalf.size()); ++i) {
                if (kHighHalf[i] == code && code != 0) {
                    found = i;
                    break;
                }
            }
            if (found < 0)
                return std::nullopt;
            bytes.append(char(0x80 + found));
        }
    }
    return bytes;
}

} // namespace Cp1251
