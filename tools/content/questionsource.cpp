#include "questionsource.h"

#include "sourcetext.h"

#include <algorithm>

namespace QuestionSource {

int keyIndex(int number, int count)
{
    return count > 0 ? number % count : 0;
}

QList<int> optionOrder(const Question &question, int number)
{
    QList<int> others;
    int right = -1;
    for (int i = 0; i < int(question.options.size()); ++i) {
        if (question.options[i].right && right < 0)
            right = i;
        else
            others.append(i);
    }
    if (right >= 0)
        others.insert(keyIndex(number, int(question.options.size())), right);
    return others;
}

QStringList arrangedOptions(const Question &question, int number)
{
    QStringList texts;
    for (int index : optionOrder(question, number))
        texts.append(question.options[index].text);
    return texts;
}

bool rightIsUniquelyLongest(const Question &question)
{
    qsizetype right = -1;
    qsizetype longestOther = -1;
    for (const Option &option : question.options) {
        if (option.right)
            right = std::max(right, option.text.size());
        else
            longestOther = std::max(longestOther, option.text.size());
    }
    return right > longestOther && longestOther >= 0;
}

LengthCue lengthCue(const QList<Question> &questions)
{
    LengthCue cue;
    cue.questions = int(questions.size());
    for (qsizetype q = 0; q < questions.size(); ++q) {
        if (rightIsUniquelyLongest(questions[q]))
            cue.longestRight.append(int(q + 1));
    }
    return cue;
}

namespace {

void reportLengthCue(const QList<Question> &questions, const QString &fileName, SourceReport &report)
{
    const LengthCue cue = lengthCue(questions);
    if (cue.questions == 0)
        return;
    const QString share = QStringLiteral("the right option is the uniquely longest in %1 of %2 questions (%3%)")
                              .arg(cue.longestRight.size())
                              .arg(cue.questions)
                              .arg(qRound(100.0 * double(cue.longestRight.size()) / cue.questions));
    if (!cue.tooMany()) {
        report.note(fileName, 0, share);
        return;
    }
    QStringList numbers;
    for (int number : cue.longestRight)
        numbers.append(QString::number(number));
    report.warning(fileName, 0,
                   share + QStringLiteral(", more than one in four: the longest option gives the answer away "
                                          "(questions %1)")
                               .arg(numbers.join(QStringLiteral(", "))));
}

void checkQuestion(const Question &question, int number, const QString &fileName, SourceReport &report)
{
    const QString prefix = QStringLiteral("question %1: ").arg(number);
    if (question.text.isEmpty())
        report.error(fileName, question.line, prefix + QStringLiteral("empty question text"));
    if (question.options.isEmpty()) {
        report.error(fileName, question.line,
                     prefix + QStringLiteral("no options (option lines start with \"-\" or \"+\")"));
        return;
    }
    if (question.options.size() > MaxOptions)
        report.error(fileName, question.options[MaxOptions].line,
                     prefix +
                         QStringLiteral("%1 options, at most %2 allowed").arg(question.options.size()).arg(MaxOptions));
    int rightCount = 0;
    for (const Option &option : question.options) {
        if (option.text.isEmpty())
            report.error(fileName, option.line, prefix + QStringLiteral("empty option text"));
        if (option.right && ++rightCount == 2)
            report.error(fileName, option.line,
                         prefix + QStringLiteral("a second right option (\"+\"); exactly one is allowed"));
    }
    if (rightCount == 0)
        report.error(fileName, question.line, prefix + QStringLiteral("no right option (mark it with \"+\")"));
}

} // namespace

Built<QList<Question>> parse(const QByteArray &source, const QString &fileName)
{
    Built<QList<Question>> result;
    SourceReport &report = result.report;
    const QStringList lines = SourceText::lines(source, fileName, report);
    QList<Question> &questions = result.value;
    bool inBlock = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            inBlock = false;
            continue;
        }
        const QChar marker = line[0];
        if (marker == QLatin1Char('#'))
            continue;
        const QString text = line.mid(1).trimmed();
        if (marker == QLatin1Char('?')) {
            questions.append(Question{lineNumber, text, {}});
            inBlock = true;
        } else if (marker == QLatin1Char('-') || marker == QLatin1Char('+')) {
            if (!inBlock) {
                report.error(fileName, lineNumber,
                             QStringLiteral("an option outside a question (a block starts with a \"?\" line and "
                                            "ends at a blank line)"));
                continue;
            }
            questions.last().options.append(Option{lineNumber, text, marker == QLatin1Char('+')});
        } else {
            report.error(fileName, lineNumber,
                         QStringLiteral("unexpected line: lines start with \"?\" (question), \"-\" or \"+\" (option) "
                                        "or \"#\" (comment)"));
        }
    }
    for (qsizetype q = 0; q < questions.size(); ++q)
        checkQuestion(questions[q], int(q + 1), fileName, report);
    if (questions.size() < MinQuestions)
        report.error(fileName, 0,
                     QStringLiteral("%1 questions, at least %2 needed").arg(questions.size()).arg(MinQuestions));
    if (questions.size() > MaxQuestions)
        report.error(fileName, questions[MaxQuestions].line,
                     QStringLiteral("%1 questions, at most %2 allowed").arg(questions.size()).arg(MaxQuestions));
    return result;
}

Built<QByteArray> build(const QByteArray &source, const QString &fileName)
{
    Built<QByteArray> result;
    const Built<QList<Question>> parsed = parse(source, fileName);
    result.report = parsed.report;
    if (!parsed.ok())
        return result;

    QByteArray &out = result.value;
    SourceReport &report = result.report;
    reportLengthCue(parsed.value, fileName, report);
    out.append(QByteArray::number(parsed.value.size()) + "\r\n");
    auto appendLine = [&](const QString &text, int line) {
        if (std::optional<QByteArray> bytes = SourceText::toCp1251(text, fileName, line, report))
            out.append(*bytes);
        out.append("\r\n");
    };
    for (qsizetype q = 0; q < parsed.value.size(); ++q) {
        const Question &question = parsed.value[q];
        appendLine(question.text, question.line);
        for (int index : optionOrder(question, int(q + 1)))
            appendLine(question.options[index].text, question.options[index].line);
        out.append("\r\n");
    }
    if (!report.ok())
        out.clear();
    return result;
}

} // namespace QuestionSource
