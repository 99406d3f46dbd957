#include "isa/isatext.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/contentpath.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace IsaText {

QStringList readLines(const QString &contentPath)
{
    const QString path = ContentPath::resolve(contentPath);
    // A folder in place of a text is a missing file, as the window has always said.
    if (QFileInfo(path).isDir())
        throw ContentError::missingFile(contentPath);
    QFile file;
    ContentFile::open(file, path, contentPath, ContentFile::kMaxTextFile);
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
