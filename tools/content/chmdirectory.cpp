#include "chmdirectory.h"

#include "platform/chmcheck.h"

#include <QBuffer>

namespace ChmDirectory {

std::optional<QStringList> list(const QByteArray &file)
{
    // The same check the program makes before it opens a help document, so a
    // file the build accepts is one the program opens.
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    const ChmCheck::Result result = ChmCheck::check(buffer);
    if (result.verdict != ChmCheck::Verdict::Sound)
        return std::nullopt;
    QStringList names;
    names.reserve(result.names.size());
    for (const QByteArray &name : result.names)
        names.append(QString::fromUtf8(name));
    return names;
}

} // namespace ChmDirectory
