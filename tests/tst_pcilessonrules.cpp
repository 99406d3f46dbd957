#include "pci/lessonrules.h"
#include "pci/signalstates.h"
#include "pcianswercheck.h"
#include "platform/random.h"

#include <QTest>

using namespace SignalStates;

namespace {

QString text(const Row &row)
{
    QString s;
    for (const quint8 state : row)
        s += QChar(char16_t(u'0' + state));
    return s;
}

QStringList names()
{
    QStringList list{QStringLiteral("CLK"), QStringLiteral("AD"), QStringLiteral("C/BE#")};
    for (int i = 3; i <= 10; ++i)
        list << QStringLiteral("S%1").arg(i);
    return list;
}

// An answer that is the cleared diagram: buses float, lines stay high.
QStringList clearedAnswer()
{
    QStringList lines;
    for (int row = 1; row <= kSignalRows; ++row)
        lines << QString(kPeriods, rowKind(row) == RowKind::Bus ? QLatin1Char('6') : QLatin1Char('4'));
    return lines;
}

QStringList wrongAnswer()
{
    QStringList lines = clearedAnswer();
    lines[2] = QStringLiteral("425534444");
    return lines;
}

} // namespace

class PciLessonRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(7); }
    void intervalEditing_data();
    void intervalEditing();
    void editsGoToTheActiveRow();
    void clearingTheActiveRow();
    void clockRowIsNeverEdited();
    void comparison_data();
    void comparison();
    void taskDrawAndRepeatRule();
    void rightAnswersToTheSummary();
    void wrongRetryGiveUp();
    void wrongOnLastTaskLeavesOnlyExit();
    void giveUpShowsDigitsAndNothingForAny();
    void drawableStates();
    void answerLineFaults_data();
    void answerLineFaults();
    void everyDrawableLineIsSolved();
    void contentToolChecksAnswers_data();
    void contentToolChecksAnswers();
};

void PciLessonRulesTest::intervalEditing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pending");
    QTest::addRow("line: one interval 2-5") << 5 << QList<int>{2, 5} << "425534444" << 0;
    QTest::addRow("line: first click only marks") << 5 << QList<int>{2} << "444444444" << 2;
    QTest::addRow("line: same column twice cancels") << 5 << QList<int>{3, 3} << "444444444" << 0;
    QTest::addRow("line: second left of first cancels") << 5 << QList<int>{6, 2} << "444444444" << 0;
    QTest::addRow("line: cancel then a fresh interval") << 5 << QList<int>{6, 2, 2, 4} << "425344444" << 0;
    QTest::addRow("line: click on the name column leaves none pending") << 5 << QList<int>{0, 3, 5} << "442534444" << 0;
    QTest::addRow("line: joined intervals stay low") << 5 << QList<int>{2, 5, 5, 8} << "425555534" << 0;
    QTest::addRow("line: start on a fall keeps it") << 5 << QList<int>{2, 5, 2, 7} << "425555344" << 0;
    QTest::addRow("line: two pulses") << 5 << QList<int>{1, 3, 6, 8} << "253442534" << 0;
    QTest::addRow("bus: one value 1-3") << 1 << QList<int>{1, 3} << "709666666" << 0;
    QTest::addRow("bus: joined values cross") << 1 << QList<int>{1, 3, 3, 6} << "708009666" << 0;
    QTest::addRow("bus: end on an end keeps it") << 2 << QList<int>{1, 3, 2, 3} << "789666666" << 0;
    QTest::addRow("bus: turnaround between values") << 1 << QList<int>{1, 3, 5, 9} << "709670009" << 0;
    QTest::addRow("bus: whole lesson") << 2 << QList<int>{1, 9} << "700000009" << 0;
}

void PciLessonRulesTest::intervalEditing()
{
    QFETCH(int, row);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expected);
    QFETCH(int, pending);
    LessonRules rules;
    rules.selectRow(row);
    for (const int column : clicks)
        rules.rightClick(column);
    QCOMPARE(text(rules.row(row)), expected);
    QCOMPARE(rules.pendingColumn(), pending);
}

void PciLessonRulesTest::editsGoToTheActiveRow()
{
    LessonRules rules;
    rules.selectRow(4);
    rules.rightClick(2);
    rules.selectRow(1); // the row changes between the two clicks
    rules.rightClick(4);
    QCOMPARE(text(rules.row(1)), QStringLiteral("670966666"));
    QCOMPARE(text(rules.row(4)), QStringLiteral("444444444"));
}

