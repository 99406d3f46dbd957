#include "descriptorsource.h"

#include "sourcetext.h"
#include "taskblocks.h"

namespace DescriptorSource {

int sizeCode(int size)
{
    switch (size) {
    case 6:
        return 0;
    case 10:
        return 1;
    case 12:
        return 2;
    default:
        return -1;
    }
}

qint64 maxLba(int size)
{
    return size == 6 ? 0x1FFFFF : 0xFFFFFFFFLL;
}

qint64 maxLength(int size)
{
    switch (size) {
    case 6:
        return 0xFF;
    case 10:
        return 0xFFFF;
    default:
        return 0xFFFFFFFFLL;
    }
}

namespace {

void putBigEndian(QByteArray &bytes, int offset, int count, qint64 value)
{
    for (int i = 0; i < count; ++i)
        bytes[offset + i] = char((value >> (8 * (count - 1 - i))) & 0xFF);
}

} // namespace

QByteArray pack(const Descriptor &d)
{
    QByteArray bytes(d.size, '\0');
    bytes[0] = char(d.opcode);
    bytes[1] = char((d.lun & 0x07) << 5);
    switch (d.size) {
    case 6:
        bytes[1] = char(bytes[1] | char((d.lba >> 16) & 0x1F));
        putBigEndian(bytes, 2, 2, d.lba);
        bytes[4] = char(d.length);
        bytes[5] = char(d.control);
        break;
    case 10:
        putBigEndian(bytes, 2, 4, d.lba);
        putBigEndian(bytes, 7, 2, d.length);
        bytes[9] = char(d.control);
        break;
    default:
        putBigEndian(bytes, 2, 4, d.lba);
        putBigEndian(bytes, 6, 4, d.length);
        bytes[11] = char(d.control);
        break;
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
        if (size && *size <= MaxBytes && sizeCode(int(*size)) >= 0)
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
    Built<QByteArray> result;
    const Built<QList<TaskBlock>> tasks = TaskBlocks::parse(source, fileName);
    SourceReport &report = result.report;
    report = tasks.report;
    for (const TaskBlock &task : tasks.value) {
        QByteArray record(RecordSize, '\0');
        if (const std::optional<QByteArray> text = TaskBlocks::encodeText(task, TextField - 1, fileName, report))
            TaskBlocks::putText(record, TextOffset, *text);
        if (const std::optional<Descriptor> descriptor = parseDescriptor(task, fileName, report)) {
            SourceText::putInt32(record, SizeOffset, sizeCode(descriptor->size));
            const QByteArray bytes = pack(*descriptor);
            for (qsizetype i = 0; i < bytes.size(); ++i)
                record[BytesOffset + i] = bytes[i];
        }
        result.value.append(record);
    }
    if (!report.ok())
        result.value.clear();
    return result;
}

} // namespace DescriptorSource
