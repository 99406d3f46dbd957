#include "platform/contenterror.h"
#include "platform/random.h"
#include "platform/recordfile.h"
#include "testutil.h"

#include <QSet>
#include <QTest>

class RecordFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsWholeRecordsOnly_data();
    void countsWholeRecordsOnly();
    void readsRecordsWithinBounds();
    void drawsEveryRecord();
    void missingFileNamesRequestedPath();
    void fieldsAreLittleEndianAndBounded();
};

void RecordFileTest::countsWholeRecordsOnly_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");
    QTest::addRow("empty") << 0 << 0;
    QTest::addRow("short") << 5 << 0;
    QTest::addRow("one") << 10 << 1;
    QTest::addRow("odd sized") << 25 << 2;
    QTest::addRow("three") << 30 << 3;
}

void RecordFileTest::countsWholeRecordsOnly()
{
    QFETCH(int, size);
    QFETCH(int, count);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("quest/t.dat"), QByteArray(size, 'x'));
    RecordFile file(QStringLiteral("QUEST\\T.DAT"), 10);
    QCOMPARE(file.count(), count);
    QCOMPARE(file.readRandom().size(), count ? 10 : 0);
}

void RecordFileTest::readsRecordsWithinBounds()
{
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("t.dat"), QByteArray("aaaabbbbcc"));
    RecordFile file(QStringLiteral("t.dat"), 4);
    QCOMPARE(file.read(1), QByteArray("bbbb"));
    QVERIFY_THROWS_EXCEPTION(ContentError, file.read(2));
    QVERIFY_THROWS_EXCEPTION(ContentError, file.read(-1));
}

void RecordFileTest::drawsEveryRecord()
{
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("t.dat"), QByteArray("abcd"));
    RecordFile file(QStringLiteral("t.dat"), 1);
    Random::seed(7);
    QSet<QByteArray> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(file.readRandom());
    QCOMPARE(seen.size(), 4);
}

void RecordFileTest::missingFileNamesRequestedPath()
{
    TestUtil::WorkingFolder folder;
    try {
        RecordFile file(QStringLiteral("scsi\\quest\\scsi_les1.dat"), 676);
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi_les1.dat"));
    }
}

void RecordFileTest::fieldsAreLittleEndianAndBounded()
{
    const QByteArray record("\x01\x02\x03\x84\xff", 5);
    QCOMPARE(RecordField::int32(record, 0), qint32(0x84030201));
    QCOMPARE(RecordField::uint16(record, 3), quint16(0xff84));
    QCOMPARE(RecordField::uint16(record, 4), quint16(0x00ff));
    QCOMPARE(RecordField::byte(record, 5), quint8(0));
    QCOMPARE(RecordField::byte(record, -1), quint8(0));
}

QTEST_MAIN(RecordFileTest)
#include "tst_recordfile.moc"
