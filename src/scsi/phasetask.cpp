#include "scsi/phasetask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

namespace PhaseTable {

namespace {

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString listItem(int code)
{
    if (code < 0 || code >= kPhaseCount)
        return QString();
    return latin1(PhaseRecordFormat::kPhases[code].name);
}

QString abbreviation(int code)
{
    if (code < 0 || code >= kPhaseCount)
        return QString();
    return latin1(PhaseRecordFormat::kPhases[code].abbreviation);
}

QString caption(const Signal &signal)
{
    return latin1(signal.caption);
}

} // namespace PhaseTable

QList<PhaseStep> PhaseTaskRecord::answer() const
{
    return QList<PhaseStep>(entries.begin(), entries.begin() + qBound(0, phaseCount, kEntryCount));
}

PhaseTaskRecord PhaseTaskRecord::parse(const QByteArray &record, const QString &contentPath, int recordNumber)
{
    const auto bad = [&](const QString &what) { return ContentError::badRecord(contentPath, recordNumber, what); };
    RecordField::requireSize(record, kSize, contentPath, recordNumber);

    PhaseTaskRecord task;
    task.text = Cp1251::decodeZeroTerminated(record.constData() + PhaseRecordFormat::kTextOffset,
                                             PhaseRecordFormat::kTextLength);
    task.phaseCount = RecordField::int32(record, PhaseRecordFormat::kCountOffset);
    if (task.phaseCount < 1 || task.phaseCount > kEntryCount)
        throw bad(QStringLiteral("число фаз %1 (допустимо от 1 до %2)").arg(task.phaseCount).arg(kEntryCount));
    for (int i = 0; i < kEntryCount; ++i) {
        const int offset = PhaseRecordFormat::entryOffset(i);
        task.entries[i] = PhaseStep{RecordField::int32(record, offset),
                                    RecordField::uint16(record, offset + PhaseRecordFormat::kMaskOffset)};
    }
    const quint16 known = PhaseTable::allSignalBits();
    for (int i = 0; i < task.phaseCount; ++i) {
        const PhaseStep &entry = task.entries[i];
        if (entry.phase < 0 || entry.phase >= PhaseTable::kPhaseCount)
            throw bad(QStringLiteral("фаза %1 имеет неизвестный код %2").arg(i + 1).arg(entry.phase));
        if (entry.mask & ~known)
            throw bad(QStringLiteral("фаза %1 имеет неизвестные сигналы (маска %2)").arg(i + 1).arg(entry.mask));
    }
    return task;
}

std::optional<PhaseTaskRecord> PhaseTaskRecord::readRandom(const QString &contentPath)
{
    return readRandomRecord<PhaseTaskRecord>(contentPath);
}
