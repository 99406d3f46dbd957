#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>

// USB packet tasks (X.usbtasks -> X.dat), records as UsbRecordFormat lays them out.
namespace UsbTaskSource {

// The PID byte of a packet: the 4-bit code in the low nibble, its complement in the high one.
quint8 pidByte(quint8 code);

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace UsbTaskSource
