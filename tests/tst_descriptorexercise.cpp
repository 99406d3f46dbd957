#include "platform/contenterror.h"
#include "scsi/binaryentry.h"
#include "scsi/descriptorexercise.h"
#include "testutil.h"

#include <QTest>
#include <QtEndian>

namespace {

DescriptorTaskRecord task(int sizeCode, const QByteArray &bytes)
{
    DescriptorTaskRecord record;
    record.text = QStringLiteral("READ");
    record.sizeCode = sizeCode;
    for (int i = 0; i < bytes.size() && i < 12; ++i)
        record.bytes[i] = quint8(bytes[i]);
    return record;
}

QString binary(quint8 value)
{
    return QStringLiteral("%1").arg(value, 8, 2, QLatin1Char('0'));
}

// The entry a student who knows the answer makes.
DescriptorAnswer rightAnswer(const DescriptorTaskRecord &t)
{
    DescriptorAnswer answer;
    answer.sizeIndex = t.sizeCode;
    const auto fields = DescriptorLayout::fields(t.sizeCode);
    for (int r = 0; r < DescriptorLayout::kRowCount; ++r) {
        answer.names[r] = r < fields.size() ? QString::fromLatin1(fields[r].name) : QString();
        answer.numbers[r] = r < fields.size() ? QString::number(fields[r].byte) : QString();
        answer.bits[r] = r < fields.size() ? QString::number(fields[r].bits) : QStringLiteral("0");
    }
    for (int i = 0; i < DescriptorLayout::kByteEdits; ++i)
        answer.values[i] = binary(t.bytes[i]);
    return answer;
}

const QByteArray kRead6 = QByteArray::fromHex("080012340800");
const QByteArray kRead10 = QByteArray::fromHex("28000000100000000800");
const QByteArray kRead12 = QByteArray::fromHex("a80000001000000000080000");

const QString kSize = QStringLiteral("Неверно выбрана размерность дескриптора !");
const QString kLayout = QStringLiteral("Поля дескриптора проставлены неверно !");
const QString kValues = QStringLiteral("Неверно заполнен дескриптор !");
const QString kRight = QStringLiteral("Задание выполнено верно ");

} // namespace

class DescriptorExerciseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rightAnswers_data();
    void rightAnswers();
    void verdicts_data();
    void verdicts();
    void hiddenRowsIgnored();
    void binaryConversion_data();
    void binaryConversion();
    void counters_data();
    void counters();
    void closeWithoutCheckCountsOnce();
    void loading();
};

void DescriptorExerciseTest::rightAnswers_data()
{
    QTest::addColumn<int>("sizeCode");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("6 bytes") << 0 << kRead6;
    QTest::addRow("10 bytes") << 1 << kRead10;
    QTest::addRow("12 bytes") << 2 << kRead12;
}

void DescriptorExerciseTest::rightAnswers()
{
    QFETCH(int, sizeCode);
    QFETCH(QByteArray, bytes);
    const DescriptorTaskRecord t = task(sizeCode, bytes);
    const auto verdict = DescriptorExercise::judge(rightAnswer(t), t);
    QCOMPARE(verdict.fault, DescriptorExercise::Fault::None);
    QCOMPARE(verdict.message, kRight);
}

void DescriptorExerciseTest::verdicts_data()
{
    QTest::addColumn<int>("sizeCode");
    QTest::addColumn<std::function<void(DescriptorAnswer &)>>("change");
    QTest::addColumn<QString>("message");
    using Change = std::function<void(DescriptorAnswer &)>;

    QTest::addRow("10 bytes chosen for a 6-byte task, all else right")
        << 0 << Change([](DescriptorAnswer &a) { a.sizeIndex = 1; }) << kSize;
    QTest::addRow("6 bytes chosen for a 12-byte task")
        << 2 << Change([](DescriptorAnswer &a) { a.sizeIndex = 0; }) << kSize;
    QTest::addRow("no size chosen") << 0 << Change([](DescriptorAnswer &a) { a.sizeIndex = -1; }) << kSize;
    QTest::addRow("wrong size beats wrong layout and values") << 1 << Change([](DescriptorAnswer &a) {
        a.sizeIndex = 2;
        a.names[0] = QString();
        a.values[0] = QStringLiteral("11111111");
    }) << kSize;
    QTest::addRow("6 bytes: LBA in row 3 with byte 2")
        << 0 << Change([](DescriptorAnswer &a) { a.numbers[2] = QStringLiteral("2"); }) << kLayout;
    QTest::addRow("6 bytes: LBA in row 3 with 8 bits")
        << 0 << Change([](DescriptorAnswer &a) { a.bits[2] = QStringLiteral("8"); }) << kLayout;
    QTest::addRow("LUN in row 1") << 0 << Change([](DescriptorAnswer &a) { a.names[0] = QStringLiteral("LUN"); })
                                  << kLayout;
    QTest::addRow("empty name") << 1 << Change([](DescriptorAnswer &a) { a.names[4] = QString(); }) << kLayout;
    QTest::addRow("10 bytes: Control in the last row with byte 11")
        << 1 << Change([](DescriptorAnswer &a) { a.numbers[8] = QStringLiteral("11"); }) << kLayout;
    QTest::addRow("12 bytes: last row wrong")
        << 2 << Change([](DescriptorAnswer &a) { a.names[10] = QStringLiteral("Length"); }) << kLayout;
    QTest::addRow("wrong layout and wrong values: only the layout") << 0 << Change([](DescriptorAnswer &a) {
        a.bits[1] = QStringLiteral("5");
        a.values[0] = QStringLiteral("11111111");
    }) << kLayout;
    QTest::addRow("a wrong byte") << 0 << Change([](DescriptorAnswer &a) { a.values[3] = QStringLiteral("00110101"); })
                                  << kValues;
    QTest::addRow("last byte of 12 wrong")
        << 2 << Change([](DescriptorAnswer &a) { a.values[11] = QStringLiteral("00000001"); }) << kValues;
    QTest::addRow("seven characters count as 0")
        << 0 << Change([](DescriptorAnswer &a) { a.values[0] = QStringLiteral("0001000"); }) << kValues;
    QTest::addRow("a short entry matches a zero byte")
        << 0 << Change([](DescriptorAnswer &a) { a.values[1] = QStringLiteral("1"); }) << kRight;
}

