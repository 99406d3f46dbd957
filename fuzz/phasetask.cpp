// The bus-phase task decoder over a whole task file: every record either
// parses into an answer of 1 .. 21 known phases or is refused naming the file
// and the record.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "scsi/phasetask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::bytes(data, size);
    const QString path = QStringLiteral("scsi\\quest\\scsi_les1.dat");
    for (qsizetype at = 0, number = 1; at + PhaseTaskRecord::kSize <= file.size();
         at += PhaseTaskRecord::kSize, ++number) {
        try {
            const PhaseTaskRecord task =
                PhaseTaskRecord::parse(file.mid(at, PhaseTaskRecord::kSize), path, int(number));
            Fuzz::require(task.phaseCount >= 1 && task.phaseCount <= PhaseTaskRecord::kEntryCount,
                          "phase count 1 .. 21");
            Fuzz::require(task.answer().size() == task.phaseCount, "answer holds the counted phases");
            Fuzz::require(task.text.size() <= PhaseRecordFormat::kTextLength, "text within its field");
        } catch (const ContentError &error) {
            Fuzz::requireNames(error, path);
            Fuzz::require(error.message().contains(QStringLiteral("№ %1").arg(number)), "the message names the record");
        }
    }
    return 0;
}
