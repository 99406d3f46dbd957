#include "chmdirectory.h"
#include "contentbuilder.h"
#include "descriptorsource.h"
#include "helpcompiler.h"
#include "phasesource.h"
#include "platform/cp1251.h"
#include "questionsource.h"
#include "testutil.h"
#include "textsource.h"
#include "usbtasksource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <chm_lib.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Sets a file's modification time some seconds from now (negative: in the past).
void setModified(const QString &path, int secondsFromNow)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(secondsFromNow), QFileDevice::FileModificationTime));
}

// A question source of count questions: question target has options options with
// the right one written at writtenRight; the others have three options, right first.
QByteArray questionSource(int count, int target, int options, int writtenRight)
{
    QByteArray source = "# test questions\n";
    for (int q = 1; q <= count; ++q) {
        source += "? Question " + QByteArray::number(q) + "\n";
        const int k = q == target ? options : 3;
        const int right = q == target ? writtenRight : 0;
        for (int i = 0; i < k; ++i)
            source += (i == right ? "+ R" : "- W") + QByteArray::number(i) + "\n";
        source += "\n";
    }
    return source;
}

// The option lines of question number q in a built question file.
QStringList builtOptions(const QByteArray &file, int q)
{
    const QStringList lines = QString::fromLatin1(file).split(QStringLiteral("\r\n"));
    int block = 1;
    qsizetype i = 1;
    while (block < q && i < lines.size()) {
        if (lines[i].isEmpty())
            ++block;
        ++i;
    }
    QStringList options;
    for (++i; i < lines.size() && !lines[i].isEmpty(); ++i)
        options.append(lines[i]);
    return options;
}

QByteArray chmObject(chmFile *file, const char *path, bool *found)
{
    chmUnitInfo info;
    *found = chm_resolve_object(file, path, &info) == CHM_RESOLVE_SUCCESS;
    if (!*found)
        return QByteArray();
    QByteArray bytes(qsizetype(info.length), '\0');
    const LONGINT64 read =
        chm_retrieve_object(file, &info, reinterpret_cast<unsigned char *>(bytes.data()), 0, LONGINT64(info.length));
    bytes.truncate(qsizetype(read));
    return bytes;
}

int collectName(chmFile *, chmUnitInfo *info, void *context)
{
    static_cast<QSet<QString> *>(context)->insert(QString::fromUtf8(info->path));
    return CHM_ENUMERATOR_CONTINUE;
}

void writeHelpFolder(const QString &folder)
{
    writeFile(folder + QStringLiteral("/toc.txt"), "title: Шина SCSI\n"
                                                   "Введение | intro.html\n"
                                                   "Фазы шины\n"
                                                   "  Арбитраж | phases/arbitration.html\n"
                                                   "  Выборка | phases/arbitration.html#select\n");
    writeFile(folder + QStringLiteral("/index.txt"), "шина | intro.html\n"
                                                     "арбитраж | phases/arbitration.html\n"
                                                     "SELECTION | phases/arbitration.html#select\n");
    writeFile(folder + QStringLiteral("/intro.html"),
              "<html><head><meta charset=\"utf-8\"><title>Введение</title></head>"
              "<body><p>Шина SCSI</p><img src=\"img/bus.png\"></body></html>\n");
    writeFile(folder + QStringLiteral("/phases/arbitration.html"),
              "<html><head><meta charset=\"utf-8\"></head><body><h2 id=\"select\">Выборка</h2></body></html>\n");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir().mkpath(folder + QStringLiteral("/img"));
    QVERIFY(picture.save(folder + QStringLiteral("/img/bus.png"), "PNG"));
    writeFile(folder + QStringLiteral("/_notes.txt"), "not part of the help file\n");
}

} // namespace

class ContentBuildTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyIndex_data();
    void keyIndex();
    void rightOptionMovedToKey_data();
    void rightOptionMovedToKey();
    void questionFileBytes();
    void textConversion_data();
    void textConversion();
    void phaseRecordLayout();
    void phaseSignalMasks_data();
    void phaseSignalMasks();
    void descriptorPacking_data();
    void descriptorPacking();
    void usbRecordLayout_data();
    void usbRecordLayout();
    void longestTextsFit_data();
    void longestTextsFit();
    void rejectedSources_data();
    void rejectedSources();
    void sourceKinds_data();
    void sourceKinds();
    void contentsSitemapNests();
    void indexSitemapSorted();
    void rejectedHelpFolders_data();
    void rejectedHelpFolders();
    void helpProjectCompiles();
    void buildsContentFolder();
    void rebuildsOnlyOutdated();
    void refusesBadSourcesWritingNothing();
    void checkWritesNothing();
};

void ContentBuildTest::keyIndex_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("index");
    QTest::addRow("question 7 of 4 options") << 7 << 4 << 3;
    QTest::addRow("question 8 of 4 options") << 8 << 4 << 0;
    QTest::addRow("question 10 of 5 options") << 10 << 5 << 0;
    QTest::addRow("question 1 of 3 options") << 1 << 3 << 1;
    QTest::addRow("single option") << 9 << 1 << 0;
    QTest::addRow("question 39 of 20 options") << 39 << 20 << 19;
}

void ContentBuildTest::keyIndex()
{
    QFETCH(int, question);
    QFETCH(int, options);
    QFETCH(int, index);
    QCOMPARE(QuestionSource::keyIndex(question, options), index);
}

void ContentBuildTest::rightOptionMovedToKey_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("writtenRight");
    QTest::addColumn<QStringList>("built");
    QTest::addRow("q7 k4, right written first") << 7 << 4 << 0 << QStringList{"W1", "W2", "W3", "R0"};
    QTest::addRow("q8 k4, right written last") << 8 << 4 << 3 << QStringList{"R3", "W0", "W1", "W2"};
    QTest::addRow("q10 k5, right in the middle") << 10 << 5 << 2 << QStringList{"R2", "W0", "W1", "W3", "W4"};
    QTest::addRow("q6 k4, already in place") << 6 << 4 << 2 << QStringList{"W0", "W1", "R2", "W3"};
    QTest::addRow("q5 k1") << 5 << 1 << 0 << QStringList{"R0"};
    QTest::addRow("q9 k20") << 9 << 20 << 0
                            << QStringList{"W1",  "W2",  "W3",  "W4",  "W5",  "W6",  "W7",  "W8",  "W9",  "R0",
                                           "W10", "W11", "W12", "W13", "W14", "W15", "W16", "W17", "W18", "W19"};
}

