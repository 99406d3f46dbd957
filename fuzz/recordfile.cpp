// The record file reader: the count is the size divided by the record size,
// each record reads back exactly the bytes written, a record past the end is
// refused with a message naming the file.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "platform/recordfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int recordSize = 1 + data[0] % 64;
    const QByteArray content = Fuzz::bytes(data + 1, size - 1);
    const QString path = QStringLiteral("quest\\tasks.dat");
    Fuzz::writeScratch(QStringLiteral("quest/tasks.dat"), content);
    const RecordFile file(path, recordSize);
    Fuzz::require(file.count() == content.size() / recordSize, "count is size / record size");
    for (int i = 0; i < file.count() && i < 256; ++i)
        Fuzz::require(file.read(i) == content.mid(qsizetype(i) * recordSize, recordSize), "record reads back");
    try {
        file.read(file.count());
        Fuzz::require(false, "a record past the end is refused");
    } catch (const ContentError &error) {
        Fuzz::requireNames(error, path);
    }
    return 0;
}