void PciLessonRulesTest::clearingTheActiveRow()
{
    LessonRules rules;
    rules.selectRow(1);
    rules.rightClick(1);
    rules.rightClick(4);
    rules.selectRow(3);
    rules.rightClick(2);
    rules.rightClick(4);
    rules.clearActiveRow();
    QCOMPARE(text(rules.row(3)), QStringLiteral("444444444"));
    QCOMPARE(text(rules.row(1)), QStringLiteral("700966666"));
    rules.selectRow(1);
    rules.clearActiveRow();
    QCOMPARE(text(rules.row(1)), QStringLiteral("666666666"));
}

void PciLessonRulesTest::clockRowIsNeverEdited()
{
    LessonRules rules;
    rules.selectRow(0);
    QCOMPARE(rules.activeRow(), 1);
    rules.selectRow(11);
    QCOMPARE(rules.activeRow(), 1);
    QCOMPARE(text(rules.row(0)), QStringLiteral("111111111"));
    rules.setState(0, 3, Low);
    QCOMPARE(rules.state(0, 3), quint8(ClockPeriod));
}

void PciLessonRulesTest::comparison_data()
{
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("errors");
    QTest::addRow("exact") << clearedAnswer() << true << " ";
    QStringList any = clearedAnswer();
    any[0] = QStringLiteral("?????????");
    any[9] = QStringLiteral("4?4?4?4?4");
    QTest::addRow("question marks accept anything") << any << true << " ";
    QStringList longer = clearedAnswer();
    longer[4] = QStringLiteral("444444444 comment");
    QTest::addRow("only nine characters are read") << longer << true << " ";
    QStringList shortLine = clearedAnswer();
    shortLine[3] = QStringLiteral("44444444");
    QTest::addRow("a short line is wrong") << shortLine << false << " S4; ";
    QTest::addRow("missing lines are wrong") << clearedAnswer().mid(0, 8) << false << " S9; S10; ";
    QStringList two = clearedAnswer();
    two[1] = QStringLiteral("666666667");
    two[6] = QStringLiteral("544444444");
    QTest::addRow("names of wrong rows in order") << two << false << " C/BE#; S7; ";
}

void PciLessonRulesTest::comparison()
{
    QFETCH(QStringList, answer);
    QFETCH(bool, right);
    QFETCH(QString, errors);
    LessonRules rules;
    std::array<Row, LessonRules::Rows> grid;
    for (int row = 0; row < LessonRules::Rows; ++row)
        grid[size_t(row)] = rules.row(row);
    const LessonRules::Check check = LessonRules::compare(grid, answer, names());
    QCOMPARE(check.right, right);
    QCOMPARE(check.errorText, errors);
}

void PciLessonRulesTest::taskDrawAndRepeatRule()
{
    LessonRules rules;
    std::array<int, 3> previous{0, 0, 0};
    std::array<QSet<int>, 3> seen;
    for (int lesson = 0; lesson < 300; ++lesson) {
        rules.start();
        const std::array<int, 3> order = rules.taskOrder();
        for (int position = 0; position < 3; ++position) {
            QVERIFY(order[size_t(position)] >= LessonRules::FirstTask[position]);
            QVERIFY(order[size_t(position)] <= LessonRules::LastTask[position]);
            QVERIFY2(order[size_t(position)] != previous[size_t(position)], "a task repeated in the next lesson");
            seen[size_t(position)].insert(order[size_t(position)]);
        }
        previous = order;
    }
    QCOMPARE(seen[0].size(), 6);
    QCOMPARE(seen[1].size(), 5);
    QCOMPARE(seen[2].size(), 6);
}

void PciLessonRulesTest::rightAnswersToTheSummary()
{
    LessonRules rules;
    rules.start();
    rules.next();
    QCOMPARE(rules.caption(), QStringLiteral("Электронный урок - задание № 1"));
    QCOMPARE(rules.currentTask(), rules.taskOrder()[0]);
    for (int task = 1; task <= 3; ++task) {
        QCOMPARE(rules.taskIndex(), task);
        QVERIFY(rules.buttons().ready);
        QVERIFY(!rules.buttons().next);
        rules.selectRow(5);
        const LessonRules::Verdict verdict = rules.ready(clearedAnswer(), names());
        QVERIFY(verdict.right);
        QCOMPARE(verdict.lessonEnds, task == 3);
        QCOMPARE(verdict.nextFollows, task < 3);
        QCOMPARE(rules.rightCount(), task);
        if (verdict.nextFollows) {
            rules.next();
            QCOMPARE(rules.activeRow(), 1);
            QCOMPARE(rules.caption(), QStringLiteral("Электронный урок - задание № %1").arg(task + 1));
        }
    }
    QCOMPARE(rules.summaryText(), QStringLiteral("Правильных ответов 3 из 3\r\nСделано 0 повторных попыток ответа"));
}

