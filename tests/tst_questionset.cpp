#include "platform/contenterror.h"
#include "platform/random.h"
#include "scsi/questionset.h"
#include "testutil.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>

namespace {

const QString kFile = QStringLiteral("scsi\\quest\\scsi.txt");

// A question file: the count line, then one block per entry of optionCounts.
QString questionText(int count, const QList<int> &optionCounts, bool finalBlank = true)
{
    QStringList lines{QString::number(count)};
    for (int q = 1; q <= optionCounts.size(); ++q) {
        lines << QStringLiteral("Вопрос %1").arg(q);
        for (int i = 0; i < optionCounts[q - 1]; ++i)
            lines << QStringLiteral("Вариант %1.%2").arg(q).arg(i + 1);
        if (finalBlank || q < optionCounts.size())
            lines << QString();
    }
    return lines.join(QStringLiteral("\r\n")) + (finalBlank ? QStringLiteral("\r\n") : QString());
}

QList<int> uniform(int count, int options)
{
    return QList<int>(count, options);
}

} // namespace

class QuestionSetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(1); }
    void answerKey_data();
    void answerKey();
    void keyOfLoadedQuestion();
    void fiveOfFiveInFileOrder();
    void drawIsDistinctAndSorted_data();
    void drawIsDistinctAndSorted();
    void drawReachesEveryQuestion();
    void largeFileWorks();
    void lastBlockWithoutBlankLine();
    void faultsNameTheFile_data();
    void faultsNameTheFile();
    void missingFile();
    void answering();
    void shippedFiles_data();
    void shippedFiles();
};

void QuestionSetTest::answerKey_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("key");
    QTest::addRow("question 7 of 4 options") << 7 << 4 << 3;
    QTest::addRow("question 8 of 4 options") << 8 << 4 << 0;
    QTest::addRow("question 10 of 5 options") << 10 << 5 << 0;
    QTest::addRow("question 1 of 1 option") << 1 << 1 << 0;
    QTest::addRow("question 3 of 2 options") << 3 << 2 << 1;
    QTest::addRow("question 99 of 20 options") << 99 << 20 << 19;
}

void QuestionSetTest::answerKey()
{
    QFETCH(int, number);
    QFETCH(int, options);
    QFETCH(int, key);
    QCOMPARE(QuestionSet::keyFor(number, options), key);
}

void QuestionSetTest::keyOfLoadedQuestion()
{
    // Ten questions, question 7 with 4 options and question 10 with 5.
    QList<int> counts = uniform(10, 3);
    counts[6] = 4;
    counts[9] = 5;
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), questionText(10, counts));
    bool seen7 = false;
    bool seen10 = false;
    for (unsigned seed = 1; seed < 60 && !(seen7 && seen10); ++seed) {
        Random::seed(seed);
        QuestionSet set;
        set.load(kFile);
        for (const QuestionSet::Question &question : set.questions()) {
            QCOMPARE(question.text, QStringLiteral("Вопрос %1").arg(question.number));
            QCOMPARE(question.options.size(), counts[question.number - 1]);
            QCOMPARE(question.key, question.number % int(question.options.size()));
            if (question.number == 7) {
                QCOMPARE(question.key, 3);
                seen7 = true;
            }
            if (question.number == 10) {
                QCOMPARE(question.key, 0);
                seen10 = true;
            }
        }
    }
    QVERIFY(seen7 && seen10);
}

void QuestionSetTest::fiveOfFiveInFileOrder()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), questionText(5, {2, 3, 4, 5, 6}));
    for (unsigned seed : {1u, 7u, 42u}) {
        Random::seed(seed);
        QuestionSet set;
        set.load(kFile);
        QCOMPARE(set.questions().size(), 5);
        for (int i = 0; i < 5; ++i) {
            const QuestionSet::Question &question = set.questions()[i];
            QCOMPARE(question.number, i + 1);
            QCOMPARE(question.text, QStringLiteral("Вопрос %1").arg(i + 1));
            QCOMPARE(question.options.size(), i + 2);
            QCOMPARE(question.options.first(), QStringLiteral("Вариант %1.1").arg(i + 1));
            QCOMPARE(question.key, (i + 1) % (i + 2));
        }
    }
}

void QuestionSetTest::drawIsDistinctAndSorted_data()
{
    QTest::addColumn<int>("n");
    QTest::addRow("5") << 5;
    QTest::addRow("6") << 6;
    QTest::addRow("100") << 100;
    QTest::addRow("150") << 150;
    QTest::addRow("1000") << 1000;
}

void QuestionSetTest::drawIsDistinctAndSorted()
{
    QFETCH(int, n);
    for (int round = 0; round < 200; ++round) {
        const QList<int> picked = QuestionSet::drawFive(n);
        QCOMPARE(picked.size(), 5);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(picked[i] >= 1 && picked[i] <= n);
            if (i > 0)
                QVERIFY(picked[i] > picked[i - 1]);
        }
    }
}

