#include "scsi/descriptortask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

#include <QStringList>

namespace {

using Field = DescriptorLayout::Field;

const QList<Field> kLayout6 = {
    {"OpCode", 0, 8}, {"LUN", 1, 3}, {"LBA", 1, 5}, {"LBA", 2, 8}, {"LBA", 3, 8}, {"Length", 4, 8}, {"Control", 5, 8},
};
const QList<Field> kLayout10 = {
    {"OpCode", 0, 8}, {"LUN", 1, 3},    {"LBA", 2, 8},    {"LBA", 3, 8},     {"LBA", 4, 8},
    {"LBA", 5, 8},    {"Length", 7, 8}, {"Length", 8, 8}, {"Control", 9, 8},
};
const QList<Field> kLayout12 = {
    {"OpCode", 0, 8}, {"LUN", 1, 3},    {"LBA", 2, 8},    {"LBA", 3, 8},    {"LBA", 4, 8},      {"LBA", 5, 8},
    {"Length", 6, 8}, {"Length", 7, 8}, {"Length", 8, 8}, {"Length", 9, 8}, {"Control", 11, 8},
};

} // namespace

namespace DescriptorLayout {

int byteCount(int sizeCode)
{
    switch (sizeCode) {
    case 0:
        return 6;
    case 1:
        return 10;
    case 2:
        return 12;
    default:
        return 0;
    }
}

QList<Field> fields(int sizeCode)
{
    switch (sizeCode) {
    case 0:
        return kLayout6;
    case 1:
        return kLayout10;
    case 2:
        return kLayout12;
    default:
        return {};
    }
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
    return {QString(),
            QStringLiteral("OpCode"),
            QStringLiteral("LUN"),
            QStringLiteral("LBA"),
            QStringLiteral("Length"),
            QStringLiteral("Control")};
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
    const auto bad = [&](const QString &what) { return ContentError::badRecord(contentPath, recordNumber, what); };
    if (record.size() != kSize)
        throw bad(QStringLiteral("длина %1 байт вместо %2").arg(record.size()).arg(kSize));
    DescriptorTaskRecord task;
    task.text = Cp1251::decodeZeroTerminated(record.constData() + kTextOffset, kTextLength);
    task.sizeCode = RecordField::int32(record, kSizeCodeOffset);
    if (task.sizeCode < 0 || task.sizeCode >= DescriptorLayout::kSizeCount)
        throw bad(QStringLiteral("код размерности %1 (допустимо 0, 1 или 2)").arg(task.sizeCode));
    for (int i = 0; i < kMaxBytes; ++i)
        task.bytes[i] = RecordField::byte(record, kBytesOffset + i);
    return task;
}

std::optional<DescriptorTaskRecord> DescriptorTaskRecord::readRandom(const QString &contentPath)
{
    return readRandomRecord<DescriptorTaskRecord>(contentPath);
}
