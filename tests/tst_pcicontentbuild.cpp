// The content build of the PCI trainer: the control questions compiled from one
// source into the key file and the question files, and the lesson answers
// checked against what the lesson's editing can draw.

#include "contentbuilder.h"
#include "keyedquestionsource.h"
#include "pci/controlquiz.h"
#include "platform/textfile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// count questions; question q has 2 + q % 3 options, the right one at 1 + q % 2.
QByteArray questionSource(int count = 27)
{
    QByteArray source = "# Контрольные вопросы по шине PCI\n\n";
    for (int q = 1; q <= count; ++q) {
        source += QStringLiteral("? Вопрос %1: что делает сигнал FRAME#?\n").arg(q).toUtf8();
        for (int v = 1; v <= 2 + q % 3; ++v)
            source += QStringLiteral("%1 вариант %2.%3\n").arg(v == 1 + q % 2 ? '+' : '-').arg(q).arg(v).toUtf8();
        source += "\n";
    }
    return source;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PciContentBuildTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyAndQuestionFiles();
    void faultyQuestionSources_data();
    void faultyQuestionSources();
    void buildWritesTheQuestionFolder();
    void buildRefusesAnUndrawableAnswer();
};

void PciContentBuildTest::keyAndQuestionFiles()
{
    const Built<QList<KeyedQuestionSource::Output>> built =
        KeyedQuestionSource::build(questionSource(), QStringLiteral("bus.ctl.quest"));
    QVERIFY2(built.ok(), qPrintable(built.report.firstError()));
    QCOMPARE(built.value.size(), 1 + 2 * 27);
    const QByteArray key = built.value.first().bytes;
    QCOMPARE(key.size(), 27);
    for (int q = 1; q <= 27; ++q)
        QCOMPARE(int(key.at(q - 1)), 1 + q % 2);
    QCOMPARE(built.value.at(1).relative, QStringLiteral("question/contr1.txt"));
    QCOMPARE(built.value.at(2).relative, QStringLiteral("question/var1.txt"));
    QCOMPARE(TextFile::splitLines(built.value.at(1).bytes),
             QStringList{QStringLiteral("Вопрос 1: что делает сигнал FRAME#?")});
    QCOMPARE(built.value.at(2).bytes.count("\r\n"), 3);
    QCOMPARE(TextFile::splitLines(built.value.at(2).bytes).at(1), QStringLiteral("вариант 1.2"));
}

void PciContentBuildTest::faultyQuestionSources_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("error");
    QTest::addRow("26 questions") << questionSource(26)
                                  << "q.ctl.quest: 26 questions; the PCI test draws from exactly 27";
    QByteArray one = questionSource();
    one.replace("- вариант 3.1\n", "");
    QTest::addRow("one option") << one << "q.ctl.quest:14: question 3: 1 options, 2 to 8 allowed";
    QByteArray none = questionSource();
    none.replace("+ вариант 1.2\n", "- вариант 1.2\n");
    QTest::addRow("no right option") << none << "q.ctl.quest:3: question 1: no right option";
    QByteArray symbol = questionSource();
    symbol.replace("вариант 1.2", "вариант ≥ 1.2");
    QTest::addRow("not Windows-1251") << symbol << "q.ctl.quest:5: question 1:";
}

void PciContentBuildTest::faultyQuestionSources()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, error);
    const Built<QByteArray> key = KeyedQuestionSource::buildKey(source, QStringLiteral("q.ctl.quest"));
    QVERIFY(!key.ok());
    QVERIFY(key.value.isEmpty());
    QVERIFY2(key.report.firstError().startsWith(error), qPrintable(key.report.firstError()));
}

void PciContentBuildTest::buildWritesTheQuestionFolder()
{
    QTemporaryDir content;
    QTemporaryDir package;
    write(content.filePath(QStringLiteral("pci/bus.ctl.quest")), questionSource());
    const SourceReport report = ContentBuilder::run(content.path(), package.path(), {}, nullptr);
    QVERIFY2(report.ok(), qPrintable(report.firstError()));
    QCOMPARE(read(package.filePath(QStringLiteral("pci/bus.ctl"))).size(), 27);
    QVERIFY(QFile::exists(package.filePath(QStringLiteral("pci/question/contr27.txt"))));
    QVERIFY(QFile::exists(package.filePath(QStringLiteral("pci/question/var27.txt"))));
    QVERIFY(!QFile::exists(package.filePath(QStringLiteral("pci/bus.ctl.quest"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(package.path());
    const QByteArray key = ControlQuiz::readKey();
    QDir::setCurrent(previous);
    QCOMPARE(int(key.at(0)), 2);
}

void PciContentBuildTest::buildRefusesAnUndrawableAnswer()
{
    QTemporaryDir content;
    QTemporaryDir package;
    const QByteArray good = "709666666\n666666666\n425344444\n444444444\n444444444\n"
                            "444444444\n444444444\n444444444\n444444444\n444444444\n";
    write(content.filePath(QStringLiteral("pci/lesson/answer1.txt")), good);
    QByteArray bad = good;
    bad.replace("425344444", "555344444"); // FRAME# low before the lesson starts: not drawable
    write(content.filePath(QStringLiteral("pci/lesson/answer2.txt")), bad);
    ContentBuilder::Summary summary;
    const SourceReport report = ContentBuilder::run(content.path(), package.path(), {}, &summary);
    QCOMPARE(report.errors.size(), 1);
    QVERIFY2(report.errors.first().text().contains(QStringLiteral("answer2.txt:3: такой строки линии не нарисовать")),
             qPrintable(report.errors.first().text()));
    QCOMPARE(summary.failed, 1);
    QVERIFY(QFile::exists(package.filePath(QStringLiteral("pci/lesson/answer1.txt"))));
    QVERIFY(!QFile::exists(package.filePath(QStringLiteral("pci/lesson/answer2.txt"))));
}

QTEST_MAIN(PciContentBuildTest)
#include "tst_pcicontentbuild.moc"
