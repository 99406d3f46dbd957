#include "platform/textfile.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/cp1251.h"

#include <QFile>

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
    QFile file(ContentPath::resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError::missingFile(contentPath);
    return splitLines(file.readAll());
}

QString readText(const QString &contentPath)
{
    return readLines(contentPath).join(QLatin1Char('\n'));
}

int toInt(const QString &line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    if (!ok)
        throw ContentError::badNumber(line);
    return value;
}

} // namespace TextFile
