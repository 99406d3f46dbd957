#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/random.h"
#include "platform/recordfile.h"
#include "scsi/phasetask.h"
#include "taskrecords.h"
#include "testutil.h"

#include <QTest>
#include <QtEndian>

namespace {

const QString kPath = QStringLiteral("scsi\\quest\\scsi_les1.dat");
const QString kDiskPath = QStringLiteral("scsi/quest/scsi_les1.dat");

QByteArray cp1251(const QString &text)
{
    return *Cp1251::encode(text);
}

} // namespace

class PhaseTaskTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tables();
    void readsRecord();
    void textWithoutZeroEndsAtField();
    void entriesBeyondCountAreNotChecked();
    void badRecords_data();
    void badRecords();
    void namesRecordNumber();
    void shortFileHasNoTask();
    void trailingPartialRecordIgnored();
    void missingFile();
};

void PhaseTaskTest::tables()
{
    QCOMPARE(PhaseTable::listItem(0), QStringLiteral("BUS FREE"));
    QCOMPARE(PhaseTable::listItem(9), QStringLiteral("MESSAGE OUT"));
    QCOMPARE(PhaseTable::abbreviation(3), QStringLiteral("RS"));
    QCOMPARE(PhaseTable::abbreviation(6), QStringLiteral("DO"));
    QCOMPARE(PhaseTable::abbreviation(10), QString());
    QCOMPARE(PhaseTable::abbreviation(-1), QString());
    const auto &signals_ = PhaseTable::signalTable();
    QCOMPARE(QString::fromLatin1(signals_[8].caption), QStringLiteral("DBx# DBPx#"));
    QCOMPARE(QString::fromLatin1(signals_[0].caption), QStringLiteral("BSY#"));
    for (int i = 0; i < PhaseTable::kSignalCount; ++i)
        QCOMPARE(int(signals_[i].bit), 1 << i);
    QCOMPARE(int(PhaseTable::allSignalBits()), 511);
}

void PhaseTaskTest::readsRecord()
{
    TestUtil::WorkingFolder folder;
    const QList<PhaseStep> answer{{0, 0}, {1, 257}, {2, 386}};
    folder.write(kDiskPath, TaskRecords::phase(cp1251(QStringLiteral("Чтение блока")), 3, answer));
    const auto task = PhaseTaskRecord::readRandom(kPath);
    QVERIFY(task.has_value());
    QCOMPARE(task->text, QStringLiteral("Чтение блока"));
    QCOMPARE(task->phaseCount, 3);
    QCOMPARE(task->answer(), answer);
}

void PhaseTaskTest::textWithoutZeroEndsAtField()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase(QByteArray(503, 'A'), 1, {{0, 1}}));
    const auto task = PhaseTaskRecord::readRandom(kPath);
    QVERIFY(task.has_value());
    QCOMPARE(task->text, QString(503, QLatin1Char('A')));
    QCOMPARE(task->phaseCount, 1);
}

void PhaseTaskTest::entriesBeyondCountAreNotChecked()
{
    QList<PhaseStep> entries(21, PhaseStep{77, 0xFFFF});
    entries[0] = {4, 8};
    const PhaseTaskRecord task = PhaseTaskRecord::parse(TaskRecords::phase("x", 1, entries), kPath, 1);
    QCOMPARE(task.answer(), QList<PhaseStep>({{4, 8}}));
    QCOMPARE(task.entries[1], (PhaseStep{77, 0xFFFF}));
}

void PhaseTaskTest::badRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("fault");
    const QList<PhaseStep> one{{0, 0}};
    QTest::addRow("N = 0") << TaskRecords::phase("t", 0, one) << QStringLiteral("число фаз 0");
    QTest::addRow("N = 22") << TaskRecords::phase("t", 22, one) << QStringLiteral("число фаз 22");
    QTest::addRow("N = -1") << TaskRecords::phase("t", -1, one) << QStringLiteral("число фаз -1");
    QTest::addRow("N huge") << TaskRecords::phase("t", 0x7FFFFFFF, one) << QStringLiteral("число фаз 2147483647");
    QTest::addRow("N negative huge") << TaskRecords::phase("t", qint32(0x80000000), one)
                                     << QStringLiteral("число фаз -2147483648");
    QTest::addRow("phase code 10") << TaskRecords::phase("t", 2, {{0, 0}, {10, 0}}) << QStringLiteral("фаза 2");
    QTest::addRow("phase code -1") << TaskRecords::phase("t", 1, {{-1, 0}}) << QStringLiteral("фаза 1");
    QTest::addRow("unknown signal") << TaskRecords::phase("t", 1, {{0, 512}}) << QStringLiteral("сигналы");
}

void PhaseTaskTest::badRecords()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, fault);
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, record);
    try {
        PhaseTaskRecord::readRandom(kPath);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().contains(kPath), qPrintable(error.message()));
        QVERIFY2(error.message().contains(QStringLiteral("запись № 1: ")), qPrintable(error.message()));
        QVERIFY2(error.message().contains(fault), qPrintable(error.message()));
    }
}

void PhaseTaskTest::namesRecordNumber()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("good", 1, {{0, 0}}) + TaskRecords::phase("bad", 22, {}));
    const RecordFile file(kPath, PhaseTaskRecord::kSize);
    QCOMPARE(file.count(), 2);
    QCOMPARE(PhaseTaskRecord::parse(file.read(0), kPath, 1).text, QStringLiteral("good"));
    try {
        PhaseTaskRecord::parse(file.read(1), kPath, 2);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Файл scsi\\quest\\scsi_les1.dat: запись № 2: число фаз 22 (допустимо от 1 до 21)"));
    }
}

void PhaseTaskTest::shortFileHasNoTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, QByteArray(675, '\1'));
    QVERIFY(!PhaseTaskRecord::readRandom(kPath).has_value());
    folder.write(kDiskPath, QByteArray());
    QVERIFY(!PhaseTaskRecord::readRandom(kPath).has_value());
}

void PhaseTaskTest::trailingPartialRecordIgnored()
{
    TestUtil::WorkingFolder folder;
    // The trailing 300 bytes would be a bad record if they were read.
    folder.write(kDiskPath, TaskRecords::phase("only", 2, {{0, 0}, {1, 1}}) + QByteArray(300, '\xFF'));
    Random::seed(7);
    for (int i = 0; i < 20; ++i) {
        const auto task = PhaseTaskRecord::readRandom(kPath);
        QVERIFY(task.has_value());
        QCOMPARE(task->text, QStringLiteral("only"));
    }
}

void PhaseTaskTest::missingFile()
{
    TestUtil::WorkingFolder folder;
    try {
        PhaseTaskRecord::readRandom(kPath);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi_les1.dat"));
    }
}

QTEST_MAIN(PhaseTaskTest)
#include "tst_phasetask.moc"
