// What the package promises for a missing, empty, short, damaged, special
// (folder, pipe, device) or huge content file of each kind, and the crafted
// files of tests/data/hostile opened through the windows that read them.

#include "isa/isatext.h"
#include "pci/controlquiz.h"
#include "platform/chmfile.h"
#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/contentpath.h"
#include "platform/cp1251.h"
#include "platform/documentviewer.h"
#include "platform/jpegimage.h"
#include "platform/metafile.h"
#include "platform/random.h"
#include "platform/recordfile.h"
#include "platform/textfile.h"
#include "platform/textwindow.h"
#include "scsi/phasetask.h"
#include "scsi/questionset.h"
#include "scsi/studentrecord.h"
#include "scsi/tquest_form.h"
#include "testutil.h"
#include "usb/tform11.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>
#include <sys/stat.h>

namespace {

enum class Kind { Record, Text, Question, Picture, Help };
enum class State { Missing, Empty, Short, Damaged, Folder, Pipe, Device, Huge };

QString hostile(const QString &name)
{
    return qEnvironmentVariable("SHINO_SOURCE_DIR") + QStringLiteral("/tests/data/hostile/") + name;
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray jpeg()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QString fiveQuestions()
{
    QString text = QStringLiteral("5\r\n");
    for (int q = 1; q <= 5; ++q)
        text += QStringLiteral("Вопрос %1?\r\nДа\r\nНет\r\n\r\n").arg(q);
    return text;
}

qint64 limitOf(Kind kind)
{
    switch (kind) {
    case Kind::Record:
        return ContentFile::kMaxRecordFile;
    case Kind::Text:
    case Kind::Question:
        return ContentFile::kMaxTextFile;
    case Kind::Picture:
        return ContentFile::kMaxPicture;
    case Kind::Help:
        return ContentFile::kMaxHelpFile;
    }
    return 0;
}

// The bytes of a file of the kind in the given state (empty, short, damaged).
QByteArray contentOf(Kind kind, State state)
{
    if (state == State::Empty)
        return QByteArray();
    switch (kind) {
    case Kind::Record: {
        QByteArray record(PhaseTaskRecord::kSize, '\0');
        if (state == State::Short)
            record.truncate(PhaseTaskRecord::kSize - 1);
        else
            record[PhaseRecordFormat::kCountOffset] = char(99); // 99 phases of at most 21
        return record;
    }
    case Kind::Text:
        return state == State::Short ? QByteArray("1") : QByteArray("5\0xyz\r\n", 7);
    case Kind::Question: {
        const QString five = fiveQuestions();
        const QString text = state == State::Short ? five.left(five.indexOf(QStringLiteral("Вопрос 4")))
                                                   : QStringLiteral("пять") + five.mid(1);
        return Cp1251::encode(text).value_or(QByteArray());
    }
    case Kind::Picture: {
        const QByteArray picture = jpeg();
        return state == State::Short ? picture.left(picture.size() / 2) : picture.left(2) + QByteArray(200, 'Z');
    }
    case Kind::Help:
        return state == State::Short ? readWhole(hostile(QStringLiteral("outside.chm"))).left(2000)
                                     : readWhole(hostile(QStringLiteral("listing_self.chm")));
    }
    return QByteArray();
}

// Reads a content file of the kind; the message of the refusal, or "accepted: …" with what was read.
QString readAs(Kind kind, const QString &contentPath)
{
    try {
        switch (kind) {
        case Kind::Record: {
            const auto task = readRandomRecord<PhaseTaskRecord>(contentPath);
            return task ? QStringLiteral("accepted: a task") : QStringLiteral("accepted: no record");
        }
        case Kind::Text: {
            const QStringList lines = TextFile::readLines(contentPath);
            if (!lines.isEmpty())
                TextFile::toInt(lines.first());
            return QStringLiteral("accepted: %1 lines").arg(lines.size());
        }
        case Kind::Question: {
            QuestionSet set;
            set.load(contentPath);
            return QStringLiteral("accepted: %1 questions").arg(set.questions().size());
        }
        case Kind::Picture:
            return QStringLiteral("accepted: %1 px wide").arg(JpegImage::load(contentPath).width());
        case Kind::Help: {
            ChmFile file;
            const QString message = file.open(ContentPath::resolve(contentPath));
            return message.isEmpty() ? QStringLiteral("accepted: a document") : message;
        }
        }
    } catch (const ContentError &error) {
        return error.message();
    }
    return QString();
}

QString contentPathOf(Kind kind)
{
    switch (kind) {
    case Kind::Record:
        return QStringLiteral("scsi\\quest\\scsi_les1.dat");
    case Kind::Text:
        return QStringLiteral("exam\\exam.txt");
    case Kind::Question:
        return QStringLiteral("scsi\\quest\\scsi.txt");
    case Kind::Picture:
        return QStringLiteral("error1.jpg");
    case Kind::Help:
        return QStringLiteral("scsi\\help\\scsi.hlp");
    }
    return QString();
}

// Puts the file of the kind into the working folder in the given state.
void place(const TestUtil::WorkingFolder &folder, Kind kind, State state)
{
    QString relative = contentPathOf(kind);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString full = folder.path() + QLatin1Char('/') + relative;
    folder.write(QStringLiteral("exam/.keep"), QByteArray()); // an unrelated file, so the folders exist
    QDir().mkpath(QFileInfo(full).path());
    switch (state) {
    case State::Missing:
        break;
    case State::Empty:
    case State::Short:
    case State::Damaged:
        folder.write(relative, contentOf(kind, state));
        break;
    case State::Folder:
        QDir().mkpath(full);
        break;
    case State::Pipe:
        QVERIFY(::mkfifo(QFile::encodeName(full).constData(), 0600) == 0);
        break;
    case State::Device:
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), full));
        break;
    case State::Huge: {
        QFile file(full);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(limitOf(kind) + 1)); // sparse: takes no room on the disk
        break;
    }
    }
}

} // namespace

class HostileContentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Random::seed(5); }
    void cleanup();
    void promises_data();
    void promises();
    void recordReadBySeeking();
    void numberLines_data();
    void numberLines();
    void usbTaskOutOfRange_data();
    void usbTaskOutOfRange();
    void questionCount_data();
    void questionCount();
    void questionWindowOnPipeAndDevice_data();
    void questionWindowOnPipeAndDevice();
    void damagedHelpFiles_data();
    void damagedHelpFiles();
    void helpPageReadsNothingOutside();
    void linksOutOfTheDocumentOpenNothing();
    void hugeIndexEntryOpensAtOnce();
    void textWindowOnPipe();
    void trainerReadersOnPipeAndDevice_data();
    void trainerReadersOnPipeAndDevice();
    void contentPathStaysInside_data();
    void contentPathStaysInside();
};

void HostileContentTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<DocumentViewer *>(widget))
            delete widget;
    }
}

void HostileContentTest::promises_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("expected");
    const struct {
        Kind kind;
        const char *name;
        const char *empty;
        const char *shortFile;
        const char *damaged;
    } kinds[] = {
        {Kind::Record, "record", "accepted: no record", "accepted: no record", "запись № 1: число фаз 99"},
        {Kind::Text, "text", "accepted: 0 lines", "accepted: 1 lines", "is not a valid integer value"},
        {Kind::Question, "question", "файл пуст, нет числа вопросов", "файл кончается после 3 вопросов из 5",
         "не число вопросов"},
        {Kind::Picture, "picture", "пустой файл", "не удаётся прочитать рисунок JPEG",
         "не удаётся прочитать рисунок JPEG"},
        {Kind::Help, "help", "не является документом справки", "повреждён", "по кругу"},
    };
    for (const auto &k : kinds) {
        const QString missing = k.kind == Kind::Help ? QStringLiteral("не найден") : QStringLiteral("Cannot open file");
        const auto row = [&](State state, const char *stateName, const QString &expected) {
            QTest::addRow("%s, %s", k.name, stateName) << int(k.kind) << int(state) << expected;
        };
        row(State::Missing, "missing", missing);
        row(State::Empty, "empty", QString::fromUtf8(k.empty));
        row(State::Short, "short", QString::fromUtf8(k.shortFile));
        row(State::Damaged, "damaged", QString::fromUtf8(k.damaged));
        row(State::Folder, "folder",
            k.kind == Kind::Help ? QStringLiteral("это папка") : QStringLiteral("это папка, а не файл"));
        row(State::Pipe, "named pipe", QStringLiteral("это канал, а не файл"));
        row(State::Device, "link to a device", QStringLiteral("это устройство, а не файл"));
        row(State::Huge, "huge", QStringLiteral("слишком большой файл"));
    }
}

