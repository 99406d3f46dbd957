#include "platform/htmltext.h"

#include "platform/cp1251.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace HtmlText {

namespace {

constexpr qsizetype kMaxReference = 10;

QByteArray withoutBom(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

} // namespace

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

QString decodeText(const QByteArray &bytes)
{
    const QByteArray body = withoutBom(bytes);
    if (isValidUtf8(body))
        return QString::fromUtf8(body);
    return Cp1251::decode(body);
}

QString declaredCharset(const QByteArray &bytes)
{
    static const QRegularExpression meta(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    // The head is plain ASCII in both encodings, so Latin-1 keeps it as it is.
    const QString head = QString::fromLatin1(bytes.left(4096));
    const QRegularExpressionMatch match = meta.match(head);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

QString decodePage(const QByteArray &bytes)
{
    const QByteArray body = withoutBom(bytes);
    const QString charset = declaredCharset(body);
    static const QStringList cp1251Names = {QStringLiteral("windows-1251"), QStringLiteral("cp1251"),
                                            QStringLiteral("win-1251"), QStringLiteral("x-cp1251")};
    if (cp1251Names.contains(charset))
        return Cp1251::decode(body);
    return decodeText(body);
}

QString decodeEntities(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype nextSemicolon = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A reference is at most ten characters long; the next ';' is looked up
        // once for all the '&' before it, which keeps the scan linear.
        qsizetype semicolon = -1;
        if (ch == QLatin1Char('&')) {
            if (nextSemicolon <= i)
                nextSemicolon = text.indexOf(QLatin1Char(';'), i + 1);
            if (nextSemicolon < 0)
                nextSemicolon = text.size();
            if (nextSemicolon < text.size() && nextSemicolon - i <= kMaxReference)
                semicolon = nextSemicolon;
        }
        if (semicolon < 0) {
            out += ch;
            continue;
        }
        const QString name = text.mid(i + 1, semicolon - i - 1);
        QString replacement;
        if (name == QLatin1String("amp"))
            replacement = QStringLiteral("&");
        else if (name == QLatin1String("lt"))
            replacement = QStringLiteral("<");
        else if (name == QLatin1String("gt"))
            replacement = QStringLiteral(">");
        else if (name == QLatin1String("quot"))
            replacement = QStringLiteral("\"");
        else if (name == QLatin1String("apos"))
            replacement = QStringLiteral("'");
        else if (name == QLatin1String("nbsp"))
            replacement = QString(QChar(0x00A0));
        else if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'))
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
                const char32_t c = char32_t(code);
                replacement = QString::fromUcs4(&c, 1);
            }
        }
        if (replacement.isEmpty()) {
            out += ch;
            continue;
        }
        out += replacement;
        i = semicolon;
    }
    return out;
}

} // namespace HtmlText
