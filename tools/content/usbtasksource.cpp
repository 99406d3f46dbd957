#include "usbtasksource.h"

#include "sourcetext.h"
#include "taskblocks.h"
#include "usb/usbrecordformat.h"

#include <span>

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

std::optional<quint8> pidOf(std::span<const Pid> pids, const QString &name)
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
    using Format = UsbRecordFormat;
    static const QStringList keys = {QStringLiteral("token"), QStringLiteral("address"), QStringLiteral("endpoint"),
                                     QStringLiteral("data"), QStringLiteral("byte")};
    const auto writeAnswer = [&fileName](const TaskBlock &task, QByteArray &record, SourceReport &report) {
        const QMap<QString, TaskBlocks::Field> fields = TaskBlocks::fields(task, keys, fileName, report);
        if (task.answerLines.isEmpty()) {
            report.error(fileName, task.line, task.prefix() + QStringLiteral("no fields after \"---\""));
            return;
        }
        for (const QString &key : keys) {
            if (!fields.contains(key))
                report.error(fileName, task.line, task.prefix() + QStringLiteral("missing \"%1\"").arg(key));
        }
        auto pid = [&](const QString &key, std::span<const Pid> pids, int offset, const QString &choices) {
            if (!fields.contains(key))
                return;
            const TaskBlocks::Field &field = fields[key];
            if (const std::optional<quint8> byte = pidOf(pids, field.value))
                record[offset] = char(*byte);
            else
                report.error(fileName, field.line,
                             task.prefix() +
                                 QStringLiteral("%1 must be %2, not \"%3\"").arg(key, choices, field.value));
        };
        pid(QStringLiteral("token"), kTokens, Format::kPidOffset, QStringLiteral("OUT, IN or SETUP"));
        pid(QStringLiteral("data"), kDataPids, Format::kDataPidOffset, QStringLiteral("DATA0 or DATA1"));
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
        number(QStringLiteral("address"), Format::kAddressOffset, Format::kMaxAddress);
        number(QStringLiteral("endpoint"), Format::kEndpointOffset, Format::kMaxEndpoint);
        number(QStringLiteral("byte"), Format::kDataOffset, 255);
    };
    return TaskBlocks::buildRecords(source, fileName, Format::kSize, Format::kTextOffset, Format::kTextLength,
                                    writeAnswer);
}

} // namespace UsbTaskSource
