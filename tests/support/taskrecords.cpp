#include "taskrecords.h"

#include <QtEndian>

namespace {

QByteArray withText(int size, const QByteArray &text, int field)
{
    QByteArray record(size, '\0');
    record.replace(1, qMin<qsizetype>(text.size(), field), text.left(field));
    return record;
}

} // namespace

namespace TaskRecords {

QByteArray phase(const QByteArray &text, qint32 count, const QList<PhaseStep> &entries)
{
    QByteArray record = withText(676, text, 503);
    qToLittleEndian<qint32>(count, record.data() + 504);
    for (int i = 0; i < entries.size() && i < 21; ++i) {
        qToLittleEndian<qint32>(entries[i].phase, record.data() + 508 + 8 * i);
        qToLittleEndian<quint16>(entries[i].mask, record.data() + 512 + 8 * i);
    }
    return record;
}

QByteArray phase(const QByteArray &text, const QList<PhaseStep> &answer)
{
    return phase(text, qint32(answer.size()), answer);
}

QByteArray descriptor(const QByteArray &text, qint32 sizeCode, const QByteArray &bytes)
{
    QByteArray record = withText(520, text, 503);
    qToLittleEndian<qint32>(sizeCode, record.data() + 504);
    record.replace(508, qMin<qsizetype>(bytes.size(), 12), bytes.left(12));
    return record;
}

QByteArray usb(const QByteArray &text, quint8 pid, quint8 address, quint8 endpoint, quint8 dataPid, quint8 data)
{
    QByteArray record = withText(506, text, 500);
    record[501] = char(pid);
    record[502] = char(address);
    record[503] = char(endpoint);
    record[504] = char(dataPid);
    record[505] = char(data);
    return record;
}

} // namespace TaskRecords