// Every refusal names the file; nothing blocks (a pipe), nothing is read without end (a device).
void HostileContentTest::promises()
{
    QFETCH(int, kind);
    QFETCH(int, state);
    QFETCH(QString, expected);
    TestUtil::WorkingFolder folder;
    place(folder, Kind(kind), State(state));
    const QString message = readAs(Kind(kind), contentPathOf(Kind(kind)));
    QVERIFY2(message.contains(expected), qPrintable(message));
    // A number-conversion message names the text, not the file.
    if (!message.startsWith(QLatin1String("accepted")) && !message.contains(QLatin1String("is not a valid integer"))) {
        const QString named = Kind(kind) == Kind::Help
                                  ? QFileInfo(ContentPath::resolve(contentPathOf(Kind(kind)))).fileName()
                                  : contentPathOf(Kind(kind));
        QVERIFY2(message.contains(named), qPrintable(message));
    }
}

// A record is read where it lies; a file cut short after opening is a bad record, not stale bytes.
void HostileContentTest::recordReadBySeeking()
{
    TestUtil::WorkingFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 3; ++i)
        bytes += QByteArray(8, char('a' + i));
    folder.write(QStringLiteral("t.dat"), bytes);
    const RecordFile file(QStringLiteral("t.dat"), 8);
    QCOMPARE(file.count(), 3);
    QCOMPARE(file.read(2), QByteArray(8, 'c'));
    QFile::resize(folder.path() + QStringLiteral("/t.dat"), 12);
    QCOMPARE(file.read(0), QByteArray(8, 'a'));
    try {
        file.read(2);
        QFAIL("a record past the new end was read");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Файл t.dat: запись № 3: запись не прочитана"));
    }
}

void HostileContentTest::numberLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::addRow("digits") << "15" << true << 15;
    QTest::addRow("blanks and sign") << " \t-7 " << true << -7;
    QTest::addRow("plus") << "+3" << true << 3;
    QTest::addRow("int limits") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::addRow("beyond int") << "2147483648" << false << 0;
    QTest::addRow("zero byte inside") << QString::fromLatin1("5\0xyz", 5) << false << 0;
    QTest::addRow("zero byte after") << QString::fromLatin1("5\0", 2) << false << 0;
    QTest::addRow("letters after") << "5x" << false << 0;
    QTest::addRow("inner blank") << "1 2" << false << 0;
    QTest::addRow("sign alone") << "-" << false << 0;
    QTest::addRow("empty") << "" << false << 0;
    QTest::addRow("arabic-indic digit") << QStringLiteral("\u0663") << false << 0;
}

void HostileContentTest::numberLines()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(int, value);
    QCOMPARE(TextFile::parseInt(line).has_value(), valid);
    try {
        QCOMPARE(TextFile::toInt(line), value);
        QVERIFY(valid);
    } catch (const ContentError &error) {
        QVERIFY(!valid);
        QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(line));
    }
}

void HostileContentTest::usbTaskOutOfRange_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::addRow("address of 8 bits")
        << "usb_les_address.dat"
        << "Файл usb\\quest\\usb_les.dat: запись № 1: адрес устройства 128 длиннее 7 бит";
    QTest::addRow("endpoint of 5 bits")
        << "usb_les_endpoint.dat"
        << "Файл usb\\quest\\usb_les.dat: запись № 1: номер конечной точки 16 длиннее 4 бит";
}

// The USB exercise window refuses a task no answer can satisfy, naming the file and the record.
void HostileContentTest::usbTaskOutOfRange()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("test1.jpg"), jpeg());
    folder.write(QStringLiteral("error1.jpg"), jpeg());
    folder.write(QStringLiteral("usb/quest/usb_les.dat"), readWhole(hostile(file)));
    StudentRecord student;
    try {
        TForm11 form(student);
        QFAIL("the window took the task");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), expected);
    }
}

