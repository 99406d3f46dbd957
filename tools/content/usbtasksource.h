#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>

// USB packet tasks (X.usbtasks -> X.dat): 506-byte records.
//   0        not used (0)
//   1..500   task text, Windows-1251, zero-terminated, zero-padded
//   501      token PID     502 device address    503 endpoint
//   504      data PID      505 data byte
namespace UsbTaskSource {

constexpr int RecordSize = 506;
constexpr int TextOffset = 1;
constexpr int TextField = 500;
constexpr int TokenOffset = 501;
constexpr int AddressOffset = 502;
constexpr int EndpointOffset = 503;
constexpr int DataPidOffset = 504;
constexpr int DataByteOffset = 505;

// The PID byte of a packet: the 4-bit code in the low nibble, its complement in the high one.
quint8 pidByte(quint8 code);

Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace UsbTaskSource
