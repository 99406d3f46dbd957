#include "helpproject.h"
#include "platform/chmfile.h"
#include "platform/htmltext.h"
#include "platform/sitemap.h"
#include "testutil.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString dump(const QList<Sitemap::Entry> &entries, int level = 0)
{
    QString out;
    for (const Sitemap::Entry &entry : entries) {
        out += QString(level * 2, QLatin1Char(' ')) + entry.name;
        if (!entry.local.isEmpty())
            out += QStringLiteral(" -> ") + entry.local;
        out += QLatin1Char('\n');
        out += dump(entry.children, level + 1);
    }
    return out;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

} // namespace

class ChmFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void refusesWhatIsNoDocument_data();
    void refusesWhatIsNoDocument();
    void refusesDamagedFields_data();
    void refusesDamagedFields();
    void survivesRandomDamage();
    void readsRealDocument();
    void readsEntries_data();
    void readsEntries();
    void readsContentsAndIndex();
    void listsDirectoryOfSeveralChunks();
    void choosesHomePageAndTitle_data();
    void choosesHomePageAndTitle();
    void parsesSitemaps_data();
    void parsesSitemaps();
    void decodesPages_data();
    void decodesPages();
    void normalizesPaths_data();
    void normalizesPaths();

private:
    QTemporaryDir m_dir;
    QString m_sample;
    QByteArray m_sampleBytes;
};

void ChmFileTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!HelpProject::compiler().isEmpty(),
             "chmcmd is not installed: the tests build their help documents with it (tools/bootstrap.sh installs "
             "fp-utils)");
    m_sample = HelpProject::buildSample(m_dir.path() + QStringLiteral("/sample"));
    QVERIFY2(!m_sample.isEmpty(), "chmcmd did not build the sample document");
    m_sampleBytes = readAll(m_sample);
}

void ChmFileTest::refusesWhatIsNoDocument_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QByteArray noise(4096, '\0');
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    noise[0] = 'X';
    QTest::addRow("missing file") << "missing" << QByteArray() << "не найден";
    QTest::addRow("empty file") << "file" << QByteArray() << "не является документом справки";
    QTest::addRow("random bytes") << "file" << noise << "не является документом справки";
    QTest::addRow("text file") << "file" << QByteArray("Просто текст\r\n") << "не является документом справки";
    QTest::addRow("signature only") << "file" << QByteArray("ITSF") << "повреждён";
    QTest::addRow("header cut short") << "file" << (QByteArray("ITSF\x03\0\0\0`\0\0\0", 12) + QByteArray(20, '\0'))
                                      << "повреждён";
    QTest::addRow("folder") << "folder" << QByteArray() << "папка";
    QTest::addRow("no name") << "none" << QByteArray() << "не задано";
}

void ChmFileTest::refusesWhatIsNoDocument()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QString path =
        m_dir.path() + QStringLiteral("/case/") + QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".chm");
    if (kind == QLatin1String("file"))
        HelpProject::writeFile(QFileInfo(path).path(), QFileInfo(path).fileName(), bytes);
    else if (kind == QLatin1String("folder"))
        QDir().mkpath(path);
    else if (kind == QLatin1String("none"))
        path.clear();
    ChmFile chm;
    const QString error = chm.open(path);
    QVERIFY2(error.contains(expected), qPrintable(error));
    if (!path.isEmpty())
        QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!chm.isOpen());
    QVERIFY(chm.entries().isEmpty());
    QVERIFY(!chm.read(QStringLiteral("/index.html")).has_value());
}

void ChmFileTest::refusesDamagedFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addRow("cut to 100 bytes") << "cut100";
    QTest::addRow("cut in the directory") << "cutDirectory";
    QTest::addRow("cut in half") << "cutHalf";
    QTest::addRow("one byte short") << "cutOne";
    QTest::addRow("unknown version") << "version";
    QTest::addRow("directory beyond the end") << "directoryOffset";
    QTest::addRow("directory chunk size zero") << "chunkSize";
    QTest::addRow("compression window zero") << "window";
    QTest::addRow("compression reset interval zero") << "reset";
    QTest::addRow("compression signature") << "lzxc";
}

