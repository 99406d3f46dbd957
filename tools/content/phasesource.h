#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// SCSI bus-phase tasks (X.phases -> X.dat): 676-byte records.
//   0        not used (0)
//   1..503   task text, Windows-1251, zero-terminated, zero-padded
//   504      int32 LE: number of phases N (1..21)
//   508      21 entries of 8 bytes: int32 LE phase code, uint16 LE signal mask, 2 zero bytes
namespace PhaseSource {

constexpr int RecordSize = 676;
constexpr int TextOffset = 1;
constexpr int TextField = 503;
constexpr int CountOffset = 504;
constexpr int EntriesOffset = 508;
constexpr int EntrySize = 8;
constexpr int MaxPhases = 21;

// Phase names in code order (the index is the phase code).
const QStringList &phaseNames();
// Signal names in bit order (bit value 1 << index).
const QStringList &signalNames();

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace PhaseSource
