// Every task and question file the package ships, read back with the
// package's own readers, must say exactly what its readable source says.
#include "platform/contentpath.h"
#include "platform/random.h"
#include "platform/recordfile.h"
#include "platform/textfile.h"
#include "questionsource.h"
#include "scsi/descriptortask.h"
#include "scsi/phasetask.h"
#include "scsi/questionset.h"
#include "taskblocks.h"
#include "testutil.h"
#include "usb/usbtask.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("SHINO_SOURCE_DIR") + QStringLiteral("/content/") + relative;
}

QByteArray readSource(const QString &relative)
{
    QFile file(sourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read source %s", qPrintable(relative));
    return file.readAll();
}

QList<TaskBlock> sourceTasks(const QString &relative)
{
    const auto parsed = TaskBlocks::parse(readSource(relative), relative);
    if (!parsed.ok())
        qFatal("source %s does not parse", qPrintable(relative));
    return parsed.value;
}

QString taskText(const TaskBlock &task)
{
    QStringList lines;
    for (const SourceLine &line : task.textLines)
        lines.append(line.text);
    return lines.join(QLatin1Char(' '));
}

QMap<QString, QString> answerFields(const TaskBlock &task)
{
    QMap<QString, QString> fields;
    for (const SourceLine &line : task.answerLines) {
        const qsizetype colon = line.text.indexOf(QLatin1Char(':'));
        fields.insert(line.text.left(colon).trimmed().toLower(), line.text.mid(colon + 1).trimmed());
    }
    return fields;
}

qint64 number(const QString &text)
{
    bool ok = false;
    const qint64 value = text.endsWith(QLatin1Char('h'), Qt::CaseInsensitive) ? text.chopped(1).toLongLong(&ok, 16)
                                                                              : text.toLongLong(&ok, 10);
    if (!ok)
        qFatal("not a number: %s", qPrintable(text));
    return value;
}

// The phase chain written in a source, read without the build's own code.
QList<PhaseStep> sourcePhases(const TaskBlock &task)
{
    static const QMap<QString, quint16> bits = {{"BSY", 1},  {"SEL", 2},  {"REQ", 4},   {"C/D", 8}, {"I/O", 16},
                                                {"MSG", 32}, {"ACK", 64}, {"ATN", 128}, {"DB", 256}};
    QList<PhaseStep> steps;
    for (const SourceLine &line : task.answerLines) {
        PhaseStep step;
        step.phase = -1;
        QString rest;
        for (int code = PhaseTable::kPhaseCount - 1; code >= 0; --code) {
            const QString name = PhaseTable::listItem(code);
            if (line.text.startsWith(name) &&
                (step.phase < 0 || name.size() > PhaseTable::listItem(step.phase).size())) {
                step.phase = code;
                rest = line.text.mid(name.size());
            }
        }
        for (const QString &token : rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            step.mask |= bits.value(token);
        steps.append(step);
    }
    return steps;
}

QByteArray descriptorBytes(const QMap<QString, QString> &fields)
{
    const int size = int(number(fields.value(QStringLiteral("size"))));
    const quint32 lba = quint32(number(fields.value(QStringLiteral("lba"), QStringLiteral("0"))));
    const quint32 length = quint32(number(fields.value(QStringLiteral("length"), QStringLiteral("0"))));
    const quint8 lun = quint8(number(fields.value(QStringLiteral("lun"), QStringLiteral("0"))));
    QByteArray bytes(size, '\0');
    bytes[0] = char(number(fields.value(QStringLiteral("opcode"))));
    bytes[size - 1] = char(number(fields.value(QStringLiteral("control"), QStringLiteral("0"))));
    if (size == 6) {
        bytes[1] = char((lun << 5) | ((lba >> 16) & 0x1F));
        bytes[2] = char(lba >> 8);
        bytes[3] = char(lba);
        bytes[4] = char(length);
        return bytes;
    }
    bytes[1] = char(lun << 5);
    for (int i = 0; i < 4; ++i)
        bytes[2 + i] = char(lba >> (24 - 8 * i));
    if (size == 10) {
        bytes[7] = char(length >> 8);
        bytes[8] = char(length);
    } else {
        for (int i = 0; i < 4; ++i)
            bytes[6 + i] = char(length >> (24 - 8 * i));
    }
    return bytes;
}

quint8 pid(const QString &name)
{
    static const QMap<QString, quint8> codes = {
        {"OUT", 0xE1}, {"IN", 0x69}, {"SETUP", 0x2D}, {"DATA0", 0xC3}, {"DATA1", 0x4B}};
    return codes.value(name.toUpper());
}

} // namespace

class ShippedContentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void phaseTasksReadBack();
    void descriptorTasksReadBack();
    void usbTasksReadBack();
    void questionFilesReadBack_data();
    void questionFilesReadBack();
    void examListIsShipped();

private:
    QString m_previous;
};

void ShippedContentTest::initTestCase()
{
    const QString package = TestUtil::packageFolder();
    QVERIFY2(QDir(package).exists(), "the package folder is built by the project");
    m_previous = QDir::currentPath();
    QDir::setCurrent(package);
}

