#include "platform/wmfrecords.h"

#include <QtEndian>

namespace Wmf {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableBytes = 22;
constexpr qsizetype kHeaderBytes = 18;
constexpr int kRecordHeadWords = 3;
constexpr quint16 kEndOfFile = 0x0000;

quint16 word16(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 word32(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QString readPlaceable(const QByteArray &bytes, Placeable *placeable)
{
    if (bytes.size() < kPlaceableBytes + kHeaderBytes)
        return QStringLiteral("файл обрывается внутри заголовка");
    const auto coordinate = [&](qsizetype offset) { return int(qint16(word16(bytes, offset))); };
    const int left = coordinate(6), top = coordinate(8), right = coordinate(10), bottom = coordinate(12);
    placeable->unitsPerInch = word16(bytes, 14);
    if (placeable->unitsPerInch == 0)
        return QStringLiteral("в заголовке рисунка ноль единиц на дюйм");
    if (right == left || bottom == top)
        return QStringLiteral("в заголовке рисунка пустая рамка");
    placeable->bounds =
        QRect(QPoint(qMin(left, right), qMin(top, bottom)), QSize(qAbs(right - left), qAbs(bottom - top)));
    return {};
}

} // namespace

quint16 Params::word(int index) const
{
    if (index < 0 || index >= m_record.wordCount)
        return 0;
    return word16(m_data, m_record.offset + qsizetype(index) * 2);
}

QByteArray Params::bytes(int wordIndex, qsizetype length) const
{
    if (wordIndex < 0 || length < 0 || qsizetype(wordIndex) * 2 + length > qsizetype(m_record.wordCount) * 2)
        return {};
    return m_data.mid(m_record.offset + qsizetype(wordIndex) * 2, length);
}

ParseResult parse(const QByteArray &bytes)
{
    ParseResult result;
    if (bytes.size() > kMaxFileBytes) {
        result.error = QStringLiteral("файл больше %1 МБ").arg(kMaxFileBytes / (1024 * 1024));
        return result;
    }
    qsizetype offset = 0;
    if (bytes.size() >= 4 && word32(bytes, 0) == kPlaceableKey) {
        Placeable placeable;
        result.error = readPlaceable(bytes, &placeable);
        if (!result.error.isEmpty())
            return result;
        result.file.header.placeable = placeable;
        offset = kPlaceableBytes;
    }
    if (bytes.size() - offset < kHeaderBytes) {
        result.error = QStringLiteral("это не метафайл Windows (слишком короткий)");
        return result;
    }
    const quint16 type = word16(bytes, offset);
    const quint16 headerWords = word16(bytes, offset + 2);
    const quint16 version = word16(bytes, offset + 4);
    if ((type != 1 && type != 2) || headerWords != kHeaderBytes / 2 || (version != 0x0100 && version != 0x0300)) {
        result.error = QStringLiteral("это не метафайл Windows (неизвестный заголовок)");
        return result;
    }
    result.file.header.objectCount = word16(bytes, offset + 10);
    offset += kHeaderBytes;

    int number = 0;
    while (true) {
        ++number;
        if (bytes.size() - offset < kRecordHeadWords * 2) {
            result.error = QStringLiteral("файл обрывается на записи %1 (нет записи конца файла)").arg(number);
            return result;
        }
        const quint32 sizeWords = word32(bytes, offset);
        const quint16 function = word16(bytes, offset + 4);
        if (sizeWords < quint32(kRecordHeadWords) || qint64(sizeWords) * 2 > qint64(bytes.size() - offset)) {
            result.error = QStringLiteral("запись %1 длиной %2 слов выходит за конец файла").arg(number).arg(sizeWords);
            return result;
        }
        if (function == kEndOfFile)
            return result;
        Record record;
        record.function = function;
        record.offset = offset + kRecordHeadWords * 2;
        record.wordCount = int(sizeWords) - kRecordHeadWords;
        record.number = number;
        result.file.records.append(record);
        offset += qsizetype(sizeWords) * 2;
    }
}

} // namespace Wmf
