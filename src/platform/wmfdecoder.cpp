#include "platform/wmfdecoder.h"

namespace Wmf {

void DecodeContext::fail(const Record &record, const QString &what)
{
    if (error.isEmpty())
        error = QStringLiteral("запись %1 (функция %2): %3")
                    .arg(record.number)
                    .arg(QStringLiteral("0x%1").arg(record.function, 4, 16, QLatin1Char('0')), what);
}

bool DecodeContext::need(const Params &params, const Record &record, qsizetype words)
{
    if (params.has(words))
        return true;
    fail(record, QStringLiteral("слишком короткая"));
    return false;
}

QColor colorAt(const Params &params, int index)
{
    const quint32 ref = params.dword(index);
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

QString decode(const QByteArray &bytes, const File &file, Picture *picture)
{
    DecodeContext context{*picture, ObjectTable(file.header.objectCount), {}};
    for (const Record &record : file.records) {
        const Params params(bytes, record);
        // Unknown records are skipped, as players of the format do.
        decodeStateRecord(params, record, context) || decodeObjectRecord(params, record, context) ||
            decodeShapeRecord(params, record, context) || decodeTextRecord(params, record, context);
        if (!context.error.isEmpty())
            return context.error;
    }
    return {};
}

} // namespace Wmf