void ShippedContentTest::phaseTasksReadBack()
{
    const QList<TaskBlock> tasks = sourceTasks(QStringLiteral("scsi/quest/scsi_les1.phases"));
    const QString path = QStringLiteral("scsi\\quest\\scsi_les1.dat");
    RecordFile file(path, PhaseTaskRecord::kSize);
    QVERIFY(tasks.size() >= 20);
    QCOMPARE(file.count(), int(tasks.size()));
    for (int i = 0; i < file.count(); ++i) {
        const PhaseTaskRecord record = PhaseTaskRecord::parse(file.read(i), path, i + 1);
        QCOMPARE(record.text, taskText(tasks[i]));
        QCOMPARE(record.answer(), sourcePhases(tasks[i]));
    }
}

void ShippedContentTest::descriptorTasksReadBack()
{
    const QList<TaskBlock> tasks = sourceTasks(QStringLiteral("scsi/quest/scsi_les2.cdb"));
    const QString path = QStringLiteral("scsi\\quest\\scsi_les2.dat");
    RecordFile file(path, DescriptorTaskRecord::kSize);
    QVERIFY(tasks.size() >= 15);
    QCOMPARE(file.count(), int(tasks.size()));
    QSet<int> sizes;
    for (int i = 0; i < file.count(); ++i) {
        const DescriptorTaskRecord record = DescriptorTaskRecord::parse(file.read(i), path, i + 1);
        const QByteArray expected = descriptorBytes(answerFields(tasks[i]));
        QCOMPARE(record.text, taskText(tasks[i]));
        QCOMPARE(record.byteCount(), int(expected.size()));
        sizes.insert(record.byteCount());
        for (int b = 0; b < record.byteCount(); ++b)
            QCOMPARE(int(record.bytes[b]), int(quint8(expected[b])));
    }
    QCOMPARE(sizes, (QSet<int>{6, 10, 12}));
}

void ShippedContentTest::usbTasksReadBack()
{
    const QList<TaskBlock> tasks = sourceTasks(QStringLiteral("usb/quest/usb_les.usbtasks"));
    RecordFile file(QStringLiteral("usb\\quest\\usb_les.dat"), UsbTaskRecord::kSize);
    QVERIFY(tasks.size() >= 20);
    QCOMPARE(file.count(), int(tasks.size()));
    for (int i = 0; i < file.count(); ++i) {
        const UsbTaskRecord record = UsbTaskRecord::fromBytes(file.read(i));
        const auto fields = answerFields(tasks[i]);
        QCOMPARE(record.text, taskText(tasks[i]));
        QCOMPARE(record.pid, pid(fields.value(QStringLiteral("token"))));
        QCOMPARE(int(record.address), int(number(fields.value(QStringLiteral("address")))));
        QCOMPARE(int(record.endpoint), int(number(fields.value(QStringLiteral("endpoint")))));
        QCOMPARE(record.dataPid, pid(fields.value(QStringLiteral("data"))));
        QCOMPARE(int(record.data), int(number(fields.value(QStringLiteral("byte")))));
    }
}

void ShippedContentTest::questionFilesReadBack_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("built");
    QTest::addRow("scsi") << "scsi/quest/scsi.quest"
                          << "scsi\\quest\\scsi.txt";
    QTest::addRow("usb") << "usb/quest/usb.quest"
                         << "usb\\quest\\usb.txt";
}

void ShippedContentTest::questionFilesReadBack()
{
    QFETCH(QString, source);
    QFETCH(QString, built);
    const auto parsed = QuestionSource::parse(readSource(source), source);
    QVERIFY(parsed.ok());
    const QList<QuestionSource::Question> written = parsed.value;
    QVERIFY(written.size() >= 30);

    // Draw tests until every question has been asked; each must show the
    // written text and options, with the written right option as its key.
    Random::seed(2026);
    QSet<int> seen;
    QuestionSet set;
    for (int round = 0; round < 2000 && seen.size() < written.size(); ++round) {
        set.load(built);
        for (const QuestionSet::Question &question : set.questions()) {
            const QuestionSource::Question &original = written.at(question.number - 1);
            QCOMPARE(question.text, original.text);
            QCOMPARE(question.options.size(), original.options.size());
            QString rightText;
            QStringList writtenTexts;
            for (const QuestionSource::Option &option : original.options) {
                writtenTexts.append(option.text);
                if (option.right)
                    rightText = option.text;
            }
            QCOMPARE(question.options.at(question.key), rightText);
            QStringList shown = question.options;
            shown.sort();
            writtenTexts.sort();
            QCOMPARE(shown, writtenTexts);
            seen.insert(question.number);
        }
    }
    QCOMPARE(seen.size(), int(written.size()));
}

void ShippedContentTest::examListIsShipped()
{
    const QStringList lines = TextFile::readLines(QStringLiteral("exam\\exam.txt"));
    QVERIFY(lines.size() >= 50);
    QFile source(sourcePath(QStringLiteral("exam/exam.txt")));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(lines, QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

QTEST_MAIN(ShippedContentTest)
#include "tst_shippedcontent.moc"
