#include "usb/usbtask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

UsbTaskRecord UsbTaskRecord::fromBytes(const QByteArray &bytes)
{
    using namespace UsbRecordFormat;
    QByteArray record = bytes.left(kSize);
    if (record.size() < kSize)
        record.append(QByteArray(kSize - record.size(), '\0'));
    UsbTaskRecord task;
    task.text = Cp1251::decodeZeroTerminated(record.constData() + kTextOffset, kTextLength);
    task.pid = RecordField::byte(record, kPidOffset);
    task.address = RecordField::byte(record, kAddressOffset);
    task.endpoint = RecordField::byte(record, kEndpointOffset);
    task.dataPid = RecordField::byte(record, kDataPidOffset);
    task.data = RecordField::byte(record, kDataOffset);
    return task;
}

UsbTaskRecord UsbTaskRecord::parse(const QByteArray &bytes, const QString &contentPath, int recordNumber)
{
    using namespace UsbRecordFormat;
    RecordField::requireSize(bytes, kSize, contentPath, recordNumber);
    const UsbTaskRecord task = fromBytes(bytes);
    if (task.address > kMaxAddress)
        throw ContentError::badRecord(
            contentPath, recordNumber,
            QStringLiteral("адрес устройства %1 длиннее %2 бит").arg(int(task.address)).arg(kAddressBits));
    if (task.endpoint > kMaxEndpoint)
        throw ContentError::badRecord(
            contentPath, recordNumber,
            QStringLiteral("номер конечной точки %1 длиннее %2 бит").arg(int(task.endpoint)).arg(kEndpointBits));
    return task;
}

std::optional<UsbTaskRecord> UsbTaskRecord::readRandom(const QString &contentPath)
{
    return readRandomRecord<UsbTaskRecord>(contentPath);
}