void ChmFileTest::refusesDamagedFields()
{
    QFETCH(QString, field);
    QByteArray bytes = m_sampleBytes;
    const qsizetype lzxc = bytes.indexOf("LZXC");
    QVERIFY(lzxc > 0);
    const qsizetype directory = qsizetype(u32(bytes, 0x48));
    if (field == QLatin1String("cut100"))
        bytes.truncate(100);
    else if (field == QLatin1String("cutDirectory"))
        bytes.truncate(directory + 0x200);
    else if (field == QLatin1String("cutHalf"))
        bytes.truncate(bytes.size() / 2);
    else if (field == QLatin1String("cutOne"))
        bytes.chop(1);
    else if (field == QLatin1String("version"))
        putU32(bytes, 0x04, 9);
    else if (field == QLatin1String("directoryOffset"))
        putU32(bytes, 0x48, quint32(bytes.size() + 10));
    else if (field == QLatin1String("chunkSize"))
        putU32(bytes, directory + 0x10, 0);
    else if (field == QLatin1String("window"))
        putU32(bytes, lzxc + 0x0C, 0);
    else if (field == QLatin1String("reset"))
        putU32(bytes, lzxc + 0x08, 0);
    else if (field == QLatin1String("lzxc"))
        bytes[lzxc] = 'Q';
    const QString path = m_dir.path() + QStringLiteral("/damaged-") + field + QStringLiteral(".chm");
    HelpProject::writeFile(m_dir.path(), QFileInfo(path).fileName(), bytes);
    ChmFile chm;
    const QString error = chm.open(path);
    QVERIFY2(error.contains(QStringLiteral("повреждён")), qPrintable(error));
    QVERIFY(error.contains(path));
    QVERIFY(!chm.isOpen());
}

void ChmFileTest::survivesRandomDamage()
{
    QRandomGenerator random(2024);
    const QString path = m_dir.path() + QStringLiteral("/random-damage.chm");
    int opened = 0;
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = m_sampleBytes;
        if (round % 3 == 0) {
            bytes.truncate(random.bounded(int(bytes.size())));
        } else {
            const int limit = round % 3 == 1 ? int(bytes.size()) : qMin(int(bytes.size()), 0x2000);
            for (int flips = random.bounded(1, 12); flips > 0; --flips)
                bytes[random.bounded(limit)] = char(random.bounded(256));
        }
        HelpProject::writeFile(m_dir.path(), QFileInfo(path).fileName(), bytes);
        ChmFile chm;
        const QString error = chm.open(path);
        if (!error.isEmpty()) {
            QVERIFY(!chm.isOpen());
            continue;
        }
        ++opened;
        for (const QString &entry : chm.entries())
            chm.read(entry);
    }
    QVERIFY(opened > 0);
}

void ChmFileTest::readsRealDocument()
{
    ChmFile chm;
    QCOMPARE(chm.open(m_sample), QString());
    QVERIFY(chm.isOpen());
    QCOMPARE(chm.title(), QStringLiteral("Тестовый документ"));
    QCOMPARE(chm.homePage(), QStringLiteral("/index.html"));
    QCOMPARE(chm.contentsFile(), QStringLiteral("/toc.hhc"));
    QCOMPARE(chm.indexFile(), QStringLiteral("/index.hhk"));
    for (const char *name : {"/index.html", "/sub/page2.html", "/img/pic.png", "/style.css", "/toc.hhc"})
        QVERIFY2(chm.entries().contains(QString::fromLatin1(name)), name);
    for (const QString &entry : chm.entries()) {
        QVERIFY2(!entry.startsWith(QLatin1String("/#")) && !entry.startsWith(QLatin1String("::")), qPrintable(entry));
        QVERIFY(!entry.endsWith(QLatin1Char('/')));
    }
}

void ChmFileTest::readsEntries_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("text");
    QTest::addRow("home page") << "/index.html" << true << "Шина ISA";
    QTest::addRow("without leading slash") << "index.html" << true << "Магистраль";
    QTest::addRow("other letter case") << "/SUB/Page2.HTML" << true << "windows-1251";
    QTest::addRow("backslashes") << "\\sub\\page2.html" << true << "IOR#";
    QTest::addRow("dot segments") << "/sub/../style.css" << true << "color";
    QTest::addRow("missing entry") << "/nothere.html" << false << "";
    QTest::addRow("folder") << "/sub/" << false << "";
}

void ChmFileTest::readsEntries()
{
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(QString, text);
    ChmFile chm;
    QCOMPARE(chm.open(m_sample), QString());
    const auto bytes = chm.read(path);
    QCOMPARE(bytes.has_value(), found);
    QCOMPARE(chm.contains(path), found);
    if (found)
        QVERIFY2(bytes->contains(text.toUtf8()) || HtmlText::decodePage(*bytes).contains(text), qPrintable(path));
}

