#pragma once

#include "scsi/descriptorrecordformat.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// One task of "scsi\quest\scsi_les2.dat" (layout in DescriptorRecordFormat).
struct DescriptorTaskRecord {
    static constexpr int kSize = DescriptorRecordFormat::kSize;
    static constexpr int kMaxBytes = DescriptorRecordFormat::kMaxBytes;

    QString text;
    int sizeCode = 0; // 0 = 6 bytes, 1 = 10 bytes, 2 = 12 bytes
    std::array<quint8, kMaxBytes> bytes{};

    int byteCount() const;

    // Parses a record; recordNumber counts from 1 and is named in the error.
    // Throws ContentError::badContent for a size code other than 0, 1, 2.
    static DescriptorTaskRecord parse(const QByteArray &record, const QString &contentPath, int recordNumber);
    // Reads a random record; nullopt when the file holds no whole record.
    static std::optional<DescriptorTaskRecord> readRandom(const QString &contentPath);
};

// The descriptor sizes of the size choice and the field layout each must have.
namespace DescriptorLayout {

constexpr int kSizeCount = DescriptorRecordFormat::kSizeCount;
constexpr int kRowCount = 13;                                 // rows of the form
constexpr int kByteEdits = DescriptorRecordFormat::kMaxBytes; // value edits of the form

using Field = DescriptorRecordFormat::Field;
constexpr int byteCount(int sizeCode)
{
    return DescriptorRecordFormat::byteCount(sizeCode);
}
// Rows 1 … 7, 9 or 11 of the layout that must be entered for a size.
QList<Field> fields(int sizeCode);
// Rows of the form shown for a size: 7, 11 or 13.
int visibleRows(int sizeCode);
// The caption of the size choice, "6 байт".
QString sizeCaption(int sizeCode);
// The items of the field-name lists: an empty item, then the five names.
QStringList nameItems();
// The items of the byte-number lists: an empty item, then "0" … "11".
QStringList byteItems();

} // namespace DescriptorLayout
