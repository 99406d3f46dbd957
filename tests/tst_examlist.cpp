#include "viewers/tfexamquest.h"

#include "testutil.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

// The exam-question list: "exam\exam.txt" read once when the window is created.
class ExamListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lists_data();
    void lists();
    void missingFile();
    void readOnceAtCreation();
    void unreadableFileShowsErrorBox();
    void layout();
};

void ExamListTest::lists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addRow("empty file") << QByteArray() << QString() << 1;
    QTest::addRow("crlf") << QByteArray("1. ISA\r\n2. PCI\r\n") << QStringLiteral("1. ISA\n2. PCI") << 2;
    QTest::addRow("no final line break") << QByteArray("1. ISA\r\n2. PCI") << QStringLiteral("1. ISA\n2. PCI") << 2;
    QTest::addRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringLiteral("a\n\nb") << 3;
    QTest::addRow("windows-1251") << QByteArray("\xD8\xE8\xED\xE0 USB \xB9 1") << QStringLiteral("Шина USB № 1") << 1;
}

void ExamListTest::lists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, lines);
    TestUtil::WorkingFolder folder;
    folder.write("exam/exam.txt", bytes);
    TFExamQuest window;
    auto *memo = TestUtil::child<QPlainTextEdit>(&window, "QuestMemo");
    QCOMPARE(memo->toPlainText(), text);
    QCOMPARE(memo->document()->blockCount(), lines);
}

void ExamListTest::missingFile()
{
    TestUtil::WorkingFolder folder;
    TFExamQuest window;
    auto *memo = TestUtil::child<QPlainTextEdit>(&window, "QuestMemo");
    QCOMPARE(memo->toPlainText(), QStringLiteral("Файл exam\\exam.txt не найден"));
}

void ExamListTest::readOnceAtCreation()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251("EXAM/Exam.TXT", QStringLiteral("Вопрос 1\r\nВопрос 2\r\n"));
    TFExamQuest window;
    auto *memo = TestUtil::child<QPlainTextEdit>(&window, "QuestMemo");
    QCOMPARE(memo->toPlainText(), QStringLiteral("Вопрос 1\nВопрос 2"));
    folder.writeCp1251("EXAM/Exam.TXT", QStringLiteral("changed\r\n"));
    window.show();
    window.hide();
    window.show();
    QCOMPARE(memo->toPlainText(), QStringLiteral("Вопрос 1\nВопрос 2"));
}

void ExamListTest::unreadableFileShowsErrorBox()
{
    // the file's name is there but it cannot be opened: the default error box,
    // and the rest of the creation handler is abandoned
    TestUtil::WorkingFolder folder;
    QDir(folder.path()).mkpath("exam/exam.txt");
    TestUtil::ModalAnswerer answerer;
    TFExamQuest window;
    QTRY_COMPARE(answerer.count(), 1);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Файл exam\\exam.txt: это папка, а не файл")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(TestUtil::child<QPlainTextEdit>(&window, "QuestMemo")->toPlainText(), QString());
}

void ExamListTest::layout()
{
    TestUtil::WorkingFolder folder;
    TFExamQuest window;
    QCOMPARE(window.size(), QSize(536, 349));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto *memo = TestUtil::child<QPlainTextEdit>(&window, "QuestMemo");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->size(), QSize(535, 306));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(window.rect().contains(memo->geometry()));
}

QTEST_MAIN(ExamListTest)
#include "tst_examlist.moc"
