#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

// A file of fixed-size binary records without a header, opened read-only;
// the record count is the file size divided by the record size (whole records
// only, a trailing partial record is ignored). A record is read by seeking to
// it; the file stays open while the object lives.
class RecordFile {
public:
    // Throws ContentError::missingFile when the file cannot be opened and
    // ContentError::badContent for a folder, device or pipe, or a file beyond
    // ContentFile::kMaxRecordFile.
    RecordFile(const QString &contentPath, int recordSize);

    int count() const { return m_count; }
    QString contentPath() const { return m_path; }
    // Record index (0-based); always exactly recordSize bytes.
    QByteArray read(int index) const;
    // A record drawn uniformly with the program's generator; index receives its number.
    // Returns an empty array when the file holds no whole record.
    QByteArray readRandom(int *index = nullptr) const;

private:
    QString m_path;
    std::shared_ptr<QFile> m_file; // shared by copies; reads seek before they read
    int m_recordSize;
    int m_count;
};

// The record interface of the task files: a Record has kSize and
// parse(bytes, contentPath, recordNumber counted from 1), which throws
// ContentError::badRecord naming the file and the record. This draws a record
// at random and parses it; nullopt when the file holds no whole record.
template <typename Record> std::optional<Record> readRandomRecord(const QString &contentPath)
{
    const RecordFile file(contentPath, Record::kSize);
    int index = 0;
    const QByteArray record = file.readRandom(&index);
    if (record.isEmpty())
        return std::nullopt;
    return Record::parse(record, contentPath, index + 1);
}

// Little-endian fields of a record, read within bounds.
namespace RecordField {
// Throws ContentError::badRecord (recordNumber counted from 1) when the record
// is not exactly size bytes long.
void requireSize(const QByteArray &record, int size, const QString &contentPath, int recordNumber);
qint32 int32(const QByteArray &record, int offset);
quint16 uint16(const QByteArray &record, int offset);
quint8 byte(const QByteArray &record, int offset);
} // namespace RecordField