void QuestionSetTest::drawReachesEveryQuestion()
{
    QSet<int> seen;
    for (int round = 0; round < 400; ++round) {
        for (int number : QuestionSet::drawFive(150))
            seen.insert(number);
    }
    QCOMPARE(seen.size(), 150);
}

void QuestionSetTest::largeFileWorks()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), questionText(150, uniform(150, 4)));
    bool beyondHundred = false;
    for (unsigned seed = 1; seed < 30; ++seed) {
        Random::seed(seed);
        QuestionSet set;
        set.load(kFile);
        QCOMPARE(set.questions().size(), 5);
        for (const QuestionSet::Question &question : set.questions()) {
            QCOMPARE(question.text, QStringLiteral("Вопрос %1").arg(question.number));
            beyondHundred = beyondHundred || question.number > 100;
        }
    }
    QVERIFY(beyondHundred);
}

void QuestionSetTest::lastBlockWithoutBlankLine()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), questionText(5, uniform(5, 3), false));
    QuestionSet set;
    set.load(kFile);
    QCOMPARE(set.questions().size(), 5);
    QCOMPARE(set.questions().last().options.size(), 3);
}

void QuestionSetTest::faultsNameTheFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault");
    QList<int> many = uniform(6, 3);
    many[3] = 21;
    QList<int> none = uniform(5, 3);
    none[2] = 0;
    QTest::addRow("empty file") << QString() << QStringLiteral("файл пуст");
    QTest::addRow("first line not a number")
        << QStringLiteral("пять\r\n") + questionText(5, uniform(5, 3)).mid(3) << QStringLiteral("не число");
    QTest::addRow("count below five") << questionText(4, uniform(4, 3)) << QStringLiteral("вопросов 4");
    QTest::addRow("blocks end early") << questionText(7, uniform(5, 3)) << QStringLiteral("после 5 вопросов из 7");
    QTest::addRow("21 options") << questionText(6, many) << QStringLiteral("вопроса 4 вариантов ответа 21");
    QTest::addRow("block without options") << questionText(5, none) << QStringLiteral("вопроса 3 нет вариантов");
}

void QuestionSetTest::faultsNameTheFile()
{
    QFETCH(QString, text);
    QFETCH(QString, fault);
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), text);
    QuestionSet set;
    try {
        set.load(kFile);
        QFAIL("the file was accepted");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().contains(kFile), qPrintable(error.message()));
        QVERIFY2(error.message().contains(fault), qPrintable(error.message()));
    }
    QVERIFY(set.questions().isEmpty());
}

void QuestionSetTest::missingFile()
{
    TestUtil::WorkingFolder folder;
    QuestionSet set;
    try {
        set.load(QStringLiteral("usb\\quest\\usb.txt"));
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file usb\\quest\\usb.txt"));
    }
}

void QuestionSetTest::answering()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), questionText(5, uniform(5, 4)));
    QuestionSet set;
    set.load(kFile);
    QCOMPARE(set.asked(), 0);
    QCOMPARE(set.right(), 0);
    QVERIFY(set.answer(1));   // question 1: key 1
    QVERIFY(!set.answer(0));  // question 2: key 2
    QVERIFY(!set.answer(-1)); // no choice is wrong
    QCOMPARE(set.current().number, 4);
    QVERIFY(set.answer(0)); // question 4: key 0
    QVERIFY(set.answer(1)); // question 5: key 1
    QCOMPARE(set.asked(), 5);
    QCOMPARE(set.right(), 3);
    QVERIFY(set.finished());
    QCOMPARE(set.current().number, 5);
    QVERIFY(!set.answer(1));
    QCOMPARE(set.asked(), 5);
}

void QuestionSetTest::shippedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addRow("SCSI") << QStringLiteral("scsi\\quest\\scsi.txt");
    QTest::addRow("USB") << QStringLiteral("usb\\quest\\usb.txt");
}

// Every draw of the package's question files loads: any fault would be reported.
void QuestionSetTest::shippedFiles()
{
    QFETCH(QString, path);
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty() || !QFileInfo::exists(package + QLatin1Char('/') + QString(path).replace('\\', '/')))
        QSKIP("the package content is not built");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(package);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Random::seed(seed);
        QuestionSet set;
        set.load(path);
        QCOMPARE(set.questions().size(), 5);
        for (const QuestionSet::Question &question : set.questions()) {
            QVERIFY(!question.text.isEmpty());
            QVERIFY(question.options.size() >= 2);
        }
    }
    QDir::setCurrent(previous);
}

QTEST_MAIN(QuestionSetTest)
#include "tst_questionset.moc"
