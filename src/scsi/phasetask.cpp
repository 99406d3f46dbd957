#include "scsi/phasetask.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/recordfile.h"

namespace {

struct Phase {
    const char *item;
    const char *abbreviation;
};

constexpr std::array<Phase, PhaseTable::kPhaseCount> kPhases = {{
    {"BUS FREE", "BF"},
    {"ARBITRATION", "AR"},
    {"SELECTION", "SE"},
    {"RESELECTION", "RS"},
    {"COMMAND", "CM"},
    {"DATA IN", "DI"},
    {"DATA OUT", "DO"},
    {"STATUS", "ST"},
    {"MESSAGE IN", "MI"},
    {"MESSAGE OUT", "MO"},
}};

constexpr std::array<PhaseTable::Signal, PhaseTable::kSignalCount> kSignals = {{
    {"BSY#", 1},
    {"SEL#", 2},
    {"REQ#", 4},
    {"C/D#", 8},
    {"I/O#", 16},
    {"MSG#", 32},
    {"ACK#", 64},
    {"ATN#", 128},
    {"DBx# DBPx#", 256},
}};

} // namespace

namespace PhaseTable {

QString listItem(int code)
{
    if (code < 0 || code >= kPhaseCount)
        return QString();
    return QString::fromLatin1(kPhases[code].item);
}

QString abbreviation(int code)
{
    if (code < 0 || code >= kPhaseCount)
        return QString();
    return QString::fromLatin1(kPhases[code].abbreviation);
}

const std::array<Signal, kSignalCount> &signalTable()
{
    return kSignals;
}

quint16 allSignalBits()
{
    quint16 bits = 0;
    for (const Signal &signal : kSignals)
        bits |= signal.bit;
    return bits;
}

} // namespace PhaseTable

QList<PhaseStep> PhaseTaskRecord::answer() const
{
    return QList<PhaseStep>(entries.begin(), entries.begin() + qBound(0, phaseCount, kEntryCount));
}

PhaseTaskRecord PhaseTaskRecord::parse(const QByteArray &record, const QString &contentPath, int recordNumber)
{
    const auto bad = [&](const QString &what) { return ContentError::badRecord(contentPath, recordNumber, what); };
    if (record.size() != kSize)
        throw bad(QStringLiteral("длина %1 байт вместо %2").arg(record.size()).arg(kSize));

    PhaseTaskRecord task;
    task.text = Cp1251::decodeZeroTerminated(record.constData() + kTextOffset, kTextLength);
    task.phaseCount = RecordField::int32(record, kCountOffset);
    if (task.phaseCount < 1 || task.phaseCount > kEntryCount)
        throw bad(QStringLiteral("число фаз %1 (допустимо от 1 до %2)").arg(task.phaseCount).arg(kEntryCount));
    for (int i = 0; i < kEntryCount; ++i) {
        const int offset = kEntriesOffset + i * kEntrySize;
        task.entries[i] = PhaseStep{RecordField::int32(record, offset), RecordField::uint16(record, offset + 4)};
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
