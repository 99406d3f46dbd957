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
    task.text = Cp1251::decodeZeroTerminated(record.constData() + kTextOffset, kTextSize);
    task.pid = RecordField::byte(record, 501);
    task.address = RecordField::byte(record, 502);
    task.endpoint = RecordField::byte(record, 503);
    task.dataPid = RecordField::byte(record, 504);
    task.data = RecordField::byte(record, 505);
    return task;
}

UsbTaskRecord UsbTaskRecord::parse(const QByteArray &bytes, const QString &contentPath, int recordNumber)
{
    const UsbTaskRecord task = fromBytes(bytes);
    if (task.address > 0x7F)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("адрес устройства %1 длиннее 7 бит").arg(int(task.address)));
    if (task.endpoint > 0x0F)
        throw ContentError::badRecord(contentPath, recordNumber,
                                      QStringLiteral("номер конечной точки %1 длиннее 4 бит").arg(int(task.endpoint)));
    return task;
}
