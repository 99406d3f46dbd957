#include "usb/usbtask.h"

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
