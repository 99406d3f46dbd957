#include "usb/usbtask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

UsbTaskRecord UsbTaskRecord::fromBytes(const QByteArray &bytes)
{
    QByteArray record = bytes.left(kSize);
    if (record.size() < kSize)
        record.append(QByteArray(kSize - record.size(), '\0'));
    UsbTaskRecord task;
    task.text =
        Cp1251::decodeZeroTerminated(record.constData() + UsbRecordFormat::kTextOffset, UsbRecordFormat::kTextLength);
    task.pid = RecordField::byte(record, UsbRecordFormat::kPidOffset);
    task.address = RecordField::byte(record, UsbRecordFormat::kAddressOffset);
    task.endpoint = RecordField::byte(record, UsbRecordFormat::kEndpointOffset);
    task.dataPid = RecordField::byte(record, UsbRecordFormat::kDataPidOffset);
    task.data = RecordField::byte(record, UsbRecordFormat::kDataOffset);
    return task;
}

UsbTaskRecord UsbTaskRecord::parse(const QByteArray &bytes, const QString &contentPath, int recordNumber)
{
    RecordField::requireSize(bytes, kSize, contentPath, recordNumber);
    const UsbTaskRecord task = fromBytes(bytes);
    if (task.address > UsbRecordFormat::kMaxAddress)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("адрес устройства %1 длиннее %2 бит")
                                          .arg(int(task.address))
                                          .arg(UsbRecordFormat::kAddressBits));
    if (task.endpoint > UsbRecordFormat::kMaxEndpoint)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("номер конечной точки %1 длиннее %2 бит")
                                          .arg(int(task.endpoint))
                                          .arg(UsbRecordFormat::kEndpointBits));
    return task;
}

std::optional<UsbTaskRecord> UsbTaskRecord::readRandom(const QString &contentPath)
{
    return readRandomRecord<UsbTaskRecord>(contentPath);
}
