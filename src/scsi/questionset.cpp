#include "scsi/questionset.h"

#include "platform/contenterror.h"
#include "platform/random.h"
#include "platform/textfile.h"

#include <algorithm>

namespace {

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

} // namespace

QList<int> QuestionSet::drawFive(int n)
{
    QList<int> pool;
    pool.reserve(n);
    for (int i = 1; i <= n; ++i)
        pool.append(i);
    QList<int> picked;
    int left = n;
    for (int i = 0; i < kQuestionCount && left > 0; ++i) {
        const int r = Random::uniform(left);
        picked.append(pool[r]);
        pool[r] = pool[left - 1];
        --left;
    }
    std::sort(picked.begin(), picked.end());
    return picked;
}

void QuestionSet::load(const QString &contentPath)
{
    loadLines(TextFile::readLines(contentPath), contentPath);
}

void QuestionSet::loadLines(const QStringList &lines, const QString &path)
{
    m_questions.clear();
    m_asked = 0;
    m_right = 0;

    if (lines.isEmpty())
        throw ContentError::badContent(path, QStringLiteral("файл пуст, нет числа вопросов"));
    const std::optional<int> parsed = TextFile::parseInt(lines.first());
    if (!parsed)
        throw ContentError::badContent(path, QStringLiteral("первая строка «%1» не число вопросов").arg(lines.first()));
    const int count = *parsed;
    if (count < kQuestionCount)
        throw ContentError::badContent(
            path, QStringLiteral("вопросов %1, а для теста нужно не меньше %2").arg(count).arg(kQuestionCount));

    // Every block is read, not only the drawn ones, so a fault is found whatever the draw.
    // The list grows with what is read: the count line is not trusted before the blocks bear it out.
    QList<Question> all;
    qsizetype line = 1;
    for (int number = 1; number <= count; ++number) {
        if (line >= lines.size())
            throw ContentError::badContent(
                path, QStringLiteral("файл кончается после %1 вопросов из %2").arg(number - 1).arg(count));
        Question question;
        question.number = number;
        question.text = lines[line];
        if (isBlank(question.text))
            throw ContentError::badContent(path,
                                           QStringLiteral("вопрос %1 (строка %2) пуст").arg(number).arg(line + 1));
        ++line;
        // The end of the file closes the last block as its empty line would.
        while (line < lines.size() && !isBlank(lines[line])) {
            question.options.append(lines[line]);
            ++line;
        }
        ++line;
        if (question.options.isEmpty())
            throw ContentError::badContent(path, QStringLiteral("у вопроса %1 нет вариантов ответа").arg(number));
        if (question.options.size() > kMaxOptions)
            throw ContentError::badContent(path, QStringLiteral("у вопроса %1 вариантов ответа %2, больше %3")
                                                     .arg(number)
                                                     .arg(question.options.size())
                                                     .arg(kMaxOptions));
        question.key = keyFor(number, int(question.options.size()));
        all.append(question);
    }

    for (int number : drawFive(count))
        m_questions.append(all[number - 1]);
}

const QuestionSet::Question &QuestionSet::current() const
{
    static const Question none;
    if (m_questions.isEmpty())
        return none;
    return m_questions[std::min(m_asked, int(m_questions.size()) - 1)];
}

bool QuestionSet::answer(int chosenIndex)
{
    if (finished())
        return false;
    const bool right = chosenIndex >= 0 && chosenIndex == current().key;
    ++m_asked;
    if (right)
        ++m_right;
    return right;
}
