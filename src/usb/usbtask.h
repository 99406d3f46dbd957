#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One task of "usb\quest\usb_les.dat": 506 bytes, the task text in bytes
// 1 .. 500 (Windows-1251, up to the first zero byte or the field's end) and
// the five expected packet fields in bytes 501 .. 505.
struct UsbTaskRecord {
    static constexpr int kSize = 506;
    static constexpr int kTextOffset = 1;
    static constexpr int kTextSize = 500;

    QString text;
    quint8 pid = 0;
    quint8 address = 0;
    quint8 endpoint = 0;
    quint8 dataPid = 0;
    quint8 data = 0;

    // A record of exactly kSize bytes; a shorter array reads as if padded with zeros.
    static UsbTaskRecord fromBytes(const QByteArray &bytes);
    // The same, checked: an address of more than 7 bits or an endpoint of
    // more than 4 bits asks for an answer no entry can give, and throws
    // ContentError::badRecord naming the file and the record (from 1).
    static UsbTaskRecord parse(const QByteArray &bytes, const QString &contentPath, int recordNumber);
};
