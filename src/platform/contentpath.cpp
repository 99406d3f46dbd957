#include "platform/contentpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ContentPath {

namespace {

QStringList components(const QString &contentPath)
{
    QString path = contentPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString matchComponent(const QString &folder, const QString &name)
{
    const QString direct = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(direct))
        return direct;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return QString();
}

} // namespace

QString resolve(const QString &contentPath, const QString &base)
{
    QString current = base.isEmpty() ? QDir::currentPath() : base;
    if (current.endsWith(QLatin1Char('/')) && current.size() > 1)
        current.chop(1);
    const QStringList parts = components(contentPath);
    bool found = true;
    // ".." never climbs above base: a content path names a file of the package.
    int depth = 0;
    for (const QString &part : parts) {
        if (part == QLatin1String(".")) {
            continue;
        }
        if (part == QLatin1String("..")) {
            if (depth > 0) {
                current = QFileInfo(current).path();
                --depth;
            }
            continue;
        }
        ++depth;
        const QString matched = found ? matchComponent(current, part) : QString();
        if (matched.isEmpty()) {
            found = false;
            current = current + QLatin1Char('/') + part;
        } else {
            current = matched;
        }
    }
    return QDir::cleanPath(current);
}

bool exists(const QString &contentPath, const QString &base)
{
    return QFileInfo::exists(resolve(contentPath, base));
}

QString programFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString join(const QString &folder, const QString &relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    QString result = folder;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result + name;
}

QString resolveInProgramFolder(const QString &contentPath)
{
    return resolve(contentPath, programFolder());
}

bool holdsContent(const QString &folder)
{
    static const char *const kFolders[] = {"book", "isa", "pci", "usb", "scsi", "exam", "lession", "img"};
    for (const char *name : kFolders) {
        if (QFileInfo(resolve(QString::fromLatin1(name), folder)).isDir())
            return true;
    }
    return false;
}

QString adoptPackageFolder()
{
    const QString working = QDir::currentPath();
    if (!holdsContent(working)) {
        const QString program = QCoreApplication::applicationDirPath();
        if (holdsContent(program))
            QDir::setCurrent(program);
    }
    return QDir::currentPath();
}

} // namespace ContentPath
