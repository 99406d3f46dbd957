// The USB task decoder over a whole task file: a record either asks for an
// answer the entries can give (address of 7 bits, endpoint of 4) or is
// refused naming the file and the record.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "usb/usbtask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::bytes(data, size);
    const QString path = QStringLiteral("usb\\quest\\usb_les.dat");
    const qsizetype recordSize = UsbTaskRecord::kSize;
    for (qsizetype at = 0, number = 1; at + recordSize <= file.size(); at += recordSize, ++number) {
        const QByteArray record = file.mid(at, recordSize);
        try {
            const UsbTaskRecord task = UsbTaskRecord::parse(record, path, int(number));
            Fuzz::require(task.address < 0x80 && task.endpoint < 0x10, "the answer fits the entries");
            Fuzz::require(task.text.size() <= UsbRecordFormat::kTextLength, "text within its field");
            Fuzz::require(task.data == quint8(record[505]) && task.pid == quint8(record[501]), "fields read back");
        } catch (const ContentError &error) {
            Fuzz::requireNames(error, path);
            Fuzz::require(error.message().contains(QStringLiteral("№ %1").arg(number)), "the message names the record");
        }
    }
    return 0;
}
