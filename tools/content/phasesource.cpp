#include "phasesource.h"

#include "scsi/phaserecordformat.h"
#include "sourcetext.h"
#include "taskblocks.h"

#include <QRegularExpression>

namespace PhaseSource {

namespace {

template <typename Table, typename Name> QStringList names(const Table &table, Name name)
{
    QStringList list;
    for (const auto &entry : table) {
        const std::string_view text = entry.*name;
        list.append(QString::fromLatin1(text.data(), qsizetype(text.size())));
    }
    return list;
}

} // namespace

const QStringList &phaseNames()
{
    static const QStringList list = names(PhaseRecordFormat::kPhases, &PhaseRecordFormat::Phase::name);
    return list;
}

const QStringList &signalNames()
{
    static const QStringList list = names(PhaseRecordFormat::kSignals, &PhaseRecordFormat::Signal::name);
    return list;
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
        const quint16 value = PhaseRecordFormat::kSignals[size_t(bit)].bit;
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
    using Format = PhaseRecordFormat;
    const auto writeAnswer = [&fileName](const TaskBlock &task, QByteArray &record, SourceReport &report) {
        const qsizetype count = task.answerLines.size();
        if (count == 0) {
            report.error(fileName, task.line, task.prefix() + QStringLiteral("no phases after \"---\""));
        } else if (count > Format::kMaxPhases) {
            report.error(fileName, task.answerLines[Format::kMaxPhases].line,
                         task.prefix() +
                             QStringLiteral("%1 phases, at most %2 allowed").arg(count).arg(Format::kMaxPhases));
        }
        SourceText::putInt32(record, Format::kCountOffset, qint32(count));
        for (qsizetype i = 0; i < count; ++i) {
            const std::optional<Step> step = parseStep(task, task.answerLines[i], fileName, report);
            if (!step || i >= Format::kMaxPhases)
                continue;
            const int offset = Format::entryOffset(int(i));
            SourceText::putInt32(record, offset, step->phase);
            SourceText::putUInt16(record, offset + Format::kMaskOffset, step->mask);
        }
    };
    return TaskBlocks::buildRecords(source, fileName, Format::kSize, Format::kTextOffset, Format::kTextLength,
                                    writeAnswer);
}

} // namespace PhaseSource
