#include "platform/chmcheck.h"

#include <QByteArray>
#include <QIODevice>
#include <limits>
#include <optional>
#include <vector>

namespace ChmCheck {

namespace {

constexpr qint64 kItsfV2Length = 0x58;
constexpr qint64 kItsfV3Length = 0x60;
constexpr qint64 kItspLength = 0x54;
constexpr qint64 kPmglHeaderLength = 0x14;
constexpr qint64 kPmgiHeaderLength = 0x08;
constexpr qint64 kMaxDirectory = 64 * 1024 * 1024;
constexpr quint64 kMaxPathLength = 512;
constexpr quint64 kLzxBlock = 0x8000;

const char *const kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
const char *const kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
const char *const kContent = "::DataSpace/Storage/MSCompressed/Content";

// Little-endian reads that never pass the end of the bytes.
class Bytes {
public:
    explicit Bytes(const QByteArray &bytes)
        : m_bytes(bytes)
    {}
    qint64 size() const { return m_bytes.size(); }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    quint32 u32(qint64 offset) const
    {
        if (!has(offset, 4))
            return 0;
        quint32 value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | quint8(m_bytes[offset + i]);
        return value;
    }
    quint64 u64(qint64 offset) const
    {
        if (!has(offset, 8))
            return 0;
        return quint64(u32(offset)) | (quint64(u32(offset + 4)) << 32);
    }
    bool tagAt(qint64 offset, const char *tag) const
    {
        return has(offset, 4) && m_bytes.mid(offset, 4) == QByteArray(tag, 4);
    }
    // A variable-length number of the directory: 7 bits a byte, high bit set on all but the last.
    std::optional<quint64> encint(qint64 &offset, qint64 end) const
    {
        quint64 value = 0;
        for (int count = 0; count < 9; ++count) {
            if (offset >= end || !has(offset, 1))
                return std::nullopt;
            const quint8 byte = quint8(m_bytes[offset++]);
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    }
    QByteArray mid(qint64 offset, qint64 length) const { return m_bytes.mid(offset, length); }

private:
    QByteArray m_bytes;
};

struct Entry {
    quint64 section = 0;
    quint64 offset = 0;
    quint64 length = 0;
};

struct Directory {
    std::optional<Entry> controlData;
    std::optional<Entry> resetTable;
    std::optional<Entry> content;
    quint64 largestCompressedEnd = 0;
    QList<QByteArray> names;
};

Result damaged(const QString &reason)
{
    return {Verdict::Damaged, reason, {}};
}

QByteArray readAt(QIODevice &file, qint64 offset, qint64 length)
{
    if (offset < 0 || length < 0 || !file.seek(offset))
        return {};
    return file.read(length);
}

bool isPowerOfTwo(quint64 value)
{
    return value && !(value & (value - 1));
}

// The children named by an index block (PMGI), in order; nullopt when an entry runs past the block.
std::optional<std::vector<qint64>> indexChildren(const Bytes &dir, qint64 base, quint64 chunkSize)
{
    const quint64 freeSpace = dir.u32(base + 0x04);
    if (freeSpace > chunkSize - kPmgiHeaderLength)
        return std::nullopt;
    const qint64 end = base + qint64(chunkSize - freeSpace);
    std::vector<qint64> children;
    qint64 at = base + kPmgiHeaderLength;
    while (at < end) {
        const auto nameLength = dir.encint(at, end);
        if (!nameLength || *nameLength > kMaxPathLength || qint64(*nameLength) > end - at)
            return std::nullopt;
        at += qint64(*nameLength);
        const auto child = dir.encint(at, end);
        if (!child)
            return std::nullopt;
        children.push_back(*child > quint64(std::numeric_limits<qint32>::max()) ? -2 : qint64(*child));
    }
    return children;
}

// The directory's blocks, numbered from 0 after the directory header.
struct Blocks {
    const Bytes &dir;
    qint64 headerLength;
    quint64 chunkSize;
    quint64 chunkCount;

