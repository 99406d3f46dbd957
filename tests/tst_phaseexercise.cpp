#include "platform/contenterror.h"
#include "scsi/phaseexercise.h"
#include "taskrecords.h"
#include "testutil.h"

#include <QTest>
#include <QtEndian>

namespace {

const QString kDiskPath = QStringLiteral("scsi/quest/scsi_les1.dat");

PhaseTaskRecord task(const QList<PhaseStep> &answer)
{
    PhaseTaskRecord record;
    record.text = QStringLiteral("задача");
    record.phaseCount = int(answer.size());
    for (int i = 0; i < answer.size(); ++i)
        record.entries[i] = answer[i];
    return record;
}

// BUS FREE, ARBITRATION (BSY, DB), SELECTION (SEL, ATN, DB), COMMAND (BSY C/D REQ)
const QList<PhaseStep> kAnswer{{0, 0}, {1, 1 | 256}, {2, 2 | 128 | 256}, {4, 1 | 8 | 4}};

const QString kRight = QStringLiteral("Последовательность фаз верная.\r\nСигналы проставленны верно.\r\n");

} // namespace

class PhaseExerciseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdict_data();
    void verdict();
    void checkCounts_data();
    void checkCounts();
    void closeWithoutCheckCountsOnce();
    void closeAfterCheckCountsNothingMore();
    void capacity();
    void buttonCycle();
    void leftoverStepsPlayNoPart();
    void loadsTask();
    void emptyFileKeepsTask();
    void missingFileThrows();
};

void PhaseExerciseTest::verdict_data()
{
    QTest::addColumn<QList<PhaseStep>>("steps");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("message");

    QTest::addRow("right") << kAnswer << true << kRight;

    QList<PhaseStep> missingSignal = kAnswer;
    missingSignal[2].mask &= ~quint16(128);
    QTest::addRow("one signal missing") << missingSignal << false
                                        << QStringLiteral(
                                               "Последовательность фаз верная.\r\nСигналы проставленны неверно.\r\n");

    QList<PhaseStep> wrongPhase = kAnswer;
    wrongPhase[3].phase = 5;
    QTest::addRow("wrong phase, right signals")
        << wrongPhase << false << QStringLiteral("Последовательность фаз неверная.\r\nСигналы проставленны верно.\r\n");

    QTest::addRow("one phase too short, signals right so far")
        << kAnswer.mid(0, 3) << false
        << QStringLiteral("Решение неверно.\r\nНеверное кол-во фаз.\r\nПоследовательность фаз неверная.\r\n"
                          "Сигналы проставленны верно.\r\n");

    QList<PhaseStep> shortWrong = kAnswer.mid(0, 3);
    shortWrong[1].mask = 0;
    QTest::addRow("one phase too short, a signal wrong")
        << shortWrong << false
        << QStringLiteral("Решение неверно.\r\nНеверное кол-во фаз.\r\nПоследовательность фаз неверная.\r\n"
                          "Сигналы проставленны неверно.\r\n");

    QTest::addRow("empty chain") << QList<PhaseStep>() << false
                                 << QStringLiteral("Решение неверно.\r\nНеверное кол-во фаз.\r\nПоследовательность "
                                                   "фаз неверная.\r\nСигналы проставленны верно.\r\n");

    QList<PhaseStep> longer = kAnswer;
    longer.append({7, 0});
    QTest::addRow("one phase too many") << longer << false
                                        << QStringLiteral(
                                               "Решение неверно.\r\nНеверное кол-во фаз.\r\nПоследовательност"
                                               "ь фаз неверная.\r\nСигналы проставленны верно.\r\n");
}

void PhaseExerciseTest::verdict()
{
    QFETCH(QList<PhaseStep>, steps);
    QFETCH(bool, right);
    QFETCH(QString, message);
    const PhaseExercise::Verdict verdict = PhaseExercise::judge(steps, task(kAnswer));
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.right(), right);
}

void PhaseExerciseTest::checkCounts_data()
{
    QTest::addColumn<bool>("right");
    QTest::addRow("right") << true;
    QTest::addRow("wrong") << false;
}

