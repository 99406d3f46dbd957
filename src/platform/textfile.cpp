#include "platform/textfile.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/cp1251.h"

#include <limits>

namespace TextFile {

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (bytes[i] == '\n') {
            qsizetype end = i;
            if (end > start && bytes[end - 1] == '\r')
                --end;
            lines.append(Cp1251::decode(bytes.mid(start, end - start)));
            start = i + 1;
        }
    }
    if (start < size) {
        qsizetype end = size;
        if (bytes[end - 1] == '\r')
            --end;
        lines.append(Cp1251::decode(bytes.mid(start, end - start)));
    }
    return lines;
}

QStringList readLines(const QString &contentPath)
{
    return splitLines(ContentFile::read(contentPath, ContentFile::kMaxTextFile));
}

QString readText(const QString &contentPath)
{
    return readLines(contentPath).join(QLatin1Char('\n'));
}

std::optional<int> parseInt(const QString &line)
{
    qsizetype i = 0;
    qsizetype end = line.size();
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (i < end && isBlank(line[i]))
        ++i;
    while (end > i && isBlank(line[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (line[i] == QLatin1Char('-') || line[i] == QLatin1Char('+'))) {
        negative = line[i] == QLatin1Char('-');
        ++i;
    }
    if (i == end)
        return std::nullopt;
    qint64 value = 0;
    for (; i < end; ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

int toInt(const QString &line)
{
    const std::optional<int> value = parseInt(line);
    if (!value)
        throw ContentError::badNumber(line);
    return *value;
}

} // namespace TextFile
