#include "usbtasksource.h"

#include "sourcetext.h"
#include "taskblocks.h"
#include "usb/usbrecordformat.h"

namespace UsbTaskSource {

quint8 pidByte(quint8 code)
{
    return quint8(((~code & 0x0F) << 4) | (code & 0x0F));
}

namespace {

struct Pid {
    const char *name;
    quint8 code;
};
constexpr Pid kTokens[] = {{"OUT", 0x1}, {"IN", 0x9}, {"SETUP", 0xD}};
constexpr Pid kDataPids[] = {{"DATA0", 0x3}, {"DATA1", 0xB}};

template <size_t N> std::optional<quint8> pidOf(const Pid (&pids)[N], const QString &name)
{
    for (const Pid &pid : pids) {
        if (name == QLatin1String(pid.name))
            return pidByte(pid.code);
    }
    return std::nullopt;
}

} // namespace

Built<QByteArray> build(const QByteArray &source, const QString &fileName)
{
    using namespace UsbRecordFormat;
    static const QStringList keys = {QStringLiteral("token"), QStringLiteral("address"), QStringLiteral("endpoint"),
                                     QStringLiteral("data"), QStringLiteral("byte")};
    Built<QByteArray> result;
    const Built<QList<TaskBlock>> tasks = TaskBlocks::parse(source, fileName);
    SourceReport &report = result.report;
    report = tasks.report;
    for (const TaskBlock &task : tasks.value) {
        QByteArray record(kSize, '\0');
        if (const std::optional<QByteArray> text = TaskBlocks::encodeText(task, kTextLength - 1, fileName, report))
            TaskBlocks::putText(record, kTextOffset, *text);
        const QMap<QString, TaskBlocks::Field> fields = TaskBlocks::fields(task, keys, fileName, report);
        if (task.answerLines.isEmpty()) {
            report.error(fileName, task.line, task.prefix() + QStringLiteral("no fields after \"---\""));
            result.value.append(record);
            continue;
        }
        for (const QString &key : keys) {
            if (!fields.contains(key))
                report.error(fileName, task.line, task.prefix() + QStringLiteral("missing \"%1\"").arg(key));
        }
        if (fields.contains(QStringLiteral("token"))) {
            const TaskBlocks::Field &field = fields[QStringLiteral("token")];
            if (const std::optional<quint8> pid = pidOf(kTokens, field.value))
                record[kPidOffset] = char(*pid);
            else
                report.error(fileName, field.line,
                             task.prefix() +
                                 QStringLiteral("token must be OUT, IN or SETUP, not \"%1\"").arg(field.value));
        }
        if (fields.contains(QStringLiteral("data"))) {
            const TaskBlocks::Field &field = fields[QStringLiteral("data")];
            if (const std::optional<quint8> pid = pidOf(kDataPids, field.value))
                record[kDataPidOffset] = char(*pid);
            else
                report.error(fileName, field.line,
                             task.prefix() +
                                 QStringLiteral("data must be DATA0 or DATA1, not \"%1\"").arg(field.value));
        }
        auto number = [&](const QString &key, int offset, qint64 max) {
            if (!fields.contains(key))
                return;
            const TaskBlocks::Field &field = fields[key];
            const std::optional<qint64> value = SourceText::number(field.value);
            if (!value) {
                report.error(fileName, field.line,
                             task.prefix() + QStringLiteral("%1: bad number \"%2\" (decimal, or hexadecimal with a "
                                                            "trailing h)")
                                                 .arg(key, field.value));
            } else if (*value > max) {
                report.error(fileName, field.line,
                             task.prefix() +
                                 QStringLiteral("%1 %2 does not fit its field (0-%3)").arg(key, field.value).arg(max));
            } else {
                record[offset] = char(*value);
            }
        };
        number(QStringLiteral("address"), kAddressOffset, kMaxAddress);
        number(QStringLiteral("endpoint"), kEndpointOffset, kMaxEndpoint);
        number(QStringLiteral("byte"), kDataOffset, 255);
        result.value.append(record);
    }
    if (!report.ok())
        result.value.clear();
    return result;
}

} // namespace UsbTaskSource