void PciLessonRulesTest::wrongRetryGiveUp()
{
    LessonRules rules;
    rules.start();
    rules.next();
    LessonRules::Verdict verdict = rules.ready(wrongAnswer(), names());
    QVERIFY(!verdict.right);
    QCOMPARE(verdict.errorText, QStringLiteral(" S3; "));
    QVERIFY(rules.buttons().retry && rules.buttons().next && !rules.buttons().ready && !rules.buttons().giveUp);
    rules.retry();
    QCOMPARE(rules.retryCount(), 1);
    QVERIFY(rules.retryMode());
    QVERIFY(rules.buttons().ready && !rules.buttons().retry);
    verdict = rules.ready(wrongAnswer(), names());
    QVERIFY(!verdict.right);
    QVERIFY(rules.buttons().giveUp && !rules.buttons().retry && rules.buttons().next);
    QVERIFY(!rules.giveUp(wrongAnswer()));
    QVERIFY(!rules.buttons().giveUp);
    QCOMPARE(text(rules.row(3)), QStringLiteral("425534444"));
    // "Дальше" after a wrong answer: a new task, retry allowed again
    rules.next();
    QCOMPARE(rules.taskIndex(), 2);
    QVERIFY(!rules.retryMode());
    QCOMPARE(text(rules.row(3)), QStringLiteral("444444444"));
    QVERIFY(rules.ready(clearedAnswer(), names()).nextFollows);
    rules.next();
    QVERIFY(!rules.ready(wrongAnswer(), names()).right);
    rules.retry();
    QVERIFY(rules.ready(clearedAnswer(), names()).lessonEnds);
    QCOMPARE(rules.summaryText(), QStringLiteral("Правильных ответов 2 из 3\r\nСделано 2 повторных попыток ответа"));
}

void PciLessonRulesTest::wrongOnLastTaskLeavesOnlyExit()
{
    LessonRules rules;
    rules.start();
    for (int task = 1; task <= 3; ++task) {
        rules.next();
        QVERIFY(!rules.ready(wrongAnswer(), names()).right);
    }
    const LessonRules::Buttons b = rules.buttons();
    QVERIFY(!b.ready && !b.next && b.retry && !b.giveUp);
    rules.next(); // no fourth task
    QCOMPARE(rules.taskIndex(), 3);
    rules.retry();
    QVERIFY(!rules.ready(wrongAnswer(), names()).right);
    QVERIFY(rules.buttons().giveUp);
    QVERIFY(rules.giveUp(wrongAnswer()));
    QCOMPARE(rules.summaryText(), QStringLiteral("Правильных ответов 0 из 3\r\nСделано 1 повторных попыток ответа"));
}

void PciLessonRulesTest::giveUpShowsDigitsAndNothingForAny()
{
    LessonRules rules;
    rules.start();
    rules.next();
    QStringList answer = clearedAnswer();
    answer[0] = QStringLiteral("7009??666");
    answer[2] = QStringLiteral("4255"); // short: the rest shows nothing
    rules.giveUp(answer.mid(0, 9));
    QCOMPARE(rules.state(1, 1), quint8(ValueStarts));
    QCOMPARE(rules.state(1, 5), quint8(DontCare));
    QCOMPARE(rules.state(1, 6), quint8(DontCare));
    QCOMPARE(rules.state(3, 4), quint8(Low));
    QCOMPARE(rules.state(3, 5), quint8(DontCare));
    QCOMPARE(rules.state(10, 1), quint8(DontCare));
}

void PciLessonRulesTest::drawableStates()
{
    for (int state = 0; state <= DontCare; ++state) {
        const bool bus = state == 0 || state == 6 || state == 7 || state == 8 || state == 9;
        const bool line = state >= 2 && state <= 5;
        QCOMPARE(canDraw(RowKind::Bus, state), bus);
        QCOMPARE(canDraw(RowKind::Line, state), line);
    }
    QCOMPARE(rowKind(1), RowKind::Bus);
    QCOMPARE(rowKind(2), RowKind::Bus);
    QCOMPARE(rowKind(3), RowKind::Line);
    QCOMPARE(rowKind(10), RowKind::Line);
}

