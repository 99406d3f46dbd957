// The ISA trainer's shipped texts: every file the trainer names is there,
// Windows-1251 with CR LF, every line readable in its text box without
// scrolling sideways, the signal tables have their rows and each row's
// description is the description of that row's signal; the help file opens
// with its contents, its index and a page on every part of the trainer.
#include "platform/chmfile.h"
#include "platform/contentpath.h"
#include "platform/textfile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

namespace {

// The text boxes the files are shown in: width and whether a vertical scroll
// bar takes part of it.
struct TextBox {
    int width;
    bool verticalScrollBar;
};

constexpr TextBox kTextWindow{557, true};  // introduction, EISA, about the trainer
constexpr TextBox kSignalBox{577, true};   // signal descriptions under the table
constexpr TextBox kCycleBox{197, true};    // cycle description beside the diagram
constexpr TextBox kAtBox{745, true};       // AT descriptions above the tabs
constexpr TextBox kWarningBox{337, false}; // the note after a cycle

// The width a line may take in a text box of the package's default font.
int usableWidth(const TextBox &box)
{
    QPlainTextEdit edit;
    int width = box.width - 2 * edit.frameWidth() - 2 * int(edit.document()->documentMargin());
    if (box.verticalScrollBar)
        width -= edit.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, edit.verticalScrollBar());
    return width;
}

int widestLine(const QStringList &lines, QString *widest)
{
    const QFontMetrics metrics(QPlainTextEdit().font());
    int most = 0;
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        if (width > most) {
            most = width;
            *widest = line;
        }
    }
    return most;
}

QByteArray rawBytes(const QString &contentPath)
{
    QFile file(ContentPath::resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Grid rows to description files, as the signal table maps them.
const QStringList kIsaRows = {
    "",        "sd15_0.isa",  "sa19_0.isa", "la23_17.isa", "bale.isa", "aen.isa",     "sbhe.isa",   "",
    "clk.isa", "memr.isa",    "memw.isa",   "ior.isa",     "iow.isa",  "memcs16.isa", "iocs16.isa", "iochrdy.isa",
    "0ws.isa", "refresh.isa", "master.isa", "drq.isa",     "dack.isa", "tc.isa"};
const QStringList kEisaRows = {"AENn.txt", "be.txt",         "cmd.txt",   "d16_31.txt", "exrdy.txt", "ex16.txt",
                               "ex32.txt", "la2_16(31).txt", "lock.txt",  "mackn.txt",  "mreqn.txt", "msburst.txt",
                               "mio.txt",  "slburst.txt",    "start.txt", "wr.txt"};

} // namespace

class IsaContentFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void signalTablesHaveTheirRows_data();
    void signalTablesHaveTheirRows();
    void helpFileOpens();

private:
    QString m_previous;
};

void IsaContentFilesTest::initTestCase()
{
    const QString package = TestUtil::packageFolder();
    QVERIFY2(QDir(package).exists(), "the package folder is built by the project");
    m_previous = QDir::currentPath();
    QDir::setCurrent(package);
}

void IsaContentFilesTest::cleanupTestCase()
{
    QDir::setCurrent(m_previous);
}

void IsaContentFilesTest::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<bool>("scrollBar");
    const auto add = [](const QString &path, const TextBox &box) {
        QTest::addRow("%s", qPrintable(path)) << path << box.width << box.verticalScrollBar;
    };
    add(QStringLiteral("ISA\\discr\\isa1.txt"), kTextWindow);
    add(QStringLiteral("ISA\\discr\\Eisa.txt"), kTextWindow);
    add(QStringLiteral("ISA\\signals\\progr.txt"), kTextWindow);
    add(QStringLiteral("isa\\discr\\Warning.txt"), kWarningBox);
    for (const char *name :
         {"Acc_res1", "Acc_res2", "Acc_res3", "regener2", "regener3", "dma_cyc2", "dma_cyc3", "bus_fuc"})
        add(QStringLiteral("isa\\discr\\%1.txt").arg(QLatin1String(name)), kCycleBox);
    for (const char *name : {"8AT", "16AT_mem", "16AT_prt"})
        add(QStringLiteral("isa\\Discr\\%1.dgr").arg(QLatin1String(name)), kAtBox);
    for (const QString &name : kIsaRows + kEisaRows) {
        if (!name.isEmpty())
            add(QStringLiteral("ISA\\signals\\") + name, kSignalBox);
    }
}

