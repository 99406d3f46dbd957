#include "platform/contenterror.h"
#include "platform/random.h"
#include "scsi/studentrecord.h"
#include "scsi/tquest_form.h"
#include "testutil.h"
#include "usb/tquest_formusb.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Five questions; question q has q + 1 options, so its key is q mod (q + 1) = q.
QString fiveQuestions()
{
    QStringList lines{QStringLiteral("5")};
    for (int q = 1; q <= 5; ++q) {
        lines << QStringLiteral("Что такое вопрос %1?").arg(q);
        for (int i = 0; i <= q; ++i)
            lines << QStringLiteral("Ответ %1.%2").arg(q).arg(i + 1);
        lines << QString();
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QList<QRadioButton *> options(QDialog &form)
{
    return TestUtil::child<QGroupBox>(&form, "rg_ans")->findChildren<QRadioButton *>();
}

// Chooses the right option (index q) or a wrong one (index 0) and presses "OK".
void answer(QDialog &form, int q, bool right)
{
    const QList<QRadioButton *> buttons = options(form);
    QRadioButton *choice = nullptr;
    for (QRadioButton *button : buttons) {
        if (button->text() == QStringLiteral("Ответ %1.%2").arg(q).arg(right ? q + 1 : 1))
            choice = button;
    }
    QVERIFY(choice);
    choice->click();
    TestUtil::child<QPushButton>(&form, "b_next")->click();
}

} // namespace

class QuestWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::setFixedSeed(2); }
    void controls();
    void answeringAllFive();
    void noChoiceIsWrong();
    void closeAfterTwoAnswers();
    void usbTwin();
    void faultyFileDoesNotOpen_data();
    void faultyFileDoesNotOpen();
};

void QuestWindowTest::controls()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fiveQuestions());
    StudentRecord record;
    TQuest_form form(record);
    form.show();
    QCOMPARE(form.objectName(), QStringLiteral("Quest_form"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Вопросы"));
    QCOMPARE(TestUtil::child<QGroupBox>(&form, "GroupBox1")->title(), QStringLiteral("Вопрос :"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "l_quest")->text(), QStringLiteral("Что такое вопрос 1?"));
    QVERIFY(TestUtil::child<QLabel>(&form, "l_quest")->wordWrap());
    QCOMPARE(TestUtil::child<QGroupBox>(&form, "rg_ans")->title(), QStringLiteral("Варианты ответов :"));
    const QList<QRadioButton *> buttons = options(form);
    QCOMPARE(buttons.size(), 2);
    for (QRadioButton *button : buttons)
        QVERIFY(!button->isChecked());
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label1")->text(), QStringLiteral("Кол-во вопросов :"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label2")->text(), QStringLiteral("Правильных ответов :"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "all_e")->text(), QStringLiteral("0"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "right_e")->text(), QStringLiteral("0"));
    QVERIFY(TestUtil::child<QLineEdit>(&form, "all_e")->isReadOnly());
    QVERIFY(TestUtil::child<QLineEdit>(&form, "right_e")->isReadOnly());
    QCOMPARE(TestUtil::child<QPushButton>(&form, "b_next")->text(), QStringLiteral("OK"));
    TestUtil::saveScreenshot(&form, QStringLiteral("quest_form"));
}

