#pragma once

#include "scsi/phaserecordformat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// The SCSI bus phases and signals of task 1, in the order of the exercise's
// phase list and signal check boxes.
namespace PhaseTable {

constexpr int kPhaseCount = int(PhaseRecordFormat::kPhases.size());
constexpr int kSignalCount = int(PhaseRecordFormat::kSignals.size());

// List item ("BUS FREE") and drawn abbreviation ("BF") of a phase code;
// empty for a code outside 0 … 9.
QString listItem(int code);
QString abbreviation(int code);

using Signal = PhaseRecordFormat::Signal;
constexpr const std::array<Signal, kSignalCount> &signalTable()
{
    return PhaseRecordFormat::kSignals;
}
// The bits of all nine signals.
constexpr quint16 allSignalBits()
{
    return PhaseRecordFormat::allSignalBits();
}
// A signal's check box caption, "BSY#".
QString caption(const Signal &signal);

} // namespace PhaseTable

// One phase of a chain: phase code and the mask of asserted signals.
struct PhaseStep {
    qint32 phase = 0;
    quint16 mask = 0;
    bool operator==(const PhaseStep &other) const = default;
};

// One task of "scsi\quest\scsi_les1.dat" (layout in PhaseRecordFormat).
struct PhaseTaskRecord {
    static constexpr int kSize = PhaseRecordFormat::kSize;
    static constexpr int kEntryCount = PhaseRecordFormat::kMaxPhases;

    QString text;
    // The number of phases N of the answer, 1 … 21.
    int phaseCount = 0;
    // All 21 stored entries; only the first phaseCount are the answer.
    std::array<PhaseStep, kEntryCount> entries{};

    QList<PhaseStep> answer() const;

    // Parses a record; recordNumber counts from 1 and is named in the error.
    // Throws ContentError::badContent when N lies outside 1 … 21 or an answer
    // entry holds an unknown phase code or signal bit.
    static PhaseTaskRecord parse(const QByteArray &record, const QString &contentPath, int recordNumber);
    // Reads a random record of a task file; nullopt when the file holds no
    // whole record. Throws ContentError for a missing file or a bad record.
    static std::optional<PhaseTaskRecord> readRandom(const QString &contentPath);
};
