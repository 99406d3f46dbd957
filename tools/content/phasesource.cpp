#include "phasesource.h"

#include "sourcetext.h"
#include "taskblocks.h"

#include <QRegularExpression>

namespace PhaseSource {

const QStringList &phaseNames()
{
    static const QStringList names = {
        QStringLiteral("BUS FREE"),    QStringLiteral("ARBITRATION"), QStringLiteral("SELECTION"),
        QStringLiteral("RESELECTION"), QStringLiteral("COMMAND"),     QStringLiteral("DATA IN"),
        QStringLiteral("DATA OUT"),    QStringLiteral("STATUS"),      QStringLiteral("MESSAGE IN"),
        QStringLiteral("MESSAGE OUT"),
    };
    return names;
}

const QStringList &signalNames()
{
    static const QStringList names = {
        QStringLiteral("BSY"), QStringLiteral("SEL"), QStringLiteral("REQ"),
        QStringLiteral("C/D"), QStringLiteral("I/O"), QStringLiteral("MSG"),
        QStringLiteral("ACK"), QStringLiteral("ATN"), QStringLiteral("DB"),
    };
    return names;
}

namespace {

struct Step {
    qint32 phase = 0;
    quint16 mask = 0;
};

// One answer line: the phase name (one or two words) and its signals.
std::optional<Step> parseStep(const TaskBlock &task, const SourceLine &line, const QString &fileName,
                              SourceReport &report)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = line.text.split(blanks, Qt::SkipEmptyParts);
    Step step;
    qsizetype used = 0;
    if (words.size() >= 2 && phaseNames().contains(words[0] + QLatin1Char(' ') + words[1])) {
        step.phase = qint32(phaseNames().indexOf(words[0] + QLatin1Char(' ') + words[1]));
        used = 2;
    } else if (!words.isEmpty() && phaseNames().contains(words[0])) {
        step.phase = qint32(phaseNames().indexOf(words[0]));
        used = 1;
    } else {
        // Name the unknown phase as the words before the first signal.
        QStringList name;
        for (const QString &word : words) {
            if (signalNames().contains(word))
                break;
            name.append(word);
        }
        report.error(fileName, line.line,
                     task.prefix() + QStringLiteral("unknown phase \"%1\" (phases: %2)")
                                         .arg(name.join(QLatin1Char(' ')), phaseNames().join(QStringLiteral(", "))));
        return std::nullopt;
    }
    bool ok = true;
    for (qsizetype i = used; i < words.size(); ++i) {
        const qsizetype bit = signalNames().indexOf(words[i]);
        if (bit < 0) {
            report.error(fileName, line.line,
                         task.prefix() + QStringLiteral("unknown signal \"%1\" (signals: %2)")
                                             .arg(words[i], signalNames().join(QLatin1Char(' '))));
            ok = false;
            continue;
        }
        const quint16 value = quint16(1u << bit);
        if (step.mask & value) {
            report.error(fileName, line.line,
                         task.prefix() + QStringLiteral("signal \"%1\" given twice").arg(words[i]));
            ok = false;
        }
        step.mask |= value;
    }
    if (!ok)
        return std::nullopt;
    return step;
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
        const qsizetype count = task.answerLines.size();
        if (count == 0) {
            report.error(fileName, task.line, task.prefix() + QStringLiteral("no phases after \"---\""));
        } else if (count > MaxPhases) {
            report.error(fileName, task.answerLines[MaxPhases].line,
                         task.prefix() + QStringLiteral("%1 phases, at most %2 allowed").arg(count).arg(MaxPhases));
        }
        SourceText::putInt32(record, CountOffset, qint32(count));
        for (qsizetype i = 0; i < count; ++i) {
            const std::optional<Step> step = parseStep(task, task.answerLines[i], fileName, report);
            if (!step || i >= MaxPhases)
                continue;
            const int offset = EntriesOffset + int(i) * EntrySize;
            SourceText::putInt32(record, offset, step->phase);
            SourceText::putUInt16(record, offset + 4, step->mask);
        }
        result.value.append(record);
    }
    if (!report.ok())
        result.value.clear();
    return result;
}

} // namespace PhaseSource
