#include "platform/contentfile.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ContentFile {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("это папка, а не файл");
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return QStringLiteral("это канал, а не файл");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("это устройство, а не файл");
    return S_ISREG(mode) ? QString() : QStringLiteral("это не файл");
}

ContentError tooLarge(const QString &shownPath, qint64 size, qint64 limit)
{
    return ContentError::badContent(
        shownPath, QStringLiteral("слишком большой файл (%1 байт, допустимо не больше %2)").arg(size).arg(limit));
}

} // namespace

QString notRegularReason(const QString &diskPath)
{
    struct stat info {};
    if (::stat(QFile::encodeName(diskPath).constData(), &info) != 0)
        return QString();
    return kindOf(info.st_mode);
}

void open(QFile &file, const QString &diskPath, const QString &shownPath, qint64 limit)
{
    // Non-blocking, so that opening a named pipe returns at once; fstat then
    // looks at what was opened, not at what the name meant a moment before.
    const int fd = ::open(QFile::encodeName(diskPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw ContentError::missingFile(shownPath);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        throw ContentError::missingFile(shownPath);
    }
    const QString kind = kindOf(info.st_mode);
    if (!kind.isEmpty()) {
        ::close(fd);
        throw ContentError::badContent(shownPath, kind);
    }
    if (qint64(info.st_size) > limit) {
        ::close(fd);
        throw tooLarge(shownPath, qint64(info.st_size), limit);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.close();
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw ContentError::missingFile(shownPath);
    }
}

QByteArray read(const QString &contentPath, qint64 limit)
{
    QFile file;
    open(file, ContentPath::resolve(contentPath), contentPath, limit);
    // A file that grows while it is read is refused at the limit rather than followed.
    QByteArray bytes;
    bytes.reserve(qMin(file.size(), limit) + 1);
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got <= 0)
            break;
        if (got > limit - bytes.size())
            throw tooLarge(contentPath, bytes.size() + got, limit);
        bytes.append(chunk, got);
    }
    return bytes;
}

} // namespace ContentFile
