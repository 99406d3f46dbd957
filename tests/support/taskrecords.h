#pragma once

#include "scsi/phasetask.h"

#include <QByteArray>
#include <QList>

// Task records written byte by byte at the offsets the task files fix, for
// tests that make their own task files. The offsets stand here on their own,
// so the tests check the readers' format headers instead of repeating them.
// A text longer than its field is cut at the field's end.
namespace TaskRecords {

// "scsi\quest\scsi_les1.dat": 676 bytes; text at 1 (503 bytes), the phase
// count at 504, then up to 21 entries of 8 bytes at 508 (int32 phase code,
// uint16 signal mask).
QByteArray phase(const QByteArray &text, qint32 count, const QList<PhaseStep> &entries);
// The same with the count of the answer's steps.
QByteArray phase(const QByteArray &text, const QList<PhaseStep> &answer);

// "scsi\quest\scsi_les2.dat": 520 bytes; text at 1 (503 bytes), the size
// code at 504, up to 12 descriptor bytes at 508.
QByteArray descriptor(const QByteArray &text, qint32 sizeCode, const QByteArray &bytes);

// "usb\quest\usb_les.dat": 506 bytes; text at 1 (500 bytes), the five packet
// fields at 501 … 505.
QByteArray usb(const QByteArray &text, quint8 pid, quint8 address, quint8 endpoint, quint8 dataPid, quint8 data);

} // namespace TaskRecords
