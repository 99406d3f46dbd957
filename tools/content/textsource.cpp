#include "textsource.h"

#include "sourcetext.h"

namespace TextSource {

Built<QByteArray> build(const QByteArray &source, const QString &fileName)
{
    Built<QByteArray> result;
    bool endsWithNewline = false;
    const QStringList lines = SourceText::lines(source, fileName, result.report, &endsWithNewline);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArray> bytes = SourceText::toCp1251(lines[i], fileName, int(i + 1), result.report);
        if (!bytes)
            continue;
        result.value.append(*bytes);
        if (i + 1 < lines.size() || endsWithNewline)
            result.value.append("\r\n");
    }
    if (!result.ok())
        result.value.clear();
    return result;
}

} // namespace TextSource
