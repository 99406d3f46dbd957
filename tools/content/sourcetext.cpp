#include "sourcetext.h"

#include "platform/cp1251.h"

#include <QStringDecoder>

namespace SourceText {

QStringList lines(const QByteArray &source, const QString &fileName, SourceReport &report, bool *endsWithNewline)
{
    QByteArray bytes = source;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QByteArray> pieces = bytes.split('\n');
    const bool finalBreak = !bytes.isEmpty() && bytes.endsWith('\n');
    if (finalBreak || bytes.isEmpty())
        pieces.removeLast();
    if (endsWithNewline)
        *endsWithNewline = finalBreak;

    QStringList result;
    result.reserve(pieces.size());
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QByteArray piece = pieces[i];
        if (piece.endsWith('\r'))
            piece.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = decoder.decode(piece);
        if (decoder.hasError()) {
            report.error(fileName, int(i + 1), QStringLiteral("the line is not valid UTF-8"));
            line.clear();
        }
        result.append(line);
    }
    return result;
}

std::optional<QByteArray> toCp1251(const QString &text, const QString &fileName, int line, SourceReport &report,
                                   const QString &prefix)
{
    if (std::optional<QByteArray> bytes = Cp1251::encode(text))
        return bytes;
    // Find the first character that has no form, whole code point (surrogate pairs too).
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QString character = text.mid(i, length);
        if (!Cp1251::encode(character)) {
            const char32_t code = length == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            report.error(
                fileName, line,
                prefix + QStringLiteral("character \"%1\" (U+%2) has no Windows-1251 form")
                             .arg(character, QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper()));
            return std::nullopt;
        }
        i += length - 1;
    }
    report.error(fileName, line, prefix + QStringLiteral("text has no Windows-1251 form"));
    return std::nullopt;
}

bool isComment(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('#'));
}

std::optional<qint64> number(const QString &text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    bool ok = false;
    qint64 value = 0;
    if (text.endsWith(QLatin1Char('h')) || text.endsWith(QLatin1Char('H'))) {
        const QString digits = text.chopped(1);
        if (digits.isEmpty())
            return std::nullopt;
        for (QChar ch : digits) {
            if (!QStringLiteral("0123456789abcdefABCDEF").contains(ch))
                return std::nullopt;
        }
        value = digits.toLongLong(&ok, 16);
    } else {
        for (QChar ch : text) {
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                return std::nullopt;
        }
        value = text.toLongLong(&ok, 10);
    }
    if (!ok)
        return std::nullopt;
    return value;
}

void putInt32(QByteArray &record, int offset, qint32 value)
{
    const quint32 bits = quint32(value);
    for (int i = 0; i < 4; ++i)
        record[offset + i] = char((bits >> (8 * i)) & 0xFF);
}

void putUInt16(QByteArray &record, int offset, quint16 value)
{
    record[offset] = char(value & 0xFF);
    record[offset + 1] = char((value >> 8) & 0xFF);
}

} // namespace SourceText