void IsaContentFilesTest::textsFitTheirBoxes()
{
    QFETCH(QString, path);
    QFETCH(int, boxWidth);
    QFETCH(bool, scrollBar);
    const QByteArray bytes = rawBytes(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path + QStringLiteral(" is missing or empty")));
    QVERIFY2(bytes.endsWith("\r\n"), "the last line ends with CR LF");
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    const QStringList lines = TextFile::readLines(path);
    QVERIFY(lines.size() >= 5);
    QString widest;
    const int width = widestLine(lines, &widest);
    const int usable = usableWidth({boxWidth, scrollBar});
    QVERIFY2(width <= usable, qPrintable(QStringLiteral("%1 px of %2: %3").arg(width).arg(usable).arg(widest)));
}

void IsaContentFilesTest::signalTablesHaveTheirRows_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("rows");
    QTest::addRow("ISA") << "ISA\\Signals\\signal" << kIsaRows;
    QTest::addRow("EISA") << "ISA\\signals\\esignal" << kEisaRows;
}

void IsaContentFilesTest::signalTablesHaveTheirRows()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, rows);
    QList<QStringList> columns;
    for (int c = 0; c < 3; ++c) {
        columns.append(TextFile::readLines(prefix + QString::number(c) + QStringLiteral(".txt")));
        // A heading line and one line per row, nothing beyond the last row.
        QCOMPARE(columns.last().size(), rows.size() + 1);
    }
    QCOMPARE(columns[0][0], QStringLiteral("Сигнал"));
    for (int row = 1; row <= rows.size(); ++row) {
        const QString name = columns[0][row];
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QStringLiteral("row %1 has no name").arg(row)));
        const QString file = rows[row - 1];
        if (file.isEmpty()) {
            QVERIFY2(columns[2][row].startsWith(QStringLiteral("Группа")), "a row without a description heads a group");
            continue;
        }
        QVERIFY2(!columns[1][row].trimmed().isEmpty() && !columns[2][row].trimmed().isEmpty(),
                 qPrintable(name + QStringLiteral(": direction and function are filled")));
        // The description shown for a row is the one of the row's signal.
        const QString description = TextFile::readText(QStringLiteral("ISA\\signals\\") + file);
        QVERIFY2(description.startsWith(name + QLatin1Char(' ')),
                 qPrintable(QStringLiteral("row %1 (%2) shows %3").arg(row).arg(name, file)));
    }
}

void IsaContentFilesTest::helpFileOpens()
{
    ChmFile help;
    QCOMPARE(help.open(ContentPath::resolve(QStringLiteral("isa\\kopisa.hlp"))), QString());
    QCOMPARE(help.homePage(), QStringLiteral("/index.html"));
    QVERIFY(help.contents().size() >= 7);
    QVERIFY(help.index().size() >= 50);
    for (const Sitemap::Entry &keyword : help.index())
        QVERIFY2(help.contains(ChmFile::pagePath(keyword.local)), qPrintable(keyword.name));

    // The page on working with the trainer names every menu item and button.
    const std::optional<QByteArray> page = help.read(QStringLiteral("/trainer.html"));
    QVERIFY(page.has_value());
    const QString text = QString::fromUtf8(*page);
    for (const char *caption : {"О программе",
                                "Введение",
                                "Сигналы шины",
                                "Циклы шины",
                                "Особенности циклов AT-шины",
                                "Особенности шины EISA",
                                "Взаимодействие устройств",
                                "Контрольные вопросы",
                                "Выход",
                                "Содержание",
                                "Искать справку по",
                                "Как пользоваться справкой",
                                "Конец",
                                "EISA",
                                "Введите параметры цикла:",
                                "Другой цикл",
                                "For PC AT",
                                "Основное меню",
                                "Готово",
                                "Очистить",
                                "Дальше",
                                "Сдаюсь",
                                "Ваш результат:",
                                "0 тактов ожид.",
                                "Удлиненный",
                                "Захват шины",
                                "Регенерация"})
        QVERIFY2(text.contains(QString::fromUtf8(caption)), caption);
}

QTEST_MAIN(IsaContentFilesTest)
#include "tst_isacontentfiles.moc"