void DescriptorExerciseTest::verdicts()
{
    QFETCH(int, sizeCode);
    QFETCH(std::function<void(DescriptorAnswer &)>, change);
    QFETCH(QString, message);
    const QByteArray bytes = sizeCode == 0 ? kRead6 : sizeCode == 1 ? kRead10 : kRead12;
    const DescriptorTaskRecord t = task(sizeCode, bytes);
    DescriptorAnswer answer = rightAnswer(t);
    change(answer);
    QCOMPARE(DescriptorExercise::judge(answer, t).message, message);
}

void DescriptorExerciseTest::hiddenRowsIgnored()
{
    const DescriptorTaskRecord t = task(0, kRead6);
    DescriptorAnswer answer = rightAnswer(t);
    for (int r = 7; r < 13; ++r) {
        answer.names[r] = QStringLiteral("LBA");
        answer.numbers[r] = QStringLiteral("11");
        answer.bits[r] = QStringLiteral("3");
    }
    for (int i = 6; i < 12; ++i)
        answer.values[i] = QStringLiteral("10101010");
    QVERIFY(DescriptorExercise::judge(answer, t).right());
    // The 10-byte layout looks at rows 8 to 9 and bytes 6 to 9, not at 10 to 13.
    const DescriptorTaskRecord ten = task(1, kRead10);
    DescriptorAnswer tenAnswer = rightAnswer(ten);
    tenAnswer.names[9] = QStringLiteral("OpCode");
    tenAnswer.values[10] = QStringLiteral("11111111");
    QVERIFY(DescriptorExercise::judge(tenAnswer, ten).right());
}

void DescriptorExerciseTest::binaryConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addRow("00000011") << QStringLiteral("00000011") << 3;
    QTest::addRow("10000000") << QStringLiteral("10000000") << 128;
    QTest::addRow("11111111") << QStringLiteral("11111111") << 255;
    QTest::addRow("00000000") << QStringLiteral("00000000") << 0;
    QTest::addRow("7 chars") << QStringLiteral("1111111") << 0;
    QTest::addRow("9 chars") << QStringLiteral("111111111") << 0;
    QTest::addRow("empty") << QString() << 0;
}

void DescriptorExerciseTest::binaryConversion()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(BinaryEntry::toByte(text)), value);
}

void DescriptorExerciseTest::counters_data()
{
    QTest::addColumn<bool>("right");
    QTest::addRow("right") << true;
    QTest::addRow("wrong") << false;
}

void DescriptorExerciseTest::counters()
{
    QFETCH(bool, right);
    StudentRecord record;
    record.counters = {1, 2, 3, 4, 5, 6};
    DescriptorExercise exercise(record);
    exercise.setTask(task(0, kRead6));
    DescriptorAnswer answer = rightAnswer(exercise.task());
    if (!right)
        answer.values[0] = QStringLiteral("00000000");
    QVERIFY(!exercise.tally().checkedThisOpening());
    const auto verdict = exercise.check(answer);
    QCOMPARE(verdict.right(), right);
    QVERIFY(exercise.tally().checkedThisOpening());
    QCOMPARE(exercise.tally().tasksGiven(), 1);
    QCOMPARE(exercise.tally().tasksRight(), right ? 1 : 0);
    QCOMPARE(record.counters, (std::array<qint32, 6>{1, 2, 3, 4, 6, right ? 7 : 6}));
    exercise.close();
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 6);
}

void DescriptorExerciseTest::closeWithoutCheckCountsOnce()
{
    StudentRecord record;
    DescriptorExercise exercise(record);
    exercise.close();
    exercise.close();
    QCOMPARE(record.counters, (std::array<qint32, 6>{0, 0, 0, 0, 1, 0}));
}

void DescriptorExerciseTest::loading()
{
    TestUtil::WorkingFolder folder;
    StudentRecord record;
    DescriptorExercise exercise(record);
    QVERIFY_THROWS_EXCEPTION(ContentError, exercise.loadTask());
    QByteArray bytes(520, '\0');
    bytes.replace(1, 4, "READ");
    qToLittleEndian<qint32>(1, bytes.data() + 504);
    folder.write(QStringLiteral("scsi/quest/scsi_les2.dat"), bytes);
    QVERIFY(exercise.loadTask());
    QCOMPARE(exercise.task().text, QStringLiteral("READ"));
    QCOMPARE(exercise.task().sizeCode, 1);
    folder.write(QStringLiteral("scsi/quest/scsi_les2.dat"), QByteArray(10, '\0'));
    QVERIFY(!exercise.loadTask());
    QCOMPARE(exercise.task().sizeCode, 1);
    QCOMPARE(DescriptorExercise::emptyFileMessage(), QStringLiteral("Файл пуст - scsi\\quest\\scsi_les2.dat"));
}

QTEST_MAIN(DescriptorExerciseTest)
#include "tst_descriptorexercise.moc"
