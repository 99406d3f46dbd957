#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>
#include <optional>

// SCSI command-descriptor tasks (X.cdb -> X.dat): 520-byte records.
//   0        not used (0)
//   1..503   task text, Windows-1251, zero-terminated, zero-padded
//   504      int32 LE: size code, 0 = 6 bytes, 1 = 10 bytes, 2 = 12 bytes
//   508..519 the descriptor bytes, byte 0 first, zero after the last used one
namespace DescriptorSource {

constexpr int RecordSize = 520;
constexpr int TextOffset = 1;
constexpr int TextField = 503;
constexpr int SizeOffset = 504;
constexpr int BytesOffset = 508;
constexpr int MaxBytes = 12;

struct Descriptor {
    int size = 6; // 6, 10 or 12
    qint64 opcode = 0;
    qint64 lun = 0;
    qint64 lba = 0;
    qint64 length = 0;
    qint64 control = 0;
};

// The size code stored in the record; -1 for a size that is not 6, 10 or 12.
int sizeCode(int size);
// Highest LBA and length that fit a descriptor of the size.
qint64 maxLba(int size);
qint64 maxLength(int size);

// The descriptor bytes laid out as the exercise expects (size bytes; values
// must already fit their fields).
QByteArray pack(const Descriptor &descriptor);

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace DescriptorSource
