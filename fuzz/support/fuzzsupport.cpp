#include "fuzzsupport.h"

#include "platform/contenterror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace Fuzz {

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

QString scratchFolder()
{
    static const QString folder = [] {
        const QString path = QDir::tempPath() + QStringLiteral("/shino-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        QDir::setCurrent(path);
        return path;
    }();
    return folder;
}

QString writeScratch(const QString &relativePath, const QByteArray &bytes)
{
    const QString full = scratchFolder() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file can be written");
    require(file.write(bytes) == bytes.size(), "scratch file written whole");
    return full;
}

void requireNames(const ContentError &error, const QString &contentPath)
{
    require(error.message().contains(contentPath), "the message names the file");
}

} // namespace Fuzz
