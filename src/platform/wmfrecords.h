#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// The framing of a Windows metafile: the optional placeable header, the
// metafile header and the list of records, each checked to lie inside the
// data. Nothing here reads a byte it has not checked.
namespace Wmf {

// Largest metafile accepted; course pictures are a few kilobytes.
constexpr qsizetype kMaxFileBytes = 8 * 1024 * 1024;

struct Placeable {
    QRect bounds; // the picture's frame in logical units
    int unitsPerInch = 0;
};

struct Header {
    std::optional<Placeable> placeable;
    int objectCount = 0; // slots of the object table
};

// One record: its function number and its parameters as 16-bit words.
struct Record {
    quint16 function = 0;
    qsizetype offset = 0; // byte offset of the first parameter word
    int wordCount = 0;    // parameter words (the record's size less its 3-word head)
    int number = 0;       // counting from 1, for messages
};

// Reads the parameters of one record; every access is checked against the
// record's own size, so a short record is noticed rather than overrun.
class Params {
public:
    Params(const QByteArray &data, const Record &record)
        : m_data(data)
        , m_record(record)
    {}

    int count() const { return m_record.wordCount; }
    bool has(qsizetype words) const { return words >= 0 && words <= m_record.wordCount; }
    quint16 word(int index) const; // 0 when index is outside the record
    qint16 sword(int index) const { return qint16(word(index)); }
    quint32 dword(int index) const { return quint32(word(index)) | (quint32(word(index + 1)) << 16); }
    // Raw bytes starting at parameter word index; empty when they do not fit.
    QByteArray bytes(int wordIndex, qsizetype length) const;

private:
    const QByteArray &m_data;
    const Record &m_record;
};

struct File {
    Header header;
    QList<Record> records; // up to, not including, the end-of-file record
};

// The framing of bytes, or an error text saying what is damaged.
struct ParseResult {
    File file;
    QString error;
};
ParseResult parse(const QByteArray &bytes);

} // namespace Wmf
