// The command-descriptor task decoder over a whole task file: every record
// either parses into a descriptor of 6, 10 or 12 bytes or is refused naming
// the file and the record.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "scsi/descriptortask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::bytes(data, size);
    const QString path = QStringLiteral("scsi\\quest\\scsi_les2.dat");
    const qsizetype recordSize = DescriptorTaskRecord::kSize;
    for (qsizetype at = 0, number = 1; at + recordSize <= file.size(); at += recordSize, ++number) {
        try {
            const DescriptorTaskRecord task = DescriptorTaskRecord::parse(file.mid(at, recordSize), path, int(number));
            const int count = task.byteCount();
            Fuzz::require(count == 6 || count == 10 || count == 12, "descriptor of 6, 10 or 12 bytes");
            Fuzz::require(task.text.size() <= DescriptorRecordFormat::kTextLength, "text within its field");
        } catch (const ContentError &error) {
            Fuzz::requireNames(error, path);
            Fuzz::require(error.message().contains(QStringLiteral("№ %1").arg(number)), "the message names the record");
        }
    }
    return 0;
}
