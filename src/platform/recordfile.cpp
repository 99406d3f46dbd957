#include "platform/recordfile.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/contentpath.h"
#include "platform/random.h"

RecordFile::RecordFile(const QString &contentPath, int recordSize)
    : m_path(contentPath)
    , m_file(std::make_shared<QFile>())
    , m_recordSize(recordSize)
    , m_count(0)
{
    ContentFile::open(*m_file, ContentPath::resolve(contentPath), contentPath, ContentFile::kMaxRecordFile);
    m_count = recordSize > 0 ? int(m_file->size() / recordSize) : 0;
}

QByteArray RecordFile::read(int index) const
{
    if (index < 0 || index >= m_count)
        throw ContentError::badContent(m_path, QStringLiteral("нет записи № %1").arg(index + 1));
    QByteArray record;
    if (m_file->seek(qint64(index) * m_recordSize))
        record = m_file->read(m_recordSize);
    // The file was cut short after it was opened.
    if (record.size() != m_recordSize)
        throw ContentError::badRecord(m_path, index + 1, QStringLiteral("запись не прочитана"));
    return record;
}

QByteArray RecordFile::readRandom(int *index) const
{
    if (m_count == 0)
        return QByteArray();
    const int r = Random::uniform(m_count);
    if (index)
        *index = r;
    return read(r);
}

namespace RecordField {

void requireSize(const QByteArray &record, int size, const QString &contentPath, int recordNumber)
{
    if (record.size() != size)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("длина %1 байт вместо %2").arg(record.size()).arg(size));
}

quint8 byte(const QByteArray &record, int offset)
{
    if (offset < 0 || offset >= record.size())
        return 0;
    return quint8(record[offset]);
}

quint16 uint16(const QByteArray &record, int offset)
{
    return quint16(byte(record, offset) | (byte(record, offset + 1) << 8));
}

qint32 int32(const QByteArray &record, int offset)
{
    const quint32 value = quint32(byte(record, offset)) | (quint32(byte(record, offset + 1)) << 8) |
                          (quint32(byte(record, offset + 2)) << 16) | (quint32(byte(record, offset + 3)) << 24);
    return qint32(value);
}

} // namespace RecordField
