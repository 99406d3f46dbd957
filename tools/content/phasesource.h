#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// SCSI bus-phase tasks (X.phases -> X.dat), records as PhaseRecordFormat lays them out.
namespace PhaseSource {

// Phase names in code order (the index is the phase code).
const QStringList &phaseNames();
// Signal names in bit order (bit value 1 << index).
const QStringList &signalNames();

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace PhaseSource
