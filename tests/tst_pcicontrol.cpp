#include "pci/controlquiz.h"
#include "pci/tcontrolques.h"
#include "platform/contenterror.h"
#include "platform/random.h"
#include "testutil.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

namespace {

// Question q has 2 + q % 3 variants; the right one is variant 1 + q % 2.
int variantCount(int q)
{
    return 2 + q % 3;
}

int rightVariant(int q)
{
    return 1 + q % 2;
}

QByteArray key()
{
    QByteArray bytes;
    for (int q = 1; q <= 27; ++q)
        bytes.append(char(rightVariant(q)));
    return bytes;
}

void writeQuestions(const TestUtil::WorkingFolder &folder, const QByteArray &keyBytes = key())
{
    folder.write(QStringLiteral("pci/bus.ctl"), keyBytes);
    for (int q = 1; q <= 27; ++q) {
        folder.writeCp1251(QStringLiteral("pci/question/contr%1.txt").arg(q),
                           QStringLiteral("Вопрос %1:\r\nкакая линия?\r\n").arg(q));
        QStringList variants;
        for (int v = 1; v <= variantCount(q); ++v)
            variants << QStringLiteral("вариант %1.%2").arg(q).arg(v);
        folder.writeCp1251(QStringLiteral("pci/question/var%1.txt").arg(q), variants.join(QStringLiteral("\r\n")));
    }
}

QList<QRadioButton *> variants(TControlQues &window)
{
    return TestUtil::child<QGroupBox>(&window, QStringLiteral("RadioGroup1"))->findChildren<QRadioButton *>();
}

// Answers the current question right or wrong and presses "Ответ готов".
void answer(TControlQues &window, bool right)
{
    const int q = window.quiz().question();
    const QList<QRadioButton *> buttons = variants(window);
    const int index = right ? rightVariant(q) - 1 : (rightVariant(q) == 1 ? 1 : 0);
    buttons.at(index)->click();
    TestUtil::child<QPushButton>(&window, QStringLiteral("BitBtn1"))->click();
}

} // namespace

class PciControlTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(5); }
    void fiveDifferentQuestions();
    void keyCheck_data();
    void keyCheck();
    void keyFile_data();
    void keyFile();
    void windowAndQuestions();
    void allRightAndAllWrong_data();
    void allRightAndAllWrong();
    void exitBeforeTheEndShowsNoResult();
    void escapeDoesNotAbandonTheTest();
    void missingQuestionDoesNotOpen();
};

void PciControlTest::fiveDifferentQuestions()
{
    ControlQuiz quiz(key());
    QSet<int> everAsked;
    for (int run = 0; run < 500; ++run) {
        quiz.draw();
        QSet<int> numbers;
        for (const int q : quiz.chosen()) {
            QVERIFY(q >= 1 && q <= 27);
            numbers.insert(q);
        }
        QCOMPARE(numbers.size(), 5);
        everAsked.unite(numbers);
        QCOMPARE(quiz.currentQuestion(), 0);
    }
    QCOMPARE(everAsked.size(), 27);
}

void PciControlTest::keyCheck_data()
{
    QTest::addColumn<int>("keyByte");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("right");
    QTest::addRow("first variant") << 1 << 0 << true;
    QTest::addRow("third variant") << 3 << 2 << true;
    QTest::addRow("another variant") << 3 << 1 << false;
    QTest::addRow("no choice") << 1 << -1 << false;
    QTest::addRow("key byte 0") << 0 << -1 << false;
    QTest::addRow("key byte 0, first chosen") << 0 << 0 << false;
    QTest::addRow("key byte 255") << 255 << 254 << true; // the window never offers that many
}

void PciControlTest::keyCheck()
{
    QFETCH(int, keyByte);
    QFETCH(int, choice);
    QFETCH(bool, right);
    ControlQuiz quiz(QByteArray(27, char(keyByte)));
    quiz.draw();
    QVERIFY(quiz.advance());
    QCOMPARE(quiz.answer(choice), right);
    QCOMPARE(quiz.correctAnswers(), right ? 1 : 0);
}

void PciControlTest::keyFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing") << QByteArray() << false << "Cannot open file pci\\bus.ctl";
    QTest::addRow("empty") << QByteArray() << true
                           << "Файл pci\\bus.ctl: ключ ответов: байтов 0, нужно 27 (по одному на вопрос)";
    QTest::addRow("26 bytes") << QByteArray(26, '\1') << true
                              << "Файл pci\\bus.ctl: ключ ответов: байтов 26, нужно 27 (по одному на вопрос)";
    QTest::addRow("28 bytes") << QByteArray(28, '\2') << true << "";
}

void PciControlTest::keyFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, write);
    QFETCH(QString, message);
    TestUtil::WorkingFolder folder;
    if (write)
        folder.write(QStringLiteral("pci/bus.ctl"), bytes);
    try {
        const QByteArray read = ControlQuiz::readKey();
        QVERIFY(message.isEmpty());
        QCOMPARE(read, QByteArray(27, '\2'));
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), message);
    }
}