void ContentBuildTest::rightOptionMovedToKey()
{
    QFETCH(int, question);
    QFETCH(int, options);
    QFETCH(int, writtenRight);
    QFETCH(QStringList, built);
    const Built<QByteArray> file =
        QuestionSource::build(questionSource(10, question, options, writtenRight), QStringLiteral("t.quest"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    QVERIFY(file.value.startsWith("10\r\n"));
    QCOMPARE(builtOptions(file.value, question), built);
}

void ContentBuildTest::questionFileBytes()
{
    const QByteArray source = "# comment\n"
                              "? Что такое SCSI?\n- шина\n+ интерфейс\n\n\n"
                              "?  Two  \n+ a\n- b\n\n"
                              "? Three\n+ a\n- b\n- c\n- d\n\n"
                              "? Four\n+ a\n- b\n\n"
                              "? Five\n- x\n+ «y» — №\n";
    const Built<QByteArray> file = QuestionSource::build(source, QStringLiteral("t.quest"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    const QByteArray expected = "5\r\n" +
                                *Cp1251::encode(QStringLiteral("Что такое SCSI?\r\nшина\r\nинтерфейс\r\n\r\n")) +
                                "Two\r\na\r\nb\r\n\r\n"
                                "Three\r\nb\r\nc\r\nd\r\na\r\n\r\n"
                                "Four\r\na\r\nb\r\n\r\n"
                                "Five\r\nx\r\n" +
                                *Cp1251::encode(QStringLiteral("«y» — №")) + "\r\n\r\n";
    QCOMPARE(file.value, expected);
}

void ContentBuildTest::textConversion_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("built");
    QTest::addRow("lf to crlf") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::addRow("no final break kept") << QByteArray("a\nb") << QByteArray("a\r\nb");
    QTest::addRow("crlf source") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::addRow("empty lines") << QByteArray("a\n\n\nb\n") << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::addRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBFx\n") << QByteArray("x\r\n");
    QTest::addRow("cyrillic") << QByteArray("Шина ISA ёЁ\n") << QByteArray("\xD8\xE8\xED\xE0 ISA \xB8\xA8\r\n");
    QTest::addRow("punctuation") << QByteArray("«» — – №\n") << QByteArray("\xAB\xBB \x97 \x96 \xB9\r\n");
    QTest::addRow("tab kept") << QByteArray("a\tb\n") << QByteArray("a\tb\r\n");
    QTest::addRow("empty file") << QByteArray() << QByteArray();
}

void ContentBuildTest::textConversion()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, built);
    const Built<QByteArray> file = TextSource::build(source, QStringLiteral("t.txt"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    QCOMPARE(file.value, built);
}

void ContentBuildTest::phaseRecordLayout()
{
    const QByteArray source = "# two tasks\n"
                              "=== task 1\n"
                              "Инициатор выбирает\n  цель.  \n"
                              "---\n"
                              "BUS FREE\n"
                              "ARBITRATION      BSY DB\n"
                              "SELECTION        SEL DB ATN\n"
                              "MESSAGE OUT      BSY C/D MSG REQ ACK DB ATN\n"
                              "\n"
                              "=== task\n"
                              "Second\n"
                              "---\n"
                              "DATA IN  I/O\n";
    const Built<QByteArray> file = PhaseSource::build(source, QStringLiteral("t.phases"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    QCOMPARE(file.value.size(), 2 * 676);
    const QByteArray first = file.value.left(676);
    const QByteArray text = *Cp1251::encode(QStringLiteral("Инициатор выбирает цель."));
    QCOMPARE(first[0], '\0');
    QCOMPARE(first.mid(1, text.size()), text);
    QCOMPARE(first.mid(1 + text.size(), 503 - text.size()), QByteArray(503 - text.size(), '\0'));
    QCOMPARE(first.mid(504, 4), hex("04 00 00 00"));
    QCOMPARE(first.mid(508, 32), hex("00000000 0000 0000"
                                     "01000000 0101 0000"
                                     "02000000 8201 0000"
                                     "09000000 ed01 0000"));
    QCOMPARE(first.mid(540), QByteArray(676 - 540, '\0'));
    const QByteArray second = file.value.mid(676);
    QCOMPARE(second.mid(0, 8), QByteArray("\0Second\0", 8));
    QCOMPARE(second.mid(504, 12), hex("01000000 05000000 1000 0000"));
}

void ContentBuildTest::phaseSignalMasks_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("mask");
    const QStringList &phases = PhaseSource::phaseNames();
    for (int code = 0; code < phases.size(); ++code)
        QTest::addRow("%s", qPrintable(phases[code])) << phases[code].toUtf8() << code << 0;
    const QStringList &signalList = PhaseSource::signalNames();
    for (int bit = 0; bit < signalList.size(); ++bit)
        QTest::addRow("signal %s", qPrintable(signalList[bit]))
            << QByteArray("STATUS " + signalList[bit].toUtf8()) << 7 << (1 << bit);
    QTest::addRow("all signals, any order")
        << QByteArray("MESSAGE IN DB ATN ACK MSG I/O C/D REQ SEL BSY") << 8 << 0x1FF;
    QTest::addRow("extra blanks") << QByteArray("  DATA   OUT    BSY   ") << 6 << 1;
}

void ContentBuildTest::phaseSignalMasks()
{
    QFETCH(QByteArray, line);
    QFETCH(int, code);
    QFETCH(int, mask);
    const Built<QByteArray> file = PhaseSource::build("=== task\nT\n---\n" + line + "\n", QStringLiteral("t.phases"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    const QByteArray entry = file.value.mid(508, 8);
    QCOMPARE(qFromLittleEndian<qint32>(entry.constData()), code);
    QCOMPARE(int(qFromLittleEndian<quint16>(entry.constData() + 4)), mask);
    QCOMPARE(entry.mid(6), QByteArray(2, '\0'));
}

void ContentBuildTest::descriptorPacking_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<int>("sizeCode");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("6 bytes") << QByteArray("size: 6\nopcode: 08h\nlun: 1\nlba: 12345h\nlength: 10\ncontrol: 0\n") << 0
                             << hex("08 21 23 45 0a 00 000000000000");
    QTest::addRow("6 bytes, largest values")
        << QByteArray("size: 6\nopcode: 0FFh\nlun: 7\nlba: 1FFFFFh\nlength: 255\ncontrol: 255\n") << 0
        << hex("ff ff ff ff ff ff 000000000000");
    QTest::addRow("10 bytes") << QByteArray(
                                     "size: 10\nopcode: 28h\nlun: 2\nlba: 12345678h\nlength: 0102h\ncontrol: 80h\n")
                              << 1 << hex("28 40 12345678 00 0102 80 0000");
    QTest::addRow("10 bytes, readme example")
        << QByteArray("size: 10\nopcode: 28h\nlun: 0\nlba: 1000\nlength: 16\ncontrol: 0\n") << 1
        << hex("28 00 000003e8 00 0010 00 0000");
    QTest::addRow("12 bytes") << QByteArray(
                                     "size: 12\nopcode: 0A8h\nlun: 7\nlba: 0DEADBEEFh\nlength: 01020304h\ncontrol: 5\n")
                              << 2 << hex("a8 e0 deadbeef 01020304 00 05");
    QTest::addRow("lun and control left out")
        << QByteArray("size: 6\nopcode: 3\nlba: 0\nlength: 0\n") << 0 << hex("03 00 0000 00 00 000000000000");
    QTest::addRow("fields in any order") << QByteArray("length: 1\ncontrol: 2\nlba: 3\nlun: 4\nopcode: 5\nsize: 12\n")
                                         << 2 << hex("05 80 00000003 00000001 00 02");
}

void ContentBuildTest::descriptorPacking()
{
    QFETCH(QByteArray, fields);
    QFETCH(int, sizeCode);
    QFETCH(QByteArray, bytes);
    const Built<QByteArray> file =
        DescriptorSource::build("=== task\nЗадание.\n---\n" + fields, QStringLiteral("t.cdb"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    QCOMPARE(file.value.size(), 520);
    QCOMPARE(file.value[0], '\0');
    QCOMPARE(file.value.mid(1, 9), *Cp1251::encode(QStringLiteral("Задание.")) + QByteArray(1, '\0'));
    QCOMPARE(file.value.mid(10, 494), QByteArray(494, '\0'));
    QCOMPARE(qFromLittleEndian<qint32>(file.value.constData() + 504), sizeCode);
    QCOMPARE(file.value.mid(508, 12).toHex(' '), bytes.toHex(' '));
}

void ContentBuildTest::usbRecordLayout_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("readme example") << QByteArray("token: IN\naddress: 5\nendpoint: 2\ndata: DATA1\nbyte: A5h\n")
                                    << hex("69 05 02 4b a5");
    QTest::addRow("OUT DATA0") << QByteArray("token: OUT\naddress: 127\nendpoint: 15\ndata: DATA0\nbyte: 0\n")
                               << hex("e1 7f 0f c3 00");
    QTest::addRow("SETUP") << QByteArray("token: SETUP\naddress: 0\nendpoint: 0\ndata: DATA0\nbyte: 255\n")
                           << hex("2d 00 00 c3 ff");
    QTest::addRow("any order, hex") << QByteArray("byte: 10h\ndata: DATA1\nendpoint: 0Ah\naddress: 40h\ntoken: OUT\n")
                                    << hex("e1 40 0a 4b 10");
}

void ContentBuildTest::usbRecordLayout()
{
    QFETCH(QByteArray, fields);
    QFETCH(QByteArray, bytes);
    const Built<QByteArray> file =
        UsbTaskSource::build("=== task\nПакет\n---\n" + fields, QStringLiteral("t.usbtasks"));
    QVERIFY2(file.ok(), qPrintable(file.report.firstError()));
    QCOMPARE(file.value.size(), 506);
    QCOMPARE(file.value[0], '\0');
    QCOMPARE(file.value.mid(1, 6), *Cp1251::encode(QStringLiteral("Пакет")) + QByteArray(1, '\0'));
    QCOMPARE(file.value.mid(7, 494), QByteArray(494, '\0'));
    QCOMPARE(file.value.mid(501).toHex(' '), bytes.toHex(' '));
    QCOMPARE(UsbTaskSource::pidByte(0x9), quint8(0x69));
}

void ContentBuildTest::longestTextsFit_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("answer");
    QTest::addRow("phases") << "phases" << 502 << QByteArray("BUS FREE\n");
    QTest::addRow("cdb") << "cdb" << 502 << QByteArray("size: 6\nopcode: 0\nlba: 0\nlength: 0\n");
    QTest::addRow("usb") << "usbtasks" << 499
                         << QByteArray("token: IN\naddress: 0\nendpoint: 0\ndata: DATA0\nbyte: 0\n");
}

void ContentBuildTest::longestTextsFit()
{
    QFETCH(QString, kind);
    QFETCH(int, length);
    QFETCH(QByteArray, answer);
    // Cyrillic letters: two bytes in UTF-8, one in Windows-1251.
    const QByteArray text = QString(length, QChar(0x0416)).toUtf8();
    const QByteArray source = "=== task\n" + text + "\n---\n" + answer;
    const auto build = [&](const QByteArray &bytes) {
        if (kind == QStringLiteral("phases"))
            return PhaseSource::build(bytes, QStringLiteral("t"));
        if (kind == QStringLiteral("cdb"))
            return DescriptorSource::build(bytes, QStringLiteral("t"));
        return UsbTaskSource::build(bytes, QStringLiteral("t"));
    };
    const Built<QByteArray> fits = build(source);
    QVERIFY2(fits.ok(), qPrintable(fits.report.firstError()));
    QCOMPARE(fits.value.mid(1, length), QByteArray(length, '\xC6'));
    QCOMPARE(fits.value[1 + length], '\0');
    const Built<QByteArray> tooLong = build("=== task\n" + text + "Ж\n---\n" + answer);
    QCOMPARE(tooLong.report.firstError(),
             QStringLiteral("t:1: task 1: the text is %1 bytes in Windows-1251, at most %2 fit")
                 .arg(length + 1)
                 .arg(length));
    QVERIFY(tooLong.value.isEmpty());
}

void ContentBuildTest::rejectedSources_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("message");
    const QByteArray twentyTwo = QByteArray("=== task\nT\n---\n") + QByteArray("BUS FREE\n").repeated(22);
    QTest::addRow("bad phase") << "phases" << QByteArray("=== task\nT\n---\nBUS FREE\nDATA INN BSY\n")
                               << "t:5: task 1: unknown phase \"DATA INN\" (phases: BUS FREE, ARBITRATION, SELECTION, "
                                  "RESELECTION, COMMAND, DATA IN, DATA OUT, STATUS, MESSAGE IN, MESSAGE OUT)";
    QTest::addRow("phase in lower case") << "phases" << QByteArray("=== task\nT\n---\nbus free\n")
                                         << "t:4: task 1: unknown phase \"bus free\" (phases: BUS FREE, ARBITRATION, "
                                            "SELECTION, RESELECTION, COMMAND, DATA IN, DATA OUT, STATUS, MESSAGE IN, "
                                            "MESSAGE OUT)";
    QTest::addRow("22 phases") << "phases" << twentyTwo << "t:25: task 1: 22 phases, at most 21 allowed";
    QTest::addRow("no phases") << "phases" << QByteArray("=== task\nT\n---\n")
                               << "t:1: task 1: no phases after \"---\"";
    QTest::addRow("unknown signal")
        << "phases" << QByteArray("=== task\nT\n---\nSTATUS BSY#\n")
        << "t:4: task 1: unknown signal \"BSY#\" (signals: BSY SEL REQ C/D I/O MSG ACK ATN DB)";
    QTest::addRow("signal twice") << "phases" << QByteArray("=== task\nT\n---\nSTATUS DB BSY DB\n")
                                  << "t:4: task 1: signal \"DB\" given twice";
    QTest::addRow("no separator") << "phases" << QByteArray("=== task\nT\nBUS FREE\n")
                                  << "t:1: task 1: no \"---\" line after the task text";
    QTest::addRow("empty text") << "phases" << QByteArray("# c\n=== task\n---\nBUS FREE\n")
                                << "t:2: task 1: empty task text";
    QTest::addRow("text before the first task")
        << "phases" << QByteArray("Hello\n=== task\nT\n---\nBUS FREE\n")
        << "t:1: text before the first task (a task starts with a \"=== task\" line)";
    QTest::addRow("no tasks") << "phases" << QByteArray("# nothing yet\n")
                              << "t: no tasks (a task starts with a \"=== task\" line)";
    QTest::addRow("second task named")
        << "phases" << QByteArray("=== task\nA\n---\nBUS FREE\n=== task\nB\n---\nSTATUS X\n")
        << "t:8: task 2: unknown signal \"X\" (signals: BSY SEL REQ C/D I/O MSG ACK ATN DB)";
    QTest::addRow("character without cp1251 form") << "phases" << QByteArray("=== task\nfirst\nA ≤ B\n---\nBUS FREE\n")
                                                   << "t:3: task 1: character \"≤\" (U+2264) has no Windows-1251 form";

    QTest::addRow("LUN 8") << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 8\nlun: 8\nlba: 0\nlength: 1\n")
                           << "t:6: task 1: lun 8 does not fit its field (0-7)";
    QTest::addRow("size 8") << "cdb" << QByteArray("=== task\nT\n---\nsize: 8\nopcode: 8\nlba: 0\nlength: 1\n")
                            << "t:4: task 1: size must be 6, 10 or 12, not \"8\"";
    QTest::addRow("6-byte lba 21 bits")
        << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 8\nlba: 200000h\nlength: 1\n")
        << "t:6: task 1: lba 200000h does not fit its field (6-byte descriptor: 0-2097151)";
    QTest::addRow("6-byte length 256") << "cdb"
                                       << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 8\nlba: 0\nlength: 256\n")
                                       << "t:7: task 1: length 256 does not fit its field (6-byte descriptor: 0-255)";
    QTest::addRow("10-byte length 16 bits")
        << "cdb" << QByteArray("=== task\nT\n---\nsize: 10\nopcode: 28h\nlba: 0\nlength: 10000h\n")
        << "t:7: task 1: length 10000h does not fit its field (10-byte descriptor: 0-65535)";
    QTest::addRow("12-byte lba 32 bits")
        << "cdb" << QByteArray("=== task\nT\n---\nsize: 12\nopcode: 0A8h\nlba: 100000000h\nlength: 0\n")
        << "t:6: task 1: lba 100000000h does not fit its field (12-byte descriptor: 0-4294967295)";
    QTest::addRow("opcode 256") << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 256\nlba: 0\nlength: 0\n")
                                << "t:5: task 1: opcode 256 does not fit its field (0-255)";
    QTest::addRow("control 100h") << "cdb"
                                  << QByteArray(
                                         "=== task\nT\n---\nsize: 6\nopcode: 0\nlba: 0\nlength: 0\ncontrol: 100h\n")
                                  << "t:8: task 1: control 100h does not fit its field (0-255)";
    QTest::addRow("bad number")
        << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 0x28\nlba: 0\nlength: 0\n")
        << "t:5: task 1: opcode: bad number \"0x28\" (decimal, or hexadecimal with a trailing h)";
    QTest::addRow("missing field") << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 0\nlba: 0\n")
                                   << "t:1: task 1: missing \"length\"";
    QTest::addRow("unknown field")
        << "cdb" << QByteArray("=== task\nT\n---\nsize: 6\nopcode: 0\nlba: 0\nlength: 0\nlen: 1\n")
        << "t:8: task 1: unknown field \"len\" (fields: size, opcode, lun, lba, length, control)";
    QTest::addRow("field twice") << "cdb"
                                 << QByteArray("=== task\nT\n---\nsize: 6\nsize: 6\nopcode: 0\nlba: 0\nlength: 0\n")
                                 << "t:5: task 1: \"size\" given twice";

    const QByteArray usb = "=== task\nT\n---\n";
    QTest::addRow("token") << "usbtasks" << usb + "token: PING\naddress: 1\nendpoint: 1\ndata: DATA0\nbyte: 1\n"
                           << "t:4: task 1: token must be OUT, IN or SETUP, not \"PING\"";
    QTest::addRow("data pid") << "usbtasks" << usb + "token: IN\naddress: 1\nendpoint: 1\ndata: DATA2\nbyte: 1\n"
                              << "t:7: task 1: data must be DATA0 or DATA1, not \"DATA2\"";
    QTest::addRow("address 128") << "usbtasks" << usb + "token: IN\naddress: 128\nendpoint: 1\ndata: DATA0\nbyte: 1\n"
                                 << "t:5: task 1: address 128 does not fit its field (0-127)";
    QTest::addRow("endpoint 16") << "usbtasks" << usb + "token: IN\naddress: 1\nendpoint: 16\ndata: DATA0\nbyte: 1\n"
                                 << "t:6: task 1: endpoint 16 does not fit its field (0-15)";
    QTest::addRow("byte 100h") << "usbtasks" << usb + "token: IN\naddress: 1\nendpoint: 1\ndata: DATA0\nbyte: 100h\n"
                               << "t:8: task 1: byte 100h does not fit its field (0-255)";
    QTest::addRow("usb missing byte") << "usbtasks" << usb + "token: IN\naddress: 1\nendpoint: 1\ndata: DATA0\n"
                                      << "t:1: task 1: missing \"byte\"";

    const QByteArray fourGood = "? Q2\n+ a\n\n? Q3\n+ a\n\n? Q4\n+ a\n\n? Q5\n+ a\n";
    QTest::addRow("two right options") << "quest"
                                       << "? Q1\n- a\n+ b\n+ c\n\n" + fourGood
                                       << "t:4: question 1: a second right option (\"+\"); exactly one is allowed";
    QTest::addRow("no right option") << "quest"
                                     << "? Q1\n- a\n- b\n\n" + fourGood
                                     << "t:1: question 1: no right option (mark it with \"+\")";
    QTest::addRow("four questions") << "quest" << fourGood << "t: 4 questions, at least 5 needed";
    QTest::addRow("21 options") << "quest"
                                << "? Q1\n+ r\n" + QByteArray("- w\n").repeated(20) + "\n" + fourGood
                                << "t:22: question 1: 21 options, at most 20 allowed";
    QTest::addRow("no options") << "quest"
                                << "? Q1\n\n" + fourGood
                                << "t:1: question 1: no options (option lines start with \"-\" or \"+\")";
    QTest::addRow("empty option") << "quest"
                                  << "? Q1\n+ r\n-\n\n" + fourGood << "t:3: question 1: empty option text";
    QTest::addRow("empty question") << "quest"
                                    << "?\n+ r\n\n" + fourGood << "t:1: question 1: empty question text";
    QTest::addRow("option outside a question")
        << "quest"
        << "? Q1\n+ r\n\n- stray\n\n" + fourGood
        << "t:4: an option outside a question (a block starts with a \"?\" line and ends at a blank line)";
    QTest::addRow("unmarked line")
        << "quest"
        << "? Q1\n+ r\nmore text\n\n" + fourGood
        << "t:3: unexpected line: lines start with \"?\" (question), \"-\" or \"+\" (option) "
           "or \"#\" (comment)";
    QTest::addRow("question arrow") << "quest"
                                    << "? Q1 → Q2\n+ r\n\n" + fourGood
                                    << "t:1: character \"→\" (U+2192) has no Windows-1251 form";

    QTest::addRow("text arrow") << "txt" << QByteArray("ok\nA ≥ B\n")
                                << "t:2: character \"≥\" (U+2265) has no Windows-1251 form";
    QTest::addRow("text emoji") << "txt" << QByteArray("ok\nok\n\xF0\x9F\x98\x80\n")
                                << "t:3: character \"\xF0\x9F\x98\x80\" (U+1F600) has no Windows-1251 form";
    QTest::addRow("text not utf-8") << "txt" << QByteArray("ok\n\xD8\xE8\xED\xE0\n")
                                    << "t:2: the line is not valid UTF-8";
}

void ContentBuildTest::rejectedSources()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, source);
    QFETCH(QString, message);
    const QString name = QStringLiteral("t");
    Built<QByteArray> result;
    if (kind == QStringLiteral("phases"))
        result = PhaseSource::build(source, name);
    else if (kind == QStringLiteral("cdb"))
        result = DescriptorSource::build(source, name);
    else if (kind == QStringLiteral("usbtasks"))
        result = UsbTaskSource::build(source, name);
    else if (kind == QStringLiteral("quest"))
        result = QuestionSource::build(source, name);
    else
        result = TextSource::build(source, name);
    QVERIFY(!result.ok());
    QCOMPARE(result.report.firstError(), message);
    QVERIFY(result.value.isEmpty());
}

void ContentBuildTest::sourceKinds_data()
{
    using ContentBuilder::Kind;
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<int>("kind"); // -1: not built
    QTest::addColumn<QString>("output");
    QTest::addRow("text") << "intro.txt" << false << int(Kind::Text) << "intro.txt";
    QTest::addRow("isa signal text") << "Bale.ISA" << false << int(Kind::Text) << "Bale.isa";
    QTest::addRow("at cycle text") << "16AT_mem.dgr" << false << int(Kind::Text) << "16AT_mem.dgr";
    QTest::addRow("questions") << "scsi.quest" << false << int(Kind::Questions) << "scsi.txt";
    QTest::addRow("phases") << "scsi_les1.phases" << false << int(Kind::Phases) << "scsi_les1.dat";
    QTest::addRow("descriptors") << "scsi_les2.cdb" << false << int(Kind::Descriptors) << "scsi_les2.dat";
    QTest::addRow("usb tasks") << "usb_les.usbtasks" << false << int(Kind::UsbTasks) << "usb_les.dat";
    QTest::addRow("picture") << "packet.jpg.pic" << false << int(Kind::Picture) << "packet.jpg";
    QTest::addRow("hlp project") << "kopisa.hlp.d" << true << int(Kind::Help) << "kopisa.hlp";
    QTest::addRow("chm project") << "book.chm.d" << true << int(Kind::Help) << "book.chm";
    QTest::addRow("copied") << "slide1.bmp" << false << int(Kind::Copy) << "slide1.bmp";
    QTest::addRow("copied upper case") << "Diagr.WMF" << false << int(Kind::Copy) << "Diagr.WMF";
    QTest::addRow("included script") << "_packet.pic" << false << -1 << "";
    QTest::addRow("underscore folder") << "_drafts" << true << -1 << "";
    QTest::addRow("hidden file") << ".swp" << false << -1 << "";
    QTest::addRow("backup file") << "a.txt~" << false << -1 << "";
    QTest::addRow("plain folder") << "quest" << true << -1 << "";
}

void ContentBuildTest::sourceKinds()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(int, kind);
    QFETCH(QString, output);
    const std::optional<ContentBuilder::Kind> found = ContentBuilder::kindOf(name, folder);
    QCOMPARE(found ? int(*found) : -1, kind);
    if (found)
        QCOMPARE(ContentBuilder::outputName(name, *found), output);
}

void ContentBuildTest::contentsSitemapNests()
{
    const Built<HelpCompiler::Contents> contents = HelpCompiler::parseContents(
        "title: T & Co\nA | a.html\nGroup\n  B | b.html\n    C \"q\" | c.html#x\nD | d.html\n",
        QStringLiteral("toc.txt"));
    QVERIFY2(contents.ok(), qPrintable(contents.report.firstError()));
    QCOMPARE(contents.value.title, QStringLiteral("T & Co"));
    QCOMPARE(contents.value.homePage(), QStringLiteral("a.html"));
    const QString sitemap = QString::fromUtf8(HelpCompiler::contentsSitemap(contents.value));
    QVERIFY(
        sitemap.contains(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">")));
    QString structure;
    for (const QString &line : sitemap.split(QLatin1Char('\n'))) {
        if (line == QStringLiteral("<UL>") || line == QStringLiteral("</UL>") ||
            line.startsWith(QStringLiteral("<param")))
            structure += line + QLatin1Char(' ');
    }
    QCOMPARE(structure,
             QStringLiteral("<param name=\"ImageType\" value=\"Folder\"> <UL> <param name=\"Name\" value=\"A\"> <param "
                            "name=\"Local\" value=\"a.html\"> "
                            "<param name=\"Name\" value=\"Group\"> <UL> "
                            "<param name=\"Name\" value=\"B\"> <param name=\"Local\" value=\"b.html\"> <UL> "
                            "<param name=\"Name\" value=\"C &quot;q&quot;\"> "
                            "<param name=\"Local\" value=\"c.html#x\"> </UL> </UL> "
                            "<param name=\"Name\" value=\"D\"> <param name=\"Local\" value=\"d.html\"> </UL> "));
    const QString project = QString::fromUtf8(HelpCompiler::projectFile(contents.value, {QStringLiteral("a.html")}));
    QVERIFY(project.contains(QStringLiteral("Default topic=a.html\n")));
    QVERIFY(project.contains(QStringLiteral("Language=0x419\n")));
    QVERIFY(project.contains(QStringLiteral("Title=T & Co\n")));
    QVERIFY(project.endsWith(QStringLiteral("[FILES]\na.html\n")));
}