void ChmFileTest::readsContentsAndIndex()
{
    ChmFile chm;
    QCOMPARE(chm.open(m_sample), QString());
    QCOMPARE(dump(chm.contents()), QStringLiteral("Введение -> index.html\n"
                                                  "  Сигналы шины -> sub/page2.html\n"
                                                  "Приложение\n"
                                                  "  Раздел второй -> sub/page2.html#a2\n"));
    QCOMPARE(dump(chm.index()), QStringLiteral("адрес -> index.html\n"
                                               "данные -> sub/page2.html#a2\n"
                                               "магистраль -> index.html\n"
                                               "сигнал -> sub/page2.html\n"
                                               "сигнал, IOR# -> sub/page2.html\n"));
    const auto picture = chm.read(QStringLiteral("/img/pic.png"));
    QVERIFY(picture.has_value());
    QCOMPARE(*picture, HelpProject::samplePicture());
    const auto page = chm.read(QStringLiteral("/sub/page2.html"));
    QVERIFY(page.has_value());
    QVERIFY(HtmlText::decodePage(*page).contains(QStringLiteral("Сигнал IOR# читает порт ввода-вывода.")));
}

void ChmFileTest::listsDirectoryOfSeveralChunks()
{
    // Enough long names to need several directory chunks; chmcmd then records
    // the wrong first chunk, so the listing must not rely on it.
    HelpProject::Project project;
    project.output = QStringLiteral("many.chm");
    project.defaultTopic = QStringLiteral("a_first_page.html");
    project.files.append({QStringLiteral("a_first_page.html"), QByteArray("<p>first</p>")});
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("chapter_%1/section_with_a_rather_long_name_%2.html").arg(i / 20).arg(i);
        project.files.append({name, QStringLiteral("<p>страница %1</p>").arg(i).toUtf8()});
    }
    const QString path = HelpProject::compile(m_dir.path() + QStringLiteral("/many"), project);
    QVERIFY(!path.isEmpty());
    ChmFile chm;
    QCOMPARE(chm.open(path), QString());
    QCOMPARE(chm.entries().filter(QStringLiteral(".html")).size(), 201);
    QCOMPARE(chm.homePage(), QStringLiteral("/a_first_page.html"));
    for (const QString &entry : chm.entries())
        QVERIFY2(chm.read(entry).has_value(), qPrintable(entry));
    QCOMPARE(*chm.read(QStringLiteral("/chapter_0/section_with_a_rather_long_name_0.html")),
             QStringLiteral("<p>страница 0</p>").toUtf8());
}

void ChmFileTest::choosesHomePageAndTitle_data()
{
    QTest::addColumn<bool>("defaultTopic");
    QTest::addColumn<bool>("contents");
    QTest::addColumn<bool>("title");
    QTest::addColumn<QString>("indexName");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expectedTitle");
    QTest::addRow("default topic") << true << true << true << "index.html"
                                   << "/b.html"
                                   << "Проект";
    QTest::addRow("first contents entry") << false << true << false << "index.html"
                                          << "/c.html"
                                          << "Первая";
    QTest::addRow("index page") << false << false << false << "index.htm"
                                << "/index.htm"
                                << "";
    QTest::addRow("first page") << false << false << false << "start.html"
                                << "/"
                                << "";
}

void ChmFileTest::choosesHomePageAndTitle()
{
    QFETCH(bool, defaultTopic);
    QFETCH(bool, contents);
    QFETCH(bool, title);
    QFETCH(QString, indexName);
    QFETCH(QString, home);
    QFETCH(QString, expectedTitle);
    HelpProject::Project project;
    project.output = QStringLiteral("home.chm");
    if (title)
        project.title = QStringLiteral("Проект");
    if (defaultTopic)
        project.defaultTopic = QStringLiteral("b.html");
    const QByteArray page = "<html><body><p>text</p></body></html>";
    project.files = {{QStringLiteral("b.html"), page}, {QStringLiteral("c.html"), page}, {indexName, page}};
    if (contents) {
        project.contentsFile = QStringLiteral("toc.hhc");
        project.files.append(
            {QStringLiteral("toc.hhc"),
             "<ul>" + HelpProject::sitemapEntry(QStringLiteral("Первая"), QStringLiteral("c.html")) + "</ul>"});
    }
    const QString folder = m_dir.path() + QStringLiteral("/home-") + QString::fromLatin1(QTest::currentDataTag());
    const QString path = HelpProject::compile(folder, project);
    QVERIFY(!path.isEmpty());
    ChmFile chm;
    QCOMPARE(chm.open(path), QString());
    if (home == QLatin1String("/"))
        QVERIFY2(chm.homePage().endsWith(QLatin1String(".html")), qPrintable(chm.homePage()));
    else
        QCOMPARE(chm.homePage(), home);
    QCOMPARE(chm.title(), expectedTitle);
}

