#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// The SCSI bus phases and signals of task 1, in the order of the exercise's
// phase list and signal check boxes.
namespace PhaseTable {

constexpr int kPhaseCount = 10;
constexpr int kSignalCount = 9;

// List item ("BUS FREE") and drawn abbreviation ("BF") of a phase code;
// empty for a code outside 0 … 9.
QString listItem(int code);
QString abbreviation(int code);

struct Signal {
    const char *caption; // check box caption and the label drawn beside the circle, "BSY#"
    quint16 bit;         // bit value in the signal mask
};
const std::array<Signal, kSignalCount> &signalTable();
// The bits of all nine signals.
quint16 allSignalBits();

} // namespace PhaseTable

// One phase of a chain: phase code and the mask of asserted signals.
struct PhaseStep {
    qint32 phase = 0;
    quint16 mask = 0;
    bool operator==(const PhaseStep &other) const = default;
};

// One task of "scsi\quest\scsi_les1.dat": 676 bytes, little-endian.
struct PhaseTaskRecord {
    static constexpr int kSize = 676;
    static constexpr int kTextOffset = 1;
    static constexpr int kTextLength = 503;
    static constexpr int kCountOffset = 504;
    static constexpr int kEntriesOffset = 508;
    static constexpr int kEntrySize = 8;
    static constexpr int kEntryCount = 21;

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