void ContentBuildTest::indexSitemapSorted()
{
    const Built<QList<HelpCompiler::IndexEntry>> index = HelpCompiler::parseIndex(
        "шина | a.html\n# comment\nАдрес | b.html#x\nbus | c.html\n", QStringLiteral("index.txt"));
    QVERIFY2(index.ok(), qPrintable(index.report.firstError()));
    QCOMPARE(index.value.size(), 3);
    const QString sitemap = QString::fromUtf8(HelpCompiler::indexSitemap(index.value));
    const qsizetype bus = sitemap.indexOf(QStringLiteral("value=\"bus\""));
    const qsizetype address = sitemap.indexOf(QStringLiteral("value=\"Адрес\""));
    const qsizetype wire = sitemap.indexOf(QStringLiteral("value=\"шина\""));
    QVERIFY(bus > 0 && bus < address && address < wire);
    QVERIFY(sitemap.contains(QStringLiteral("<param name=\"Local\" value=\"b.html#x\">")));
}

void ContentBuildTest::rejectedHelpFolders_data()
{
    QTest::addColumn<QByteArray>("toc");
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing page") << QByteArray("title: T\nA | a.html\nB | none.html\n") << QByteArray()
                                  << "toc.txt:3: page \"none.html\" is not in the help folder";
    QTest::addRow("missing page named once")
        << QByteArray("title: T\nA | a.html\nB | none.html\nC | none.html#x\n  D | none.html\n") << QByteArray()
        << "toc.txt:3: page \"none.html\" is not in the help folder; also on line 4, 5";
    QTest::addRow("letter case") << QByteArray("title: T\nA | A.html\n") << QByteArray()
                                 << "toc.txt:2: page \"A.html\" is not in the help folder (there is \"a.html\"; letter "
                                    "case matters)";
    QTest::addRow("missing anchor") << QByteArray("title: T\nA | a.html\n") << QByteArray("k | a.html#nowhere\n")
                                    << "index.txt:1: anchor \"nowhere\" is not defined in \"a.html\"";
    QTest::addRow("index page missing") << QByteArray("title: T\nA | a.html\n") << QByteArray("k | b.html\n")
                                        << "index.txt:1: page \"b.html\" is not in the help folder";
    QTest::addRow("not a page") << QByteArray("title: T\nA | pic.png\n") << QByteArray()
                                << "toc.txt:2: \"pic.png\" is not an HTML page";
    QTest::addRow("no title") << QByteArray("A | a.html\n") << QByteArray()
                              << "toc.txt:1: the first line must be \"title: Title of the document\"";
    QTest::addRow("odd indent") << QByteArray("title: T\nA | a.html\n B | a.html\n") << QByteArray()
                                << "toc.txt:3: an odd indent; indent by two spaces per level";
    QTest::addRow("too deep") << QByteArray("title: T\nA | a.html\n    B | a.html\n") << QByteArray()
                              << "toc.txt:3: indented more than one level deeper than the entry above";
    QTest::addRow("empty heading") << QByteArray("title: T\nA | a.html\nHeading\n") << QByteArray()
                                   << "toc.txt:3: heading \"Heading\" has no entries under it";
    QTest::addRow("no page") << QByteArray("title: T\n") << QByteArray()
                             << "toc.txt: no page listed (the first page listed is the home page)";
    QTest::addRow("index without bar") << QByteArray("title: T\nA | a.html\n") << QByteArray("keyword\n")
                                       << "index.txt:1: expected \"keyword | page.html\"";
}

