#include "pci/lessonrules.h"

#include "platform/random.h"

using namespace SignalStates;

LessonRules::LessonRules()
{
    m_grid[0].fill(ClockPeriod);
    clearSignalRows();
}

quint8 LessonRules::state(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 1 || column > kPeriods)
        return DontCare;
    return m_grid[size_t(row)][size_t(column - 1)];
}

void LessonRules::setState(int row, int column, quint8 state)
{
    if (row < 1 || row >= Rows || column < 1 || column > kPeriods)
        return;
    m_grid[size_t(row)][size_t(column - 1)] = state;
}

void LessonRules::selectRow(int row)
{
    if (row >= 1 && row < Rows)
        m_activeRow = row;
}

void LessonRules::rightClick(int column)
{
    if (column < 0 || column > kPeriods)
        return;
    if (m_pendingColumn == 0) {
        m_pendingColumn = column;
        return;
    }
    drawInterval(m_grid[size_t(m_activeRow)], rowKind(m_activeRow), m_pendingColumn, column);
    m_pendingColumn = 0;
}

void LessonRules::clearActiveRow()
{
    m_grid[size_t(m_activeRow)] = initialRow(rowKind(m_activeRow));
}

void LessonRules::clearSignalRows()
{
    for (int row = 1; row < Rows; ++row)
        m_grid[size_t(row)] = initialRow(rowKind(row));
}

void LessonRules::start()
{
    m_taskIndex = 0;
    m_rightCount = 0;
    m_retryCount = 0;
    m_retryMode = false;
    m_buttons = Buttons{};
    chooseTasks();
}

void LessonRules::chooseTasks()
{
    for (int position = 0; position < TaskCount; ++position) {
        int task = 0;
        bool taken = true;
        while (taken) {
            task = Random::between(FirstTask[position], LastTask[position]);
            taken = false;
            for (int earlier = 0; earlier <= position; ++earlier)
                taken = taken || m_taskOrder[size_t(earlier)] == task;
        }
        m_taskOrder[size_t(position)] = task;
    }
}

int LessonRules::currentTask() const
{
    return m_taskIndex >= 1 && m_taskIndex <= TaskCount ? m_taskOrder[size_t(m_taskIndex - 1)] : 0;
}

void LessonRules::next()
{
    if (m_taskIndex >= TaskCount)
        return;
    m_retryMode = false;
    m_buttons = Buttons{true, false, false, false};
    ++m_taskIndex;
    clearSignalRows();
    m_activeRow = 1;
    m_pendingColumn = 0;
}

LessonRules::Check LessonRules::compare(const std::array<Row, Rows> &grid, const QStringList &answerLines,
                                        const QStringList &rowNames)
{
    Check check{true, QStringLiteral(" ")};
    for (int row = 1; row < Rows; ++row) {
        const QString line = answerLines.value(row - 1);
        bool rowRight = true;
        for (int column = 1; column <= kPeriods; ++column) {
            const QChar expected = column <= line.size() ? line.at(column - 1) : QChar();
            const bool cellRight =
                expected == kAnyState || expected == QLatin1Char(char('0' + grid[size_t(row)][size_t(column - 1)]));
            rowRight = rowRight && cellRight;
        }
        if (!rowRight) {
            check.right = false;
            check.errorText += rowNames.value(row) + QStringLiteral("; ");
        }
    }
    return check;
}

LessonRules::Verdict LessonRules::ready(const QStringList &answerLines, const QStringList &rowNames)
{
    m_buttons.next = m_taskIndex < TaskCount;
    m_buttons.ready = false;
    const Check check = compare(m_grid, answerLines, rowNames);
    Verdict verdict;
    verdict.right = check.right;
    verdict.errorText = check.errorText;
    if (!check.right) {
        if (!m_retryMode)
            m_buttons.retry = true;
        else
            m_buttons.giveUp = true;
        return verdict;
    }
    ++m_rightCount;
    verdict.lessonEnds = m_taskIndex == TaskCount;
    verdict.nextFollows = !verdict.lessonEnds;
    return verdict;
}

void LessonRules::retry()
{
    ++m_retryCount;
    m_retryMode = true;
    m_buttons.retry = false;
    m_buttons.ready = true;
    m_activeRow = 1;
}

bool LessonRules::giveUp(const QStringList &answerLines)
{
    m_buttons.giveUp = false;
    for (int row = 1; row < Rows; ++row) {
        const QString line = answerLines.value(row - 1);
        for (int column = 1; column <= kPeriods; ++column) {
            const QChar c = column <= line.size() ? line.at(column - 1) : QChar();
            const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
            m_grid[size_t(row)][size_t(column - 1)] = digit ? quint8(c.unicode() - '0') : quint8(DontCare);
        }
    }
    return m_taskIndex == TaskCount;
}

QString LessonRules::digit(int value)
{
    return QString(QChar(char16_t(u'0' + value)));
}

QString LessonRules::caption() const
{
    return QStringLiteral("Электронный урок - задание № ") + digit(m_taskIndex);
}

QString LessonRules::summaryText() const
{
    return QStringLiteral("Правильных ответов ") + digit(m_rightCount) + QStringLiteral(" из ") + digit(TaskCount) +
           QStringLiteral("\r\nСделано ") + digit(m_retryCount) + QStringLiteral(" повторных попыток ответа");
}
