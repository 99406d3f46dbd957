#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>
#include <optional>

// SCSI command-descriptor tasks (X.cdb -> X.dat), records and field layouts
// as DescriptorRecordFormat gives them.
namespace DescriptorSource {

struct Descriptor {
    int size = 6; // 6, 10 or 12
    qint64 opcode = 0;
    qint64 lun = 0;
    qint64 lba = 0;
    qint64 length = 0;
    qint64 control = 0;
};

// Highest LBA and length that fit a descriptor of the size.
qint64 maxLba(int size);
qint64 maxLength(int size);

// The descriptor bytes in the field layout of its size (size bytes; values
// must already fit their fields).
QByteArray pack(const Descriptor &descriptor);

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace DescriptorSource
