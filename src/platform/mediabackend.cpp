#include "platform/mediabackend.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace MediaBackend {

void chooseFfmpeg()
{
    if (qgetenv("QT_MEDIA_BACKEND") == "ffmpeg")
        return;
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/multimedia"));
    const QStringList found = plugins.entryList({QStringLiteral("*ffmpegmediaplugin*")}, QDir::Files);
    if (!found.isEmpty())
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

} // namespace MediaBackend