void QuestWindowTest::answeringAllFive()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fiveQuestions());
    StudentRecord record;
    TestUtil::ModalAnswerer answerer;
    {
        TQuest_form form(record);
        form.show();
        const bool right[] = {true, false, true, true, false};
        for (int q = 1; q <= 5; ++q) {
            QCOMPARE(TestUtil::child<QLabel>(&form, "l_quest")->text(), QStringLiteral("Что такое вопрос %1?").arg(q));
            QCOMPARE(options(form).size(), q + 1);
            answer(form, q, right[q - 1]);
            QCOMPARE(TestUtil::child<QLineEdit>(&form, "all_e")->text(), QString::number(q));
        }
        QCOMPARE(answerer.texts(), (QStringList{"Ответ верный !", "Ответ неверный. ", "Ответ верный !",
                                                "Ответ верный !", "Ответ неверный. "}));
        QCOMPARE(answerer.icons(),
                 (QList<QMessageBox::Icon>{QMessageBox::Information, QMessageBox::Critical, QMessageBox::Information,
                                           QMessageBox::Information, QMessageBox::Critical}));
        QCOMPARE(TestUtil::child<QLineEdit>(&form, "right_e")->text(), QStringLiteral("3"));
        QCOMPARE(TestUtil::child<QPushButton>(&form, "b_next")->text(), QStringLiteral("Выход"));
        // the last question stays on screen
        QCOMPARE(TestUtil::child<QLabel>(&form, "l_quest")->text(), QStringLiteral("Что такое вопрос 5?"));
        QCOMPARE(options(form).size(), 6);
        TestUtil::saveScreenshot(&form, QStringLiteral("quest_form_done"));
        QCOMPARE(record.value(StudentRecord::QuestionsAsked), 0);
        TestUtil::child<QPushButton>(&form, "b_next")->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(answerer.count(), 5);
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 5);
    QCOMPARE(record.value(StudentRecord::QuestionsRight), 3);
}

void QuestWindowTest::noChoiceIsWrong()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fiveQuestions());
    StudentRecord record;
    TestUtil::ModalAnswerer answerer;
    TQuest_form form(record);
    form.show();
    TestUtil::child<QPushButton>(&form, "b_next")->click();
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Ответ неверный. ")});
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "all_e")->text(), QStringLiteral("1"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "right_e")->text(), QStringLiteral("0"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "l_quest")->text(), QStringLiteral("Что такое вопрос 2?"));
    for (QRadioButton *button : options(form))
        QVERIFY(!button->isChecked());
}

void QuestWindowTest::closeAfterTwoAnswers()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fiveQuestions());
    StudentRecord record;
    record.add(StudentRecord::QuestionsAsked, 10);
    record.add(StudentRecord::QuestionsRight, 4);
    TestUtil::ModalAnswerer answerer;
    {
        TQuest_form form(record);
        QTimer::singleShot(0, &form, [&form] {
            answer(form, 1, true);
            answer(form, 2, true);
            form.close();
        });
        form.exec();
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 15);
    QCOMPARE(record.value(StudentRecord::QuestionsRight), 6);
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
}

void QuestWindowTest::usbTwin()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("usb/quest/usb.txt"), fiveQuestions());
    StudentRecord record;
    {
        TQuest_formusb form(record);
        QCOMPARE(form.objectName(), QStringLiteral("Quest_formusb"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Вопросы"));
        QTimer::singleShot(0, &form, [&form] { form.reject(); });
        form.exec();
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 5);
    QCOMPARE(record.value(StudentRecord::QuestionsRight), 0);
    // the SCSI file is not there
    try {
        TQuest_form form(record);
        QFAIL("opened without its file");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi.txt"));
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 5);
}

void QuestWindowTest::faultyFileDoesNotOpen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("not a number") << QStringLiteral("x\r\nВопрос\r\nОтвет\r\n\r\n");
    QTest::addRow("four questions") << fiveQuestions().replace(0, 1, QStringLiteral("4"));
    QTest::addRow("blocks end early") << fiveQuestions().replace(0, 1, QStringLiteral("6"));
}

void QuestWindowTest::faultyFileDoesNotOpen()
{
    QFETCH(QString, text);
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), text);
    StudentRecord record;
    try {
        TQuest_form form(record);
        QFAIL("opened with a faulty file");
    } catch (const ContentError &error) {
        QVERIFY(error.message().contains(QStringLiteral("scsi\\quest\\scsi.txt")));
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 0);
}

QTEST_MAIN(QuestWindowTest)
#include "tst_questwindow.moc"