void ContentBuildTest::rejectedHelpFolders()
{
    QFETCH(QByteArray, toc);
    QFETCH(QByteArray, index);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("x.hlp.d"));
    writeFile(folder + QStringLiteral("/toc.txt"), toc);
    if (!index.isEmpty())
        writeFile(folder + QStringLiteral("/index.txt"), index);
    writeFile(folder + QStringLiteral("/a.html"), "<html><body><a name=\"here\"></a></body></html>");
    writeFile(folder + QStringLiteral("/pic.png"), "png");
    const Built<HelpCompiler::Folder> read = HelpCompiler::readFolder(folder);
    QVERIFY(!read.ok());
    QCOMPARE(read.report.firstError(), folder + QLatin1Char('/') + message);
}

void ContentBuildTest::helpProjectCompiles()
{
    if (HelpCompiler::compilerPath().isEmpty())
        QSKIP("chmcmd is not installed");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("scsi.hlp.d"));
    writeHelpFolder(folder);
    const Built<QByteArray> compiled = HelpCompiler::compile(folder);
    QVERIFY2(compiled.ok(), qPrintable(compiled.report.firstError()));
    QVERIFY(compiled.report.warnings.isEmpty());
    const QString path = dir.filePath(QStringLiteral("scsi.hlp"));
    writeFile(path, compiled.value);

    chmFile *chm = chm_open(QFile::encodeName(path).constData());
    QVERIFY(chm);
    bool found = false;
    for (const char *object : {"/intro.html", "/phases/arbitration.html", "/img/bus.png"}) {
        chmObject(chm, object, &found);
        QVERIFY2(found, object);
    }
    QCOMPARE(chmObject(chm, "/intro.html", &found), readFile(folder + QStringLiteral("/intro.html")));
    const QString toc = QString::fromUtf8(chmObject(chm, "/toc.hhc", &found));
    QVERIFY(found);
    QVERIFY(toc.contains(QStringLiteral("<param name=\"Name\" value=\"Арбитраж\">")));
    QVERIFY(toc.contains(QStringLiteral("<param name=\"Local\" value=\"phases/arbitration.html#select\">")));
    const QString index = QString::fromUtf8(chmObject(chm, "/index.hhk", &found));
    QVERIFY(found);
    QVERIFY(index.contains(QStringLiteral("<param name=\"Name\" value=\"шина\">")));
    chmObject(chm, "/_notes.txt", &found);
    QVERIFY(!found);

    // The system file names the home page and the language.
    const QByteArray system = chmObject(chm, "/#SYSTEM", &found);
    QVERIFY(found);
    QVERIFY(system.contains(QByteArray("intro.html\0", 11)));
    quint32 language = 0;
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const quint16 code = qFromLittleEndian<quint16>(system.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        if (code == 4 && length >= 4 && at + 8 <= system.size())
            language = qFromLittleEndian<quint32>(system.constData() + at + 4);
        at += 4 + length;
    }
    QCOMPARE(language, 0x419u);

    // The tool's own directory reader sees what chmlib sees.
    QSet<QString> names;
    chm_enumerate(chm, CHM_ENUMERATE_ALL, collectName, &names);
    chm_close(chm);
    const std::optional<QStringList> listed = ChmDirectory::list(compiled.value);
    QVERIFY(listed);
    QCOMPARE(QSet<QString>(listed->begin(), listed->end()), names);
    QVERIFY(!ChmDirectory::list(QByteArray("ITSF not really")));
}