    qint64 at(qint64 block) const { return headerLength + block * qint64(chunkSize); }
    bool inRange(qint64 block) const { return block >= 0 && quint64(block) < chunkCount; }
};

// The chain of listing blocks from the header's first one.
std::optional<QString> checkListingChain(const Blocks &blocks, qint64 head)
{
    const Bytes &dir = blocks.dir;
    std::vector<bool> listed(blocks.chunkCount, false);
    for (qint64 block = head; block != -1;) {
        if (!blocks.inRange(block))
            return QStringLiteral("неверный номер следующего блока каталога (%1)").arg(block);
        if (listed[size_t(block)])
            return QStringLiteral("блоки каталога ссылаются друг на друга по кругу (блок %1)").arg(block);
        listed[size_t(block)] = true;
        const qint64 base = blocks.at(block);
        if (!dir.tagAt(base, "PMGL"))
            break; // the library stops at a block that is not a listing
        block = qint32(dir.u32(base + 0x10));
    }
    return std::nullopt;
}

// Depth-first over every branch of the index from its root, as a name may lead down any of them.
std::optional<QString> checkIndexTree(const Blocks &blocks, qint64 root)
{
    const quint64 chunkCount = blocks.chunkCount;
    enum : quint8 { Unseen, OnPath, Done };
    std::vector<quint8> state(chunkCount, Unseen);
    struct Step {
        qint64 block;
        std::vector<qint64> children;
        size_t next = 0;
    };
    std::vector<Step> path;
    const auto enter = [&](qint64 block) -> std::optional<QString> {
        if (!blocks.inRange(block))
            return QStringLiteral("индекс каталога ссылается на блок %1, которого нет").arg(block);
        if (state[size_t(block)] == OnPath)
            return QStringLiteral("индекс каталога ссылается по кругу (блок %1)").arg(block);
        if (state[size_t(block)] == Done)
            return std::nullopt;
        if (path.size() >= chunkCount)
            return QStringLiteral("индекс каталога глубже числа блоков");
        state[size_t(block)] = OnPath;
        Step step{block, {}, 0};
        if (blocks.dir.tagAt(blocks.at(block), "PMGI")) {
            auto children = indexChildren(blocks.dir, blocks.at(block), blocks.chunkSize);
            if (!children)
                return QStringLiteral("неверная запись индекса каталога (блок %1)").arg(block);
            step.children = std::move(*children);
        }
        path.push_back(std::move(step));
        return std::nullopt;
    };
    if (const auto fault = enter(root))
        return fault;
    while (!path.empty()) {
        Step &top = path.back();
        if (top.next < top.children.size()) {
            const qint64 child = top.children[top.next++];
            if (const auto fault = enter(child))
                return fault;
        } else {
            state[size_t(top.block)] = Done;
            path.pop_back();
        }
    }
    return std::nullopt;
}

// The container library lists files by following the listing blocks' next
// links from the header's first listing block, and finds a file by walking
// down the index blocks from the index root. Both walks must end: a block
// that names itself or an earlier block as its next one, or an index whose
// children lead back up, would make the library loop for ever.
std::optional<QString> checkChains(const Bytes &dir, qint64 headerLength, quint64 chunkSize, quint64 chunkCount)
{
    const Blocks blocks{dir, headerLength, chunkSize, chunkCount};
    const qint64 head = qint32(dir.u32(0x20));
    if (const auto fault = checkListingChain(blocks, head))
        return fault;
    qint64 root = qint32(dir.u32(0x1C));
    if (root < 0)
        root = head; // no index blocks: the first listing block is the root
    if (!blocks.inRange(root))
        return QStringLiteral("неверный номер корня индекса каталога (%1)").arg(root);
    return checkIndexTree(blocks, root);
}

// Walks the chain of listing chunks; records the entries the container library relies on.
std::optional<QString> readDirectory(const Bytes &dir, Directory &out)
{
    if (!dir.tagAt(0, "ITSP"))
        return QStringLiteral("нет заголовка каталога");
    const qint64 headerLength = dir.u32(0x08);
    const quint64 chunkSize = dir.u32(0x10);
    const qint32 firstListing = qint32(dir.u32(0x20));
    const quint64 chunkCount = dir.u32(0x2C);
    if (headerLength < kItspLength || headerLength > dir.size())
        return QStringLiteral("неверная длина заголовка каталога");
    if (chunkSize < 0x40 || chunkSize > 0x100000)
        return QStringLiteral("неверный размер блока каталога");
    if (chunkCount == 0 || chunkCount > quint64(dir.size() - headerLength) / chunkSize)
        return QStringLiteral("каталог короче, чем указано в заголовке");
    if (firstListing < 0 || quint64(firstListing) >= chunkCount)
        return QStringLiteral("неверный номер первого блока каталога");

    int listings = 0;
    for (quint64 chunk = 0; chunk < chunkCount; ++chunk) {
        const qint64 base = headerLength + qint64(chunk * chunkSize);
        if (!dir.tagAt(base, "PMGL"))
            continue; // an index chunk (PMGI) or an unused one
        ++listings;
        const quint64 freeSpace = dir.u32(base + 0x04);
        if (freeSpace > chunkSize - kPmglHeaderLength)
            return QStringLiteral("неверная длина блока каталога");
        const qint64 end = base + qint64(chunkSize - freeSpace);
        qint64 at = base + kPmglHeaderLength;
        while (at < end) {
            const auto nameLength = dir.encint(at, end);
            if (!nameLength || *nameLength == 0 || *nameLength > kMaxPathLength || qint64(*nameLength) > end - at)
                return QStringLiteral("неверная запись каталога");
            const QByteArray name = dir.mid(at, qint64(*nameLength));
            at += qint64(*nameLength);
            const auto section = dir.encint(at, end);
            const auto offset = section ? dir.encint(at, end) : std::nullopt;
            const auto length = offset ? dir.encint(at, end) : std::nullopt;
            if (!length)
                return QStringLiteral("неверная запись каталога");
            const Entry entry{*section, *offset, *length};
            if (entry.section > 1)
                return QStringLiteral("запись каталога ссылается на неизвестный раздел");
            if (entry.offset > (quint64(1) << 48) || entry.length > (quint64(1) << 48))
                return QStringLiteral("неверные размеры записи каталога");
            if (entry.section == 1)
                out.largestCompressedEnd = qMax(out.largestCompressedEnd, entry.offset + entry.length);
            if (name == kControlData)
                out.controlData = entry;
            else if (name == kResetTable)
                out.resetTable = entry;
            else if (name == kContent)
                out.content = entry;
            out.names.append(name);
        }
    }
    if (listings == 0)
        return QStringLiteral("в каталоге нет ни одного блока со списком файлов");
    return checkChains(dir, headerLength, chunkSize, chunkCount);
}

// The parameters of the LZX compression (the ControlData object).
std::optional<QString> checkCompression(QIODevice &file, qint64 contentOffset, const Entry &control)
{
    if (control.length < 0x18 || control.length > 0x1000)
        return QStringLiteral("неверные параметры сжатия");
    const Bytes lzxc(readAt(file, contentOffset + qint64(control.offset), qint64(control.length)));
    if (!lzxc.tagAt(0x04, "LZXC"))
        return QStringLiteral("неизвестный способ сжатия");
    // The library does this arithmetic in 32 bits; so does the check, wrapping where it wraps.
    const quint32 version = lzxc.u32(0x08);
    quint32 resetInterval = lzxc.u32(0x0C);
    quint32 windowSize = lzxc.u32(0x10);
    const quint32 windowsPerReset = lzxc.u32(0x14);
    if (version == 2) {
        resetInterval *= quint32(kLzxBlock);
        windowSize *= quint32(kLzxBlock);
    } else if (version != 1) {
        return QStringLiteral("неизвестная версия сжатия");
    }
    if (!isPowerOfTwo(windowSize) || windowSize < (quint32(1) << 15) || windowSize > (quint32(1) << 21))
        return QStringLiteral("неверный размер окна сжатия");
    if (resetInterval < windowSize / 2 || resetInterval % (windowSize / 2) != 0)
        return QStringLiteral("неверный интервал сброса сжатия");
    // The library finds a block's reset point modulo this count: zero would divide by zero.
    const quint32 blocksPerReset = resetInterval / (windowSize / 2) * windowsPerReset;
    if (blocksPerReset == 0)
        return QStringLiteral("неверное число окон между сбросами сжатия");
    return std::nullopt;
}

// The reset table: where each compressed block begins.
std::optional<QString> checkResetTable(QIODevice &file, qint64 contentOffset, const Directory &dir)
{
    const Entry reset = *dir.resetTable;
    if (reset.length < 0x28 || reset.length > quint64(kMaxDirectory))
        return QStringLiteral("неверная таблица сжатых блоков");
    const Bytes table(readAt(file, contentOffset + qint64(reset.offset), qint64(reset.length)));
    if (table.size() != qint64(reset.length))
        return QStringLiteral("таблица сжатых блоков не прочитана");
    const quint64 blockCount = table.u32(0x04);
    const quint64 entrySize = table.u32(0x08);
    const quint64 tableOffset = table.u32(0x0C);
    const quint64 uncompressedLength = table.u64(0x10);
    const quint64 compressedLength = table.u64(0x18);
    const quint64 blockLength = table.u64(0x20);
    if (entrySize != 8 || tableOffset < 0x28 || blockLength != kLzxBlock)
        return QStringLiteral("неверная таблица сжатых блоков");
    if (tableOffset > reset.length || blockCount > (reset.length - tableOffset) / 8)
        return QStringLiteral("таблица сжатых блоков короче, чем указано");
    if (blockCount == 0 && uncompressedLength > 0)
        return QStringLiteral("таблица сжатых блоков пуста");
    if (uncompressedLength > blockCount * blockLength || compressedLength > dir.content->length)
        return QStringLiteral("размеры сжатого раздела не согласованы");
    if (dir.largestCompressedEnd > uncompressedLength)
        return QStringLiteral("файл в сжатом разделе выходит за его конец");
    quint64 previous = 0;
    for (quint64 i = 0; i < blockCount; ++i) {
        const quint64 start = table.u64(qint64(tableOffset + i * 8));
        if (start < previous || start > compressedLength)
            return QStringLiteral("таблица сжатых блоков нарушена");
        previous = start;
    }
    return std::nullopt;
}

std::optional<QString> checkCompressedSection(QIODevice &file, qint64 contentOffset, const Directory &dir)
{
    if (!dir.content && !dir.controlData && !dir.resetTable) {
        if (dir.largestCompressedEnd > 0)
            return QStringLiteral("нет сжатого раздела, на который ссылается каталог");
        return std::nullopt;
    }
    if (!dir.content || !dir.controlData || !dir.resetTable)
        return QStringLiteral("сжатый раздел описан не полностью");
    for (const Entry &entry : {*dir.content, *dir.controlData, *dir.resetTable}) {
        if (entry.section != 0)
            return QStringLiteral("служебные данные сжатого раздела не на месте");
        if (quint64(contentOffset) + entry.offset + entry.length > quint64(file.size()))
            return QStringLiteral("файл обрезан: данные выходят за его конец");
    }

    if (const auto fault = checkCompression(file, contentOffset, *dir.controlData))
        return fault;
    return checkResetTable(file, contentOffset, dir);
}

} // namespace

Result check(QIODevice &file)
{
    const qint64 fileSize = file.size();
    const Bytes header(readAt(file, 0, kItsfV3Length));
    if (!header.tagAt(0, "ITSF"))
        return {Verdict::NotChm, QStringLiteral("нет подписи документа справки"), {}};
    const quint32 version = header.u32(0x04);
    const qint64 headerLength = header.u32(0x08);
    if (version != 2 && version != 3)
        return damaged(QStringLiteral("неизвестная версия формата (%1)").arg(version));
    const qint64 minimum = version == 3 ? kItsfV3Length : kItsfV2Length;
    if (header.size() < minimum || headerLength < minimum || headerLength > fileSize)
        return damaged(QStringLiteral("заголовок неполный"));

    const quint64 section0Offset = header.u64(0x38);
    const quint64 section0Length = header.u64(0x40);
    const quint64 dirOffset = header.u64(0x48);
    const quint64 dirLength = header.u64(0x50);
    if (dirOffset > quint64(fileSize) || dirLength > quint64(fileSize) - dirOffset)
        return damaged(QStringLiteral("файл обрезан: каталог выходит за его конец"));
    if (dirLength < quint64(kItspLength) || dirLength > quint64(kMaxDirectory))
        return damaged(QStringLiteral("неверная длина каталога"));
    const quint64 contentOffset = version == 3 ? header.u64(0x58) : dirOffset + dirLength;
    if (contentOffset > quint64(fileSize))
        return damaged(QStringLiteral("файл обрезан: нет данных"));

    // The first header section records the size of the whole file.
    if (section0Length >= 0x10 && section0Offset <= quint64(fileSize) && section0Length <= quint64(fileSize)) {
        const Bytes section0(readAt(file, qint64(section0Offset), 0x10));
        const quint64 recordedSize = section0.u64(0x08);
        if (section0.size() == 0x10 && recordedSize > quint64(fileSize))
            return damaged(QStringLiteral("файл обрезан: %1 байт из %2").arg(fileSize).arg(recordedSize));
    }

    const QByteArray dirBytes = readAt(file, qint64(dirOffset), qint64(dirLength));
    if (dirBytes.size() != qint64(dirLength))
        return damaged(QStringLiteral("каталог не прочитан"));
    Directory dir;
    if (const auto fault = readDirectory(Bytes(dirBytes), dir))
        return damaged(*fault);
    if (const auto fault = checkCompressedSection(file, qint64(contentOffset), dir))
        return damaged(*fault);
    Result sound;
    sound.names = dir.names;
    return sound;
}

} // namespace ChmCheck