void HostileContentTest::questionCount_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::addRow("count 2147483647") << "question_count_huge.txt"
                                      << "Файл scsi\\quest\\scsi.txt: файл кончается после 5 вопросов из 2147483647";
    QTest::addRow("zero byte in the count")
        << "question_count_nul.txt"
        << QStringLiteral("Файл scsi\\quest\\scsi.txt: первая строка «5%1xyz» не число вопросов").arg(QChar(0));
}

// The question window reads the whole file before it trusts its count line.
void HostileContentTest::questionCount()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("scsi/quest/scsi.txt"), readWhole(hostile(file)));
    StudentRecord record;
    try {
        TQuest_form form(record);
        QFAIL("the window opened");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), expected);
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 0);
}

void HostileContentTest::questionWindowOnPipeAndDevice_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("expected");
    QTest::addRow("named pipe") << int(State::Pipe) << "Файл scsi\\quest\\scsi.txt: это канал, а не файл";
    QTest::addRow("link to /dev/zero") << int(State::Device) << "Файл scsi\\quest\\scsi.txt: это устройство, а не файл";
    QTest::addRow("folder") << int(State::Folder) << "Файл scsi\\quest\\scsi.txt: это папка, а не файл";
}

void HostileContentTest::questionWindowOnPipeAndDevice()
{
    QFETCH(int, state);
    QFETCH(QString, expected);
    TestUtil::WorkingFolder folder;
    place(folder, Kind::Question, State(state));
    StudentRecord record;
    try {
        TQuest_form form(record);
        QFAIL("the window opened");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), expected);
    }
}

void HostileContentTest::damagedHelpFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::addRow("listing block names itself") << "listing_self.chm"
                                                << "блоки каталога ссылаются друг на друга по кругу (блок 0)";
    QTest::addRow("listing block names an earlier one") << "listing_back.chm"
                                                        << "блоки каталога ссылаются друг на друга по кругу (блок 0)";
    QTest::addRow("index block is its own child") << "index_loop.chm"
                                                  << "индекс каталога ссылается по кругу (блок 2)";
    QTest::addRow("index root out of range") << "index_root_range.chm"
                                             << "неверный номер корня индекса каталога (7)";
    QTest::addRow("no windows between compression resets") << "compression_no_windows.chm"
                                                           << "неверное число окон между сбросами сжатия";
}

// The viewer refuses a document that would make the container library loop or divide by zero.
void HostileContentTest::damagedHelpFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    auto *viewer = new DocumentViewer(hostile(file));
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(!viewer->isDocumentOpen());
    const QString text = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Документ %1 повреждён (%2)").arg(hostile(file), reason)), qPrintable(text));
}

// A page's pictures and stylesheets that name local files or devices are not read.
void HostileContentTest::helpPageReadsNothingOutside()
{
    auto *viewer = new DocumentViewer(hostile(QStringLiteral("outside.chm")));
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->isDocumentOpen());
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Страница со ссылками наружу")));
    const QByteArray local = readWhole(QStringLiteral("/etc/hostname"));
    for (const QString &address : {QStringLiteral("file:///etc/hostname"), QStringLiteral("/etc/hostname"),
                                   QStringLiteral("file:///dev/zero")}) {
        for (int type : {int(QTextDocument::ImageResource), int(QTextDocument::StyleSheetResource)}) {
            const QVariant resource = browser->document()->resource(type, QUrl(address));
            QVERIFY2(resource.isValid(), qPrintable(address));
            if (type == QTextDocument::ImageResource)
                QVERIFY2(resource.value<QImage>().isNull(), qPrintable(address));
            else
                QVERIFY2(resource.toString().isEmpty(), qPrintable(address));
            QVERIFY(resource.userType() != QMetaType::QByteArray || resource.toByteArray() != local);
        }
    }
}

// Links out of the document open nothing; a message names the link.
void HostileContentTest::linksOutOfTheDocumentOpenNothing()
{
    auto *viewer = new DocumentViewer(hostile(QStringLiteral("outside.chm")));
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    const QString page = browser->toPlainText();
    TestUtil::ModalAnswerer answerer;
    for (const QString &link : {QStringLiteral("file:///etc/hostname"), QStringLiteral("http://example.com/")}) {
        Q_EMIT browser->anchorClicked(QUrl(link));
        QTRY_VERIFY(answerer.texts().size() >= 1);
        QCOMPARE(answerer.texts().constLast(),
                 QStringLiteral("Ссылка %1 ведёт за пределы документа и не открывается.").arg(link));
        answerer.clear();
    }
    QCOMPARE(browser->toPlainText(), page);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](QWidget *w) { return qobject_cast<DocumentViewer *>(w) != nullptr; }),
             1);
}