void ChmFileTest::parsesSitemaps_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addRow("nested lists")
        << QByteArray("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"A\"><param name=\"Local\" "
                      "value=\"a.htm\"></object><ul><li><object type=\"text/sitemap\"><param name=\"Name\" "
                      "value=\"B\"><param name=\"Local\" value=\"b.htm\"></object></ul><li><object "
                      "type=\"text/sitemap\"><param name=\"Name\" value=\"C\"></object></ul>")
        << "A -> a.htm\n  B -> b.htm\nC\n";
    QTest::addRow("upper case, no closing object")
        << QByteArray("<UL><LI><OBJECT TYPE=\"TEXT/SITEMAP\"><PARAM NAME=\"Name\" VALUE=\"A\"><PARAM NAME=\"Local\" "
                      "VALUE=\"a.htm\"><LI><OBJECT type=text/sitemap><param name=Name value=B></UL>")
        << "A -> a.htm\nB\n";
    QTest::addRow("unbalanced lists")
        << QByteArray("</ul></ul><ul><ul><ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Deep\">"
                      "</object></ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Up\"></object>")
        << "Deep\nUp\n";
    QTest::addRow("single quotes, entities, comment")
        << QByteArray("<!-- <object type=\"text/sitemap\"><param name=\"Name\" value=\"Hidden\"></object> -->"
                      "<object type='text/sitemap'><param name='Name' value='A &amp; B &#1064;&#x438;&#x43D;&#x430;'>"
                      "<param name='Local' value='x.htm#p1'></object>")
        << "A & B Шина -> x.htm#p1\n";
    QTest::addRow("site properties skipped")
        << QByteArray("<object type=\"text/site properties\"><param name=\"Name\" value=\"Props\"></object>"
                      "<object type=\"text/sitemap\"><param name=\"Local\" value=\"only.htm\"></object>")
        << "only.htm -> only.htm\n";
    QTest::addRow("windows-1251") << (QByteArray("<object type=\"text/sitemap\"><param name=\"Name\" value=\"") +
                                      HelpProject::cp1251(QStringLiteral("Шина «ISA»")) +
                                      "\"><param name=\"Local\" value=\"a.htm\"></object>")
                                  << "Шина «ISA» -> a.htm\n";
    QTest::addRow("utf-8 with byte-order mark")
        << (QByteArray("\xEF\xBB\xBF<object type=\"text/sitemap\"><param name=\"Name\" value=\"") +
            QStringLiteral("Шина").toUtf8() + "\"></object>")
        << "Шина\n";
    QTest::addRow("unclosed quote") << QByteArray("<object type=\"text/sitemap\"><param name=\"Name\" value=\"A>"
                                                  "<param name=\"Name\" value=\"B\"></object>")
                                    << "A\n";
    QTest::addRow("empty") << QByteArray() << "";
    QTest::addRow("no entries") << QByteArray("<html><body><p>nothing</body>") << "";
}

void ChmFileTest::parsesSitemaps()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(dump(Sitemap::parse(bytes)), expected);
}

void ChmFileTest::decodesPages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString sample = QStringLiteral("Шина ёЁ «ISA»");
    const QByteArray utf8 = sample.toUtf8();
    const QByteArray cp = HelpProject::cp1251(sample);
    QTest::addRow("meta charset utf-8") << ("<meta charset=\"utf-8\"><p>" + utf8) << sample;
    QTest::addRow("meta charset windows-1251") << ("<meta charset=windows-1251><p>" + cp) << sample;
    QTest::addRow("content type windows-1251")
        << ("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Windows-1251\"><p>" + cp) << sample;
    QTest::addRow("no charset, utf-8 bytes") << ("<p>" + utf8) << sample;
    QTest::addRow("no charset, windows-1251 bytes") << ("<p>" + cp) << sample;
    QTest::addRow("utf-8 declared, bytes are not") << ("<meta charset=\"utf-8\"><p>" + cp) << sample;
}

void ChmFileTest::decodesPages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QVERIFY2(HtmlText::decodePage(bytes).contains(text), qPrintable(HtmlText::decodePage(bytes)));
}

void ChmFileTest::normalizesPaths_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("path");
    QTest::addRow("plain") << "a.htm"
                           << "/a.htm";
    QTest::addRow("anchor") << "sub/a.htm#x"
                            << "/sub/a.htm";
    QTest::addRow("container reference") << "ms-its:book.chm::/sub/a.htm"
                                         << "/sub/a.htm";
    QTest::addRow("backslashes and dots") << ".\\sub\\..\\b.htm"
                                          << "/b.htm";
    QTest::addRow("above the root") << "../../c.htm"
                                    << "/c.htm";
}

void ChmFileTest::normalizesPaths()
{
    QFETCH(QString, local);
    QFETCH(QString, path);
    QCOMPARE(ChmFile::pagePath(local), path);
}

QTEST_MAIN(ChmFileTest)
#include "tst_chmfile.moc"
