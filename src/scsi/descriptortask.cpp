#include "scsi/descriptortask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

#include <QStringList>

namespace DescriptorLayout {

QList<Field> fields(int sizeCode)
{
    const std::span<const Field> rows = DescriptorRecordFormat::fields(sizeCode);
    return QList<Field>(rows.begin(), rows.end());
}

int visibleRows(int sizeCode)
{
    switch (sizeCode) {
    case 1:
        return 11;
    case 2:
        return 13;
    default:
        return 7;
    }
}

QString sizeCaption(int sizeCode)
{
    return QStringLiteral("%1 байт").arg(byteCount(sizeCode));
}

QStringList nameItems()
{
    QStringList items{QString()};
    for (const std::string_view name : DescriptorRecordFormat::kFieldNames)
        items.append(QString::fromLatin1(name.data(), qsizetype(name.size())));
    return items;
}

QStringList byteItems()
{
    QStringList items{QString()};
    for (int i = 0; i < kByteEdits; ++i)
        items.append(QString::number(i));
    return items;
}

} // namespace DescriptorLayout

int DescriptorTaskRecord::byteCount() const
{
    return DescriptorLayout::byteCount(sizeCode);
}

DescriptorTaskRecord DescriptorTaskRecord::parse(const QByteArray &record, const QString &contentPath, int recordNumber)
{
    RecordField::requireSize(record, kSize, contentPath, recordNumber);
    DescriptorTaskRecord task;
    task.text = Cp1251::decodeZeroTerminated(record.constData() + DescriptorRecordFormat::kTextOffset,
                                             DescriptorRecordFormat::kTextLength);
    task.sizeCode = RecordField::int32(record, DescriptorRecordFormat::kSizeCodeOffset);
    if (task.sizeCode < 0 || task.sizeCode >= DescriptorLayout::kSizeCount)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("код размерности %1 (допустимо 0, 1 или 2)").arg(task.sizeCode));
    for (int i = 0; i < kMaxBytes; ++i)
        task.bytes[i] = RecordField::byte(record, DescriptorRecordFormat::kBytesOffset + i);
    return task;
}

std::optional<DescriptorTaskRecord> DescriptorTaskRecord::readRandom(const QString &contentPath)
{
    return readRandomRecord<DescriptorTaskRecord>(contentPath);
}
