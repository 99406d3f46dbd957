#pragma once

#include "usb/usbrecordformat.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// One task of "usb\quest\usb_les.dat" (layout in UsbRecordFormat): the task
// text and the five expected packet fields.
struct UsbTaskRecord {
    static constexpr int kSize = UsbRecordFormat::kSize;

    QString text;
    quint8 pid = 0;
    quint8 address = 0;
    quint8 endpoint = 0;
    quint8 dataPid = 0;
    quint8 data = 0;

    // The fields as they stand, unchecked; a shorter array reads as if padded with zeros.
    static UsbTaskRecord fromBytes(const QByteArray &bytes);
    // Parses a record of exactly kSize bytes; recordNumber counts from 1 and
    // is named in the error. An address of more than 7 bits or an endpoint of
    // more than 4 bits asks for an answer no entry can give: ContentError::badRecord.
    static UsbTaskRecord parse(const QByteArray &bytes, const QString &contentPath, int recordNumber);
    // Reads a random record; nullopt when the file holds no whole record.
    static std::optional<UsbTaskRecord> readRandom(const QString &contentPath);
};
