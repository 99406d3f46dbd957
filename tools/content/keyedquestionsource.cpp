#include "keyedquestionsource.h"

#include "questionsource.h"
#include "sourcetext.h"

namespace KeyedQuestionSource {

Built<QList<Output>> build(const QByteArray &source, const QString &fileName)
{
    Built<QList<Output>> result;
    const Built<QList<QuestionSource::Question>> parsed = QuestionSource::parse(source, fileName);
    SourceReport &report = result.report;
    report = parsed.report;
    const QList<QuestionSource::Question> &questions = parsed.value;
    if (questions.size() != Questions)
        report.error(
            fileName, 0,
            QStringLiteral("%1 questions; the PCI test draws from exactly %2").arg(questions.size()).arg(Questions));
    QByteArray key;
    QList<Output> files;
    for (int q = 1; q <= int(questions.size()); ++q) {
        const QuestionSource::Question &question = questions.at(q - 1);
        const QString prefix = QStringLiteral("question %1: ").arg(q);
        const int count = int(question.options.size());
        if (count < MinOptions || count > MaxOptions)
            report.error(fileName, question.line,
                         prefix +
                             QStringLiteral("%1 options, %2 to %3 allowed").arg(count).arg(MinOptions).arg(MaxOptions));
        int right = 0;
        QByteArray variants;
        for (int i = 0; i < count; ++i) {
            const QuestionSource::Option &option = question.options.at(i);
            if (option.right && right == 0)
                right = i + 1;
            if (const std::optional<QByteArray> bytes =
                    SourceText::toCp1251(option.text, fileName, option.line, report, prefix))
                variants.append(*bytes + "\r\n");
        }
        key.append(char(right));
        QByteArray text;
        if (const std::optional<QByteArray> bytes =
                SourceText::toCp1251(question.text, fileName, question.line, report, prefix))
            text = *bytes + "\r\n";
        files.append({QStringLiteral("question/contr%1.txt").arg(q), text});
        files.append({QStringLiteral("question/var%1.txt").arg(q), variants});
    }
    if (report.ok()) {
        result.value.append({QString(), key});
        result.value.append(files);
    }
    return result;
}

Built<QByteArray> buildKey(const QByteArray &source, const QString &fileName)
{
    const Built<QList<Output>> built = build(source, fileName);
    Built<QByteArray> key;
    key.report = built.report;
    if (built.ok())
        key.value = built.value.first().bytes;
    return key;
}

} // namespace KeyedQuestionSource
