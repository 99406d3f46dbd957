#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/random.h"
#include "platform/recordfile.h"
#include "scsi/descriptortask.h"
#include "taskrecords.h"
#include "testutil.h"

#include <QTest>
#include <QtEndian>

namespace {

const QString kPath = QStringLiteral("scsi\\quest\\scsi_les2.dat");
const QString kDiskPath = QStringLiteral("scsi/quest/scsi_les2.dat");

} // namespace

class DescriptorTaskTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutTable();
    void readsRecord();
    void textWithoutZeroEndsAtField();
    void badSizeCode_data();
    void badSizeCode();
    void namesRecordNumber();
    void shortFileHasNoTask();
    void trailingPartialRecordIgnored();
    void missingFile();
};

void DescriptorTaskTest::layoutTable()
{
    QCOMPARE(DescriptorLayout::byteCount(0), 6);
    QCOMPARE(DescriptorLayout::byteCount(1), 10);
    QCOMPARE(DescriptorLayout::byteCount(2), 12);
    QCOMPARE(DescriptorLayout::byteCount(3), 0);
    QCOMPARE(DescriptorLayout::fields(0).size(), 7);
    QCOMPARE(DescriptorLayout::fields(1).size(), 9);
    QCOMPARE(DescriptorLayout::fields(2).size(), 11);
    QVERIFY(DescriptorLayout::fields(3).isEmpty());
    const auto six = DescriptorLayout::fields(0);
    QCOMPARE(QString::fromLatin1(six[2].name), QStringLiteral("LBA"));
    QCOMPARE(six[2].byte, 1);
    QCOMPARE(six[2].bits, 5);
    QCOMPARE(QString::fromLatin1(six[6].name), QStringLiteral("Control"));
    QCOMPARE(six[6].byte, 5);
    const auto ten = DescriptorLayout::fields(1);
    QCOMPARE(ten[6].byte, 7); // byte 6 is not laid out
    const auto twelve = DescriptorLayout::fields(2);
    QCOMPARE(QString::fromLatin1(twelve[10].name), QStringLiteral("Control"));
    QCOMPARE(twelve[10].byte, 11);
    QCOMPARE(DescriptorLayout::sizeCaption(1), QStringLiteral("10 байт"));
    QCOMPARE(DescriptorLayout::nameItems(), QStringList({"", "OpCode", "LUN", "LBA", "Length", "Control"}));
    QCOMPARE(DescriptorLayout::byteItems().size(), 13);
    QCOMPARE(DescriptorLayout::byteItems().last(), QStringLiteral("11"));
}

void DescriptorTaskTest::readsRecord()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor(*Cp1251::encode(QStringLiteral("READ(10)")), 1,
                                                    QByteArray::fromHex("280000000003e8001000ffee")));
    const auto task = DescriptorTaskRecord::readRandom(kPath);
    QVERIFY(task.has_value());
    QCOMPARE(task->text, QStringLiteral("READ(10)"));
    QCOMPARE(task->sizeCode, 1);
    QCOMPARE(task->byteCount(), 10);
    QCOMPARE(int(task->bytes[0]), 0x28);
    QCOMPARE(int(task->bytes[6]), 0xe8);
    QCOMPARE(int(task->bytes[11]), 0xee);
}

void DescriptorTaskTest::textWithoutZeroEndsAtField()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor(QByteArray(503, 'z'), 0, {}));
    const auto task = DescriptorTaskRecord::readRandom(kPath);
    QVERIFY(task.has_value());
    QCOMPARE(task->text, QString(503, QLatin1Char('z')));
}

void DescriptorTaskTest::badSizeCode_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addRow("3") << qint32(3);
    QTest::addRow("-1") << qint32(-1);
    QTest::addRow("huge") << qint32(0x7FFFFFFF);
}

void DescriptorTaskTest::badSizeCode()
{
    QFETCH(qint32, code);
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", code, {}));
    try {
        DescriptorTaskRecord::readRandom(kPath);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Файл scsi\\quest\\scsi_les2.dat: запись № 1: код размерности %1 "
                                                 "(допустимо 0, 1 или 2)")
                                      .arg(code));
    }
}

void DescriptorTaskTest::namesRecordNumber()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("a", 0, {}) + TaskRecords::descriptor("b", 1, {}) +
                                TaskRecords::descriptor("c", 3, {}));
    const RecordFile file(kPath, DescriptorTaskRecord::kSize);
    QCOMPARE(file.count(), 3);
    QCOMPARE(DescriptorTaskRecord::parse(file.read(1), kPath, 2).text, QStringLiteral("b"));
    try {
        DescriptorTaskRecord::parse(file.read(2), kPath, 3);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("запись № 3: ")), qPrintable(error.message()));
    }
}

void DescriptorTaskTest::shortFileHasNoTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, QByteArray(519, '\3'));
    QVERIFY(!DescriptorTaskRecord::readRandom(kPath).has_value());
}

void DescriptorTaskTest::trailingPartialRecordIgnored()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("one", 2, {}) + QByteArray(519, '\3'));
    Random::seed(3);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(DescriptorTaskRecord::readRandom(kPath)->text, QStringLiteral("one"));
}

void DescriptorTaskTest::missingFile()
{
    TestUtil::WorkingFolder folder;
    try {
        DescriptorTaskRecord::readRandom(kPath);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi_les2.dat"));
    }
}

QTEST_MAIN(DescriptorTaskTest)
#include "tst_descriptortask.moc"
