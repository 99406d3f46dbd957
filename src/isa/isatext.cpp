#include "isa/isatext.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/textfile.h"

#include <QFile>

namespace IsaText {

QStringList readLines(const QString &contentPath)
{
    QFile file(ContentPath::resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError::missingFile(contentPath);
    if (file.size() > MaxBytes)
        throw ContentError::badContent(
            contentPath, QStringLiteral("файл слишком велик для текстового окна (%1 байт)").arg(file.size()));
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        throw ContentError::badContent(contentPath, QStringLiteral("файл слишком велик для текстового окна"));
    if (bytes.contains('\0'))
        throw ContentError::badContent(contentPath, QStringLiteral("это не текстовый файл"));
    return TextFile::splitLines(bytes);
}

QString readText(const QString &contentPath)
{
    return readLines(contentPath).join(QLatin1Char('\n'));
}

} // namespace IsaText