void PciControlTest::windowAndQuestions()
{
    TestUtil::WorkingFolder folder;
    writeQuestions(folder);
    TControlQues window;
    window.show();
    QCOMPARE(window.objectName(), QStringLiteral("ControlQues"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Контрольные вопросы"));
    QCOMPARE(TestUtil::child<QLabel>(&window, "Label1")->text(), QStringLiteral("Вопрос № 1"));
    QCOMPARE(TestUtil::child<QGroupBox>(&window, "GroupBox1")->title(), QStringLiteral("Текст вопроса"));
    QCOMPARE(TestUtil::child<QGroupBox>(&window, "RadioGroup1")->title(), QStringLiteral("Варианты ответов"));
    QCOMPARE(TestUtil::child<QPushButton>(&window, "BitBtn1")->text(), QStringLiteral("&Ответ готов"));
    QCOMPARE(TestUtil::child<QPushButton>(&window, "CloseBt")->text(), QStringLiteral("&Выход"));
    auto *memo = TestUtil::child<QPlainTextEdit>(&window, "Memo1");
    QVERIFY(memo->isReadOnly());
    const int q = window.quiz().question();
    QCOMPARE(q, window.quiz().chosen()[0]);
    QCOMPARE(memo->toPlainText(), QStringLiteral("Вопрос %1:\nкакая линия?").arg(q));
    const QList<QRadioButton *> buttons = variants(window);
    QCOMPARE(buttons.size(), variantCount(q));
    QCOMPARE(buttons.at(0)->text(), QStringLiteral("вариант %1.1").arg(q));
    QVERIFY(buttons.at(0)->isChecked());
    for (QRadioButton *b : buttons)
        QVERIFY(b->isVisible());
    TestUtil::saveScreenshot(&window, QStringLiteral("pci_controlques"));
    TestUtil::ModalAnswerer answerer;
    answer(window, true);
    QCOMPARE(answerer.texts(), QStringList{"Ответ верный"});
    QCOMPARE(answerer.captions(), QStringList{"Результат проверки"});
    QCOMPARE(TestUtil::child<QLabel>(&window, "Label1")->text(), QStringLiteral("Вопрос № 2"));
    const int q2 = window.quiz().question();
    QCOMPARE(variants(window).size(), variantCount(q2));
    QVERIFY(variants(window).at(0)->isChecked());
    QVERIFY(variants(window).at(1)->isVisible());
    answer(window, false);
    QCOMPARE(answerer.texts().last(), QStringLiteral("Ответ неверный"));
    QCOMPARE(answerer.icons(), (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Critical}));
}

void PciControlTest::allRightAndAllWrong_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("final");
    QTest::addRow("all right") << true << "Правильных ответов 5 из 5";
    QTest::addRow("none right") << false << "Правильных ответов 0 из 5";
}

void PciControlTest::allRightAndAllWrong()
{
    QFETCH(bool, right);
    QFETCH(QString, final);
    TestUtil::WorkingFolder folder;
    writeQuestions(folder);
    TestUtil::ModalAnswerer answerer;
    TControlQues window;
    QTimer::singleShot(0, &window, [&window, right] {
        for (int i = 0; i < 5; ++i)
            answer(window, right);
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(answerer.count(), 6);
    QCOMPARE(answerer.texts().last(), final);
    QCOMPARE(answerer.captions().last(), QStringLiteral("Урок закончен"));
    QCOMPARE(answerer.icons().last(), QMessageBox::Information);
}

void PciControlTest::exitBeforeTheEndShowsNoResult()
{
    TestUtil::WorkingFolder folder;
    writeQuestions(folder);
    TestUtil::ModalAnswerer answerer;
    TControlQues window;
    QTimer::singleShot(0, &window, [&window] {
        answer(window, true);
        answer(window, true);
        TestUtil::child<QPushButton>(&window, QStringLiteral("CloseBt"))->click();
    });
    window.exec();
    QCOMPARE(answerer.texts(), (QStringList{"Ответ верный", "Ответ верный"}));
    QCOMPARE(window.quiz().correctAnswers(), 2);
}

void PciControlTest::escapeDoesNotAbandonTheTest()
{
    TestUtil::WorkingFolder folder;
    writeQuestions(folder);
    TControlQues window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(window.isVisible());
    QCOMPARE(window.quiz().currentQuestion(), 1);
}

void PciControlTest::missingQuestionDoesNotOpen()
{
    TestUtil::WorkingFolder folder;
    writeQuestions(folder);
    for (int q = 1; q <= 27; ++q)
        QFile::remove(folder.path() + QStringLiteral("/pci/question/var%1.txt").arg(q));
    try {
        TControlQues window;
        QFAIL("opened without its variants");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Cannot open file pci\\question\\var")),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(PciControlTest)
#include "tst_pcicontrol.moc"
