#include "descriptorsource.h"

#include "scsi/descriptorrecordformat.h"
#include "sourcetext.h"
#include "taskblocks.h"

#include <QMap>
#include <array>

namespace DescriptorSource {

namespace {

int sizeCode(int size)
{
    return DescriptorRecordFormat::sizeCode(size);
}

qint64 largest(int size, std::string_view field)
{
    return (qint64(1) << DescriptorRecordFormat::fieldBits(sizeCode(size), field)) - 1;
}

qint64 valueOf(const Descriptor &d, std::string_view field)
{
    if (field == "OpCode")
        return d.opcode;
    if (field == "LUN")
        return d.lun;
    if (field == "LBA")
        return d.lba;
    if (field == "Length")
        return d.length;
    return d.control;
}

} // namespace

qint64 maxLba(int size)
{
    return largest(size, "LBA");
}

qint64 maxLength(int size)
{
    return largest(size, "Length");
}

QByteArray pack(const Descriptor &d)
{
    const int code = sizeCode(d.size);
    QByteArray bytes(d.size, '\0');
    std::array<int, DescriptorRecordFormat::kMaxBytes> filled{}; // bits taken in each byte, from bit 7 down
    QMap<std::string_view, int> placed;                          // bits of each field placed so far
    for (const DescriptorRecordFormat::Field &row : DescriptorRecordFormat::fields(code)) {
        const int below = DescriptorRecordFormat::fieldBits(code, row.name) - placed[row.name] - row.bits;
        const qint64 part = (valueOf(d, row.name) >> below) & ((qint64(1) << row.bits) - 1);
        filled[row.byte] += row.bits;
        bytes[row.byte] = char(quint8(bytes[row.byte]) | (part << (8 - filled[row.byte])));
        placed[row.name] += row.bits;
    }
    return bytes;
}

namespace {

std::optional<Descriptor> parseDescriptor(const TaskBlock &task, const QString &fileName, SourceReport &report)
{
    static const QStringList keys = {QStringLiteral("size"), QStringLiteral("opcode"), QStringLiteral("lun"),
                                     QStringLiteral("lba"),  QStringLiteral("length"), QStringLiteral("control")};
    const int errorsBefore = int(report.errors.size());
    const QMap<QString, TaskBlocks::Field> fields = TaskBlocks::fields(task, keys, fileName, report);
    if (task.answerLines.isEmpty()) {
        report.error(fileName, task.line, task.prefix() + QStringLiteral("no fields after \"---\""));
        return std::nullopt;
    }
    for (const QString &required :
         {QStringLiteral("size"), QStringLiteral("opcode"), QStringLiteral("lba"), QStringLiteral("length")}) {
        if (!fields.contains(required))
            report.error(fileName, task.line, task.prefix() + QStringLiteral("missing \"%1\"").arg(required));
    }

    // A value of a field within 0..max; range describes the allowed values in messages.
    auto value = [&](const QString &key, qint64 max, const QString &range) -> qint64 {
        if (!fields.contains(key))
            return 0;
        const TaskBlocks::Field &field = fields[key];
        const std::optional<qint64> number = SourceText::number(field.value);
        if (!number) {
            report.error(fileName, field.line,
                         task.prefix() + QStringLiteral("%1: bad number \"%2\" (decimal, or hexadecimal with a "
                                                        "trailing h)")
                                             .arg(key, field.value));
            return 0;
        }
        if (*number > max) {
            report.error(fileName, field.line,
                         task.prefix() +
                             QStringLiteral("%1 %2 does not fit its field (%3)").arg(key, field.value, range));
            return 0;
        }
        return *number;
    };

    Descriptor d;
    if (fields.contains(QStringLiteral("size"))) {
        const TaskBlocks::Field &field = fields[QStringLiteral("size")];
        const std::optional<qint64> size = SourceText::number(field.value);
        if (size && *size <= DescriptorRecordFormat::kMaxBytes && sizeCode(int(*size)) >= 0)
            d.size = int(*size);
        else
            report.error(fileName, field.line,
                         task.prefix() + QStringLiteral("size must be 6, 10 or 12, not \"%1\"").arg(field.value));
    }
    const QString sized = QStringLiteral("%1-byte descriptor").arg(d.size);
    d.opcode = value(QStringLiteral("opcode"), 0xFF, QStringLiteral("0-255"));
    d.lun = value(QStringLiteral("lun"), 7, QStringLiteral("0-7"));
    d.lba = value(QStringLiteral("lba"), maxLba(d.size), sized + QStringLiteral(": 0-%1").arg(maxLba(d.size)));
    d.length =
        value(QStringLiteral("length"), maxLength(d.size), sized + QStringLiteral(": 0-%1").arg(maxLength(d.size)));
    d.control = value(QStringLiteral("control"), 0xFF, QStringLiteral("0-255"));
    if (report.errors.size() != errorsBefore)
        return std::nullopt;
    return d;
}

} // namespace

Built<QByteArray> build(const QByteArray &source, const QString &fileName)
{
    using Format = DescriptorRecordFormat;
    const auto writeAnswer = [&fileName](const TaskBlock &task, QByteArray &record, SourceReport &report) {
        if (const std::optional<Descriptor> descriptor = parseDescriptor(task, fileName, report)) {
            SourceText::putInt32(record, Format::kSizeCodeOffset, sizeCode(descriptor->size));
            const QByteArray bytes = pack(*descriptor);
            for (qsizetype i = 0; i < bytes.size(); ++i)
                record[Format::kBytesOffset + i] = bytes[i];
        }
    };
    return TaskBlocks::buildRecords(source, fileName, Format::kSize, Format::kTextOffset, Format::kTextLength,
                                    writeAnswer);
}

} // namespace DescriptorSource
