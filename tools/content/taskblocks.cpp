#include "taskblocks.h"

#include "sourcetext.h"

#include <QMap>

QString TaskBlock::prefix() const
{
    return QStringLiteral("task %1: ").arg(number);
}

namespace TaskBlocks {

Built<QList<TaskBlock>> parse(const QByteArray &source, const QString &fileName)
{
    Built<QList<TaskBlock>> result;
    SourceReport &report = result.report;
    QList<TaskBlock> &tasks = result.value;
    const QStringList lines = SourceText::lines(source, fileName, report);
    bool inAnswer = false;
    bool separatorSeen = false;

    auto finishTask = [&]() {
        if (tasks.isEmpty())
            return;
        const TaskBlock &task = tasks.last();
        if (!separatorSeen)
            report.error(fileName, task.line, task.prefix() + QStringLiteral("no \"---\" line after the task text"));
        else if (task.textLines.isEmpty())
            report.error(fileName, task.line, task.prefix() + QStringLiteral("empty task text"));
    };

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QStringLiteral("==="))) {
            finishTask();
            TaskBlock task;
            task.number = int(tasks.size() + 1);
            task.line = lineNumber;
            tasks.append(task);
            inAnswer = false;
            separatorSeen = false;
            continue;
        }
        if (tasks.isEmpty()) {
            report.error(fileName, lineNumber,
                         QStringLiteral("text before the first task (a task starts with a "
                                        "\"=== task\" line)"));
            continue;
        }
        if (line == QStringLiteral("---")) {
            if (separatorSeen)
                report.error(fileName, lineNumber, tasks.last().prefix() + QStringLiteral("a second \"---\" line"));
            separatorSeen = true;
            inAnswer = true;
            continue;
        }
        if (inAnswer)
            tasks.last().answerLines.append({lineNumber, line});
        else
            tasks.last().textLines.append({lineNumber, line});
    }
    finishTask();
    if (tasks.isEmpty() && report.ok())
        report.error(fileName, 0, QStringLiteral("no tasks (a task starts with a \"=== task\" line)"));
    return result;
}

std::optional<QByteArray> encodeText(const TaskBlock &task, int maxBytes, const QString &fileName, SourceReport &report)
{
    QByteArray text;
    bool ok = true;
    for (const SourceLine &line : task.textLines) {
        const std::optional<QByteArray> bytes =
            SourceText::toCp1251(line.text, fileName, line.line, report, task.prefix());
        if (!bytes) {
            ok = false;
            continue;
        }
        if (!text.isEmpty())
            text.append(' ');
        text.append(*bytes);
    }
    if (!ok)
        return std::nullopt;
    if (text.size() > maxBytes) {
        report.error(
            fileName, task.line,
            task.prefix() +
                QStringLiteral("the text is %1 bytes in Windows-1251, at most %2 fit").arg(text.size()).arg(maxBytes));
        return std::nullopt;
    }
    return text;
}

void putText(QByteArray &record, int offset, const QByteArray &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        record[offset + i] = text[i];
    record[offset + text.size()] = '\0';
}

QMap<QString, Field> fields(const TaskBlock &task, const QStringList &knownKeys, const QString &fileName,
                            SourceReport &report)
{
    QMap<QString, Field> result;
    for (const SourceLine &line : task.answerLines) {
        const qsizetype colon = line.text.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            report.error(
                fileName, line.line,
                task.prefix() +
                    QStringLiteral("expected \"name: value\", one of %1").arg(knownKeys.join(QStringLiteral(", "))));
            continue;
        }
        const QString key = line.text.left(colon).trimmed();
        const QString value = line.text.mid(colon + 1).trimmed();
        if (!knownKeys.contains(key)) {
            report.error(
                fileName, line.line,
                task.prefix() +
                    QStringLiteral("unknown field \"%1\" (fields: %2)").arg(key, knownKeys.join(QStringLiteral(", "))));
            continue;
        }
        if (result.contains(key)) {
            report.error(fileName, line.line, task.prefix() + QStringLiteral("\"%1\" given twice").arg(key));
            continue;
        }
        if (value.isEmpty()) {
            report.error(fileName, line.line, task.prefix() + QStringLiteral("\"%1\" has no value").arg(key));
            continue;
        }
        result.insert(key, Field{line.line, value});
    }
    return result;
}

Built<QByteArray> buildRecords(const QByteArray &source, const QString &fileName, int recordSize, int textOffset,
                               int textLength, const AnswerWriter &writeAnswer)
{
    Built<QByteArray> result;
    const Built<QList<TaskBlock>> tasks = parse(source, fileName);
    SourceReport &report = result.report;
    report = tasks.report;
    for (const TaskBlock &task : tasks.value) {
        QByteArray record(recordSize, '\0');
        if (const std::optional<QByteArray> text = encodeText(task, textLength - 1, fileName, report))
            putText(record, textOffset, *text);
        writeAnswer(task, record, report);
        result.value.append(record);
    }
    if (!report.ok())
        result.value.clear();
    return result;
}

} // namespace TaskBlocks
