// Content paths: whatever a content file names, the resolved path lies inside
// the folder it is resolved against.
#include "fuzzsupport.h"

#include "platform/contentpath.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString base = [] {
        Fuzz::writeScratch(QStringLiteral("pkg/Usb/Quest/usb_les.dat"), "x");
        Fuzz::writeScratch(QStringLiteral("pkg/scsi/help/Scsi.HLP"), "x");
        QDir().mkpath(Fuzz::scratchFolder() + QStringLiteral("/pkg/exam"));
        return Fuzz::scratchFolder() + QStringLiteral("/pkg");
    }();
    const QString contentPath = QString::fromUtf8(Fuzz::bytes(data, size));
    const QString resolved = ContentPath::resolve(contentPath, base);
    Fuzz::require(resolved == base || resolved.startsWith(base + QLatin1Char('/')), "the path stays inside its folder");
    return 0;
}
