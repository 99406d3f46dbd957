#include "chmdirectory.h"

#include <QSet>

namespace ChmDirectory {

namespace {

class Reader {
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {}

    bool has(qint64 offset, qint64 size) const { return offset >= 0 && size >= 0 && offset + size <= m_bytes.size(); }

    quint64 le(qint64 offset, int size) const
    {
        quint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(m_bytes[offset + i]);
        return value;
    }

    bool signature(qint64 offset, const char *tag) const { return has(offset, 4) && m_bytes.mid(offset, 4) == tag; }

    // A variable-length integer: 7 bits a byte, most significant first, high bit set on all but the last.
    std::optional<quint64> encint(qint64 &offset, qint64 end) const
    {
        quint64 value = 0;
        for (int i = 0; i < 9; ++i) {
            if (offset >= end)
                return std::nullopt;
            const quint8 byte = quint8(m_bytes[offset++]);
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    }

    QByteArray mid(qint64 offset, qint64 size) const { return m_bytes.mid(offset, size); }

private:
    const QByteArray &m_bytes;
};

} // namespace

std::optional<QStringList> list(const QByteArray &file)
{
    const Reader reader(file);
    if (!reader.signature(0, "ITSF") || !reader.has(0, 88))
        return std::nullopt;
    const qint64 directory = qint64(reader.le(72, 8));
    if (!reader.signature(directory, "ITSP") || !reader.has(directory, 0x54))
        return std::nullopt;
    const qint64 headerLength = qint64(reader.le(directory + 8, 4));
    const qint64 chunkSize = qint64(reader.le(directory + 16, 4));
    const qint32 firstListing = qint32(reader.le(directory + 32, 4));
    const qint64 chunkCount = qint64(reader.le(directory + 44, 4));
    if (chunkSize < 32 || chunkSize > (1 << 20) || firstListing < 0 || firstListing >= chunkCount)
        return std::nullopt;
    const qint64 chunks = directory + headerLength;

    QStringList names;
    QSet<qint32> visited;
    for (qint32 chunk = firstListing; chunk != -1;) {
        if (chunk < 0 || chunk >= chunkCount || visited.contains(chunk))
            return std::nullopt;
        visited.insert(chunk);
        const qint64 start = chunks + qint64(chunk) * chunkSize;
        if (!reader.signature(start, "PMGL") || !reader.has(start, chunkSize))
            return std::nullopt;
        const qint64 freeSpace = qint64(reader.le(start + 4, 4));
        const qint64 end = start + chunkSize - freeSpace;
        if (freeSpace > chunkSize - 20)
            return std::nullopt;
        qint64 offset = start + 20;
        while (offset < end) {
            const std::optional<quint64> nameLength = reader.encint(offset, end);
            if (!nameLength || offset + qint64(*nameLength) > end)
                return std::nullopt;
            names.append(QString::fromUtf8(reader.mid(offset, qint64(*nameLength))));
            offset += qint64(*nameLength);
            for (int field = 0; field < 3; ++field) { // section, offset, length
                if (!reader.encint(offset, end))
                    return std::nullopt;
            }
        }
        chunk = qint32(reader.le(start + 16, 4));
    }
    return names;
}

} // namespace ChmDirectory