void PciLessonRulesTest::answerLineFaults_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fault");
    QTest::addRow("bus value") << 1 << "709670009"
                               << "";
    QTest::addRow("line pulse with any") << 4 << "4255?3444"
                                         << "";
    QTest::addRow("short") << 3 << "42553444"
                           << "в строке 8 знаков, нужно 9";
    QTest::addRow("long") << 3 << "4255344444"
                          << "в строке 10 знаков, нужно 9";
    QTest::addRow("letter") << 3 << "42x534444"
                            << "такт 3: знак «x» не состояние";
    QTest::addRow("line state on a bus") << 2 << "666466666"
                                         << "такт 4: состояние 4 не рисуется на строке шины";
    QTest::addRow("bus state on a line") << 7 << "444474444"
                                         << "такт 5: состояние 7 не рисуется на строке линии";
    QTest::addRow("clock state") << 5 << "144444444"
                                 << "такт 1: состояние 1 не рисуется";
    QTest::addRow("low from the start") << 6 << "555534444"
                                        << "не нарисовать интервалами";
    QTest::addRow("value ends in period 1") << 1 << "966666666"
                                            << "не нарисовать интервалами";
    QTest::addRow("eleventh row") << 11 << "444444444"
                                  << "строк больше 10";
}

void PciLessonRulesTest::answerLineFaults()
{
    QFETCH(int, row);
    QFETCH(QString, line);
    QFETCH(QString, fault);
    const QString found = answerLineFault(row, line);
    if (fault.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else
        QVERIFY2(found.contains(fault), qPrintable(found));
}

// Every line the checker accepts is drawn by its intervals, click by click.
void PciLessonRulesTest::everyDrawableLineIsSolved()
{
    const QStringList lines{QStringLiteral("709670009"), QStringLiteral("708009666"), QStringLiteral("7?9??7??9"),
                            QStringLiteral("425555534"), QStringLiteral("253442534"), QStringLiteral("4444?2534")};
    for (const QString &line : lines) {
        for (const int row : {1, 5}) {
            const auto intervals = intervalsFor(rowKind(row), line);
            if (!intervals) {
                QVERIFY(!answerLineFault(row, line).isEmpty());
                continue;
            }
            LessonRules rules;
            rules.selectRow(row);
            for (const Interval &interval : *intervals) {
                rules.rightClick(interval.first);
                rules.rightClick(interval.last);
            }
            std::array<Row, LessonRules::Rows> grid;
            for (int r = 0; r < LessonRules::Rows; ++r)
                grid[size_t(r)] = rules.row(r);
            QStringList answer = clearedAnswer();
            answer[row - 1] = line;
            QVERIFY2(LessonRules::compare(grid, answer, names()).right, qPrintable(line));
        }
    }
}

void PciLessonRulesTest::contentToolChecksAnswers_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QStringList>("errors");
    const QByteArray good = clearedAnswer().join(QLatin1Char('\n')).toUtf8() + '\n';
    QTest::addRow("good") << "pci/lesson/answer3.txt" << good << QStringList{};
    QTest::addRow("good with CR LF") << "pci/lesson/answer3.txt" << QByteArray(good).replace("\n", "\r\n")
                                     << QStringList{};
    QStringList faultyLines = clearedAnswer();
    faultyLines[1] = QStringLiteral("666466666");
    faultyLines[3] = QStringLiteral("44444444");
    const QByteArray faulty = faultyLines.join(QLatin1Char('\n')).toUtf8();
    QTest::addRow("faulty lines") << "PCI/Lesson/ANSWER12.txt" << faulty
                                  << QStringList{"answer.txt:2: такт 4: состояние 4", "answer.txt:4: в строке 8"};
    QTest::addRow("nine lines") << "pci/lesson/answer1.txt"
                                << clearedAnswer().mid(0, 9).join(QLatin1Char('\n')).toUtf8()
                                << QStringList{"answer.txt: строк 9, нужно 10"};
    QTest::addRow("eleven lines") << "pci/lesson/answer1.txt" << good + "444444444\n"
                                  << QStringList{"answer.txt:11: строк больше 10"};
    QTest::addRow("other texts are not answers") << "pci/lesson/task.txt" << QByteArray("x\n") << QStringList{};
}

void PciLessonRulesTest::contentToolChecksAnswers()
{
    QFETCH(QString, relative);
    QFETCH(QByteArray, source);
    QFETCH(QStringList, errors);
    SourceReport report;
    if (PciAnswerCheck::isAnswer(relative))
        PciAnswerCheck::check(source, QStringLiteral("answer.txt"), report);
    QCOMPARE(report.errors.size(), errors.size());
    for (int i = 0; i < errors.size(); ++i)
        QVERIFY2(report.errors.at(i).text().startsWith(errors.at(i)), qPrintable(report.errors.at(i).text()));
}

QTEST_GUILESS_MAIN(PciLessonRulesTest)
#include "tst_pcilessonrules.moc"