void PhaseExerciseTest::checkCounts()
{
    QFETCH(bool, right);
    StudentRecord record;
    record.counters = {5, 4, 10, 3, 7, 6};
    PhaseExercise exercise(record);
    exercise.setTask(task(kAnswer));
    for (const PhaseStep &step : right ? kAnswer : kAnswer.mid(1))
        exercise.addStep(step);
    QVERIFY(!exercise.tally().checkedThisOpening());
    const PhaseExercise::Verdict verdict = exercise.check();
    QCOMPARE(verdict.right(), right);
    QVERIFY(exercise.tally().checkedThisOpening());
    QCOMPARE(exercise.tally().tasksGiven(), 1);
    QCOMPARE(exercise.tally().tasksRight(), right ? 1 : 0);
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 11);
    QCOMPARE(record.value(StudentRecord::Task1Right), right ? 4 : 3);
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 5);
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 7);
    exercise.close();
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 11);
}

void PhaseExerciseTest::closeWithoutCheckCountsOnce()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    exercise.addStep({0, 0});
    exercise.close();
    exercise.close();
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(record.value(StudentRecord::Task1Right), 0);
}

void PhaseExerciseTest::closeAfterCheckCountsNothingMore()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    exercise.setTask(task(kAnswer));
    exercise.check();
    exercise.restart();
    exercise.check();
    QCOMPARE(exercise.tally().tasksGiven(), 2);
    exercise.close();
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 2);
}

void PhaseExerciseTest::capacity()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    for (int i = 0; i < 21; ++i)
        QVERIFY(exercise.addStep({i % 10, quint16(i)}));
    QVERIFY(!exercise.addStep({3, 3}));
    QVERIFY(!exercise.addStep({3, 3}));
    QCOMPARE(exercise.steps().size(), 21);
    QCOMPARE(exercise.steps().last(), (PhaseStep{0, 20}));
}

void PhaseExerciseTest::buttonCycle()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    exercise.setTask(task(kAnswer));
    QCOMPARE(exercise.readyCaption(), QStringLiteral("ГОТОВО"));
    QCOMPARE(exercise.resetCaption(), QStringLiteral("Сброс"));
    exercise.addStep({0, 0});
    exercise.check();
    QCOMPARE(exercise.readyCaption(), QStringLiteral("Выход"));
    QCOMPARE(exercise.resetCaption(), QStringLiteral("Дальше ->"));
    exercise.restart();
    QCOMPARE(exercise.readyCaption(), QStringLiteral("ГОТОВО"));
    QCOMPARE(exercise.resetCaption(), QStringLiteral("Сброс"));
    QVERIFY(exercise.steps().isEmpty());
    QVERIFY(exercise.tally().checkedThisOpening());
}

void PhaseExerciseTest::leftoverStepsPlayNoPart()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    QList<PhaseStep> longAnswer = kAnswer + kAnswer;
    exercise.setTask(task(longAnswer));
    for (const PhaseStep &step : longAnswer)
        exercise.addStep(step);
    QVERIFY(exercise.check().right());
    exercise.restart();
    exercise.setTask(task(kAnswer.mid(0, 2)));
    exercise.addStep(kAnswer[0]);
    exercise.addStep(kAnswer[1]);
    const PhaseExercise::Verdict verdict = exercise.check();
    QCOMPARE(verdict.message, kRight);
    QVERIFY(verdict.right());
    QCOMPARE(exercise.tally().tasksRight(), 2);
}

void PhaseExerciseTest::loadsTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("text one", kAnswer));
    StudentRecord record;
    PhaseExercise exercise(record);
    QVERIFY(exercise.loadTask());
    QCOMPARE(exercise.task().text, QStringLiteral("text one"));
    QCOMPARE(exercise.task().answer(), kAnswer);
}

void PhaseExerciseTest::emptyFileKeepsTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("text one", kAnswer));
    StudentRecord record;
    PhaseExercise exercise(record);
    QVERIFY(exercise.loadTask());
    folder.write(kDiskPath, QByteArray());
    QVERIFY(!exercise.loadTask());
    QCOMPARE(exercise.task().text, QStringLiteral("text one"));
    QCOMPARE(PhaseExercise::emptyFileMessage(), QStringLiteral("Файл пуст - scsi\\quest\\scsi_les1.dat"));
}

void PhaseExerciseTest::missingFileThrows()
{
    TestUtil::WorkingFolder folder;
    StudentRecord record;
    PhaseExercise exercise(record);
    QVERIFY_THROWS_EXCEPTION(ContentError, exercise.loadTask());
}

QTEST_MAIN(PhaseExerciseTest)
#include "tst_phaseexercise.moc"