void ContentBuildTest::buildsContentFolder()
{
    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    const QString package = dir.filePath(QStringLiteral("package"));
    writeFile(content + QStringLiteral("/README.md"), "about the sources\n");
    writeFile(content + QStringLiteral("/exam/exam.txt"), "Вопрос 1\n");
    writeFile(content + QStringLiteral("/scsi/quest/scsi.quest"), questionSource(5, 1, 2, 0));
    writeFile(content + QStringLiteral("/scsi/quest/scsi_les1.phases"), "=== task\nT\n---\nBUS FREE\n");
    writeFile(content + QStringLiteral("/scsi/quest/scsi_les2.cdb"),
              "=== task\nT\n---\nsize: 6\nopcode: 8\nlba: 0\nlength: 1\n");
    writeFile(content + QStringLiteral("/usb/quest/usb_les.usbtasks"),
              "=== task\nT\n---\ntoken: IN\naddress: 1\nendpoint: 1\ndata: DATA0\nbyte: 1\n");
    writeFile(content + QStringLiteral("/usb/quest/_box.pic"), "rect 0 0 10 10 fill=#00ff00\n");
    writeFile(content + QStringLiteral("/usb/quest/packet.jpg.pic"), "size 40 30\ninclude _box.pic 5 5\n");
    writeFile(content + QStringLiteral("/img/slide.bmp"), QByteArray("BM\0\x01\x02", 5));
    writeFile(content + QStringLiteral("/_drafts/x.txt"), "draft\n");
    if (!HelpCompiler::compilerPath().isEmpty())
        writeHelpFolder(content + QStringLiteral("/scsi/help/scsi.hlp.d"));

    ContentBuilder::Summary summary;
    QStringList logged;
    ContentBuilder::Options options;
    options.log = [&](const QString &output) { logged.append(output); };
    const SourceReport report = ContentBuilder::run(content, package, options, &summary);
    QVERIFY2(report.ok(), qPrintable(report.firstError()));
    QStringList expected = {"exam/exam.txt",
                            "img/slide.bmp",
                            "scsi/quest/scsi.txt",
                            "scsi/quest/scsi_les1.dat",
                            "scsi/quest/scsi_les2.dat",
                            "usb/quest/packet.jpg",
                            "usb/quest/usb_les.dat"};
    if (!HelpCompiler::compilerPath().isEmpty())
        expected.append(QStringLiteral("scsi/help/scsi.hlp"));
    expected.sort();
    logged.sort();
    QCOMPARE(logged, expected);
    QCOMPARE(summary.built, int(expected.size()));
    for (const QString &output : expected)
        QVERIFY2(QFileInfo(package + QLatin1Char('/') + output).size() > 0, qPrintable(output));
    QCOMPARE(readFile(package + QStringLiteral("/img/slide.bmp")), QByteArray("BM\0\x01\x02", 5));
    QCOMPARE(readFile(package + QStringLiteral("/exam/exam.txt")), *Cp1251::encode(QStringLiteral("Вопрос 1\r\n")));
    QCOMPARE(QFileInfo(package + QStringLiteral("/scsi/quest/scsi_les1.dat")).size(), 676);
    QCOMPARE(QFileInfo(package + QStringLiteral("/scsi/quest/scsi_les2.dat")).size(), 520);
    QCOMPARE(QFileInfo(package + QStringLiteral("/usb/quest/usb_les.dat")).size(), 506);
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/README.md")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/_drafts")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/usb/quest/_box.pic")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/usb/quest/_box.jpg")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/scsi/help/scsi.hlp.d")));
    // No temporary files left beside the outputs.
    QCOMPARE(QDir(package + QStringLiteral("/scsi/quest")).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void ContentBuildTest::rebuildsOnlyOutdated()
{
    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    const QString package = dir.filePath(QStringLiteral("package"));
    writeFile(content + QStringLiteral("/a.txt"), "a\n");
    writeFile(content + QStringLiteral("/b.txt"), "b\n");
    writeFile(content + QStringLiteral("/img/_part.pic"), "rect 0 0 4 4\n");
    writeFile(content + QStringLiteral("/img/p.jpg.pic"), "size 8 8\ninclude _part.pic\n");
    for (const char *file : {"/a.txt", "/b.txt", "/img/_part.pic", "/img/p.jpg.pic"})
        setModified(content + QLatin1String(file), -100);

    QStringList logged;
    ContentBuilder::Options options;
    options.log = [&](const QString &output) { logged.append(output); };
    ContentBuilder::Summary summary;
    QVERIFY(ContentBuilder::run(content, package, options, &summary).ok());
    QCOMPARE(summary.built, 3);

    logged.clear();
    QVERIFY(ContentBuilder::run(content, package, options, &summary).ok());
    QCOMPARE(summary.built, 0);
    QCOMPARE(summary.upToDate, 3);

    setModified(content + QStringLiteral("/b.txt"), 100);
    setModified(content + QStringLiteral("/img/_part.pic"), 100);
    QVERIFY(ContentBuilder::run(content, package, options, &summary).ok());
    logged.sort();
    QCOMPARE(logged, QStringList({"b.txt", "img/p.jpg"}));

    // A newer tool rebuilds everything.
    logged.clear();
    options.toolTime = QDateTime::currentDateTime().addSecs(200);
    QVERIFY(ContentBuilder::run(content, package, options, &summary).ok());
    QCOMPARE(summary.built, 3);

    logged.clear();
    options.toolTime = QDateTime();
    options.force = true;
    QVERIFY(ContentBuilder::run(content, package, options, &summary).ok());
    QCOMPARE(summary.built, 3);
}

void ContentBuildTest::refusesBadSourcesWritingNothing()
{
    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    const QString package = dir.filePath(QStringLiteral("package"));
    writeFile(content + QStringLiteral("/good.txt"), "fine\n");
    writeFile(content + QStringLiteral("/q/bad.phases"), "=== task\nT\n---\nBUS FREE\nDATA INN\n");
    writeFile(content + QStringLiteral("/p/bad.jpg.pic"), "fill #ffffff\n");
    writeFile(content + QStringLiteral("/p/stray.pic"), "size 1 1\n");
    writeFile(content + QStringLiteral("/same.txt"), "x\n");
    writeFile(content + QStringLiteral("/same.quest"), questionSource(5, 1, 2, 0));
    ContentBuilder::Summary summary;
    const SourceReport report = ContentBuilder::run(content, package, {}, &summary);
    QVERIFY(!report.ok());
    QStringList messages;
    for (const SourceError &error : report.errors)
        messages.append(QDir(content).relativeFilePath(error.file) + QLatin1Char(':') + QString::number(error.line) +
                        QStringLiteral(": ") + error.what);
    QCOMPARE(messages, QStringList({
                           "p/stray.pic:0: a picture script is named X.jpg.pic (a script only included by others "
                           "starts with \"_\")",
                           "same.txt:0: makes \"same.txt\", which \"same.quest\" makes too",
                           "p/bad.jpg.pic:1: the first command must be \"size W H\"",
                           "q/bad.phases:5: task 1: unknown phase \"DATA INN\" (phases: BUS FREE, ARBITRATION, "
                           "SELECTION, RESELECTION, COMMAND, DATA IN, DATA OUT, STATUS, MESSAGE IN, MESSAGE OUT)",
                       }));
    QVERIFY(QFileInfo::exists(package + QStringLiteral("/good.txt")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/q/bad.dat")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/p/bad.jpg")));
    QVERIFY(!QFileInfo::exists(package + QStringLiteral("/q")));

    // A source that breaks after a good build leaves the good output in place.
    writeFile(content + QStringLiteral("/q/bad.phases"), "=== task\nT\n---\nBUS FREE\n");
    QVERIFY(!ContentBuilder::run(content, package, {}, &summary).ok());
    const QByteArray good = readFile(package + QStringLiteral("/q/bad.dat"));
    QCOMPARE(good.size(), 676);
    writeFile(content + QStringLiteral("/q/bad.phases"), "=== task\nT\n---\nBUS FREE\nDATA INN\n");
    setModified(content + QStringLiteral("/q/bad.phases"), 100);
    QVERIFY(!ContentBuilder::run(content, package, {}, &summary).ok());
    QCOMPARE(readFile(package + QStringLiteral("/q/bad.dat")), good);
}

void ContentBuildTest::checkWritesNothing()
{
    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    writeFile(content + QStringLiteral("/a.txt"), "a\n");
    writeFile(content + QStringLiteral("/b.quest"), "? only one\n+ r\n");
    writeFile(content + QStringLiteral("/h.chm.d/toc.txt"), "title: T\nA | missing.html\n");
    ContentBuilder::Options options;
    options.checkOnly = true;
    ContentBuilder::Summary summary;
    const SourceReport report = ContentBuilder::run(content, QString(), options, &summary);
    QCOMPARE(summary.sources, 3);
    QCOMPARE(summary.failed, 2);
    QCOMPARE(report.errors.size(), 2);
    QCOMPARE(report.errors[0].what, QStringLiteral("1 questions, at least 5 needed"));
    QCOMPARE(report.errors[1].what, QStringLiteral("page \"missing.html\" is not in the help folder"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"content"});
}

QTEST_MAIN(ContentBuildTest)
#include "tst_contentbuild.moc"