// An index entry of four million "&" is read in linear time (it once took hours) and cut to its bound.
void HostileContentTest::hugeIndexEntryOpensAtOnce()
{
    auto *viewer = new DocumentViewer(hostile(QStringLiteral("entities.chm")));
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->isDocumentOpen());
    viewer->showIndex();
    auto *list = TestUtil::child<QListWidget>(viewer, QStringLiteral("IndexList"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QString(1024, QLatin1Char('&')));
}

// The text window that shows a ".txt" of the package folder does not block on a pipe.
void HostileContentTest::textWindowOnPipe()
{
    TestUtil::WorkingFolder folder;
    place(folder, Kind::Text, State::Pipe);
    const QString path = folder.path() + QStringLiteral("/exam/exam.txt");
    TextWindow window(path);
    QCOMPARE(window.text(), QStringLiteral("Файл %1: это канал, а не файл").arg(path));
}

// The ISA texts, the diagrams and the PCI key are opened like every other
// content file: a pipe does not block them and a device is not read.
void HostileContentTest::trainerReadersOnPipeAndDevice_data()
{
    QTest::addColumn<QString>("contentPath");
    QTest::addColumn<bool>("pipe");
    const QStringList paths{"isa\\signals\\bale.isa", "isa\\Diagr\\DMA.wmf", "pci\\bus.ctl"};
    for (const QString &path : paths) {
        QTest::addRow("%s, pipe", qPrintable(path)) << path << true;
        QTest::addRow("%s, device", qPrintable(path)) << path << false;
    }
}

void HostileContentTest::trainerReadersOnPipeAndDevice()
{
    QFETCH(QString, contentPath);
    QFETCH(bool, pipe);
    TestUtil::WorkingFolder folder;
    const QString relative = QString(contentPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    folder.write(QStringLiteral("exam/.keep"), QByteArray());
    const QString full = folder.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(full).path());
    if (pipe)
        QVERIFY(::mkfifo(QFile::encodeName(full).constData(), 0600) == 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), full));
    try {
        if (contentPath.endsWith(QStringLiteral(".isa")))
            IsaText::readLines(contentPath);
        else if (contentPath.endsWith(QStringLiteral(".wmf")))
            Metafile::load(contentPath);
        else
            ControlQuiz::readKey();
        QFAIL("a pipe or a device is refused");
    } catch (const ContentError &error) {
        const QString what =
            pipe ? QStringLiteral("это канал, а не файл") : QStringLiteral("это устройство, а не файл");
        QCOMPARE(error.message(), QStringLiteral("Файл %1: %2").arg(contentPath, what));
    }
}

void HostileContentTest::contentPathStaysInside_data()
{
    QTest::addColumn<QString>("contentPath");
    QTest::addColumn<QString>("inside");
    QTest::addRow("climbing out") << "..\\..\\..\\etc\\passwd"
                                  << "etc/passwd";
    QTest::addRow("down and further up") << "usb\\..\\..\\x.txt"
                                         << "x.txt";
    QTest::addRow("down and back") << "usb\\quest\\..\\usb.txt"
                                   << "usb/usb.txt";
    QTest::addRow("leading separator") << "\\etc\\passwd"
                                       << "etc/passwd";
    QTest::addRow("forward slashes") << "/etc/../../passwd"
                                     << "passwd";
}

// Whatever a content file names, the path resolved lies inside the package folder.
void HostileContentTest::contentPathStaysInside()
{
    QFETCH(QString, contentPath);
    QFETCH(QString, inside);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("usb/quest/usb.txt"), "x");
    QCOMPARE(ContentPath::resolve(contentPath, folder.path()), folder.path() + QLatin1Char('/') + inside);
}

QTEST_MAIN(HostileContentTest)
#include "tst_hostilecontent.moc"
