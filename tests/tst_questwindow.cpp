#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/random.h"
#include "scsi/optionbutton.h"
#include "scsi/studentrecord.h"
#include "scsi/tquest_form.h"
#include "testutil.h"
#include "usb/tquest_formusb.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

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
    void init() { Random::seed(2); }
    void controls();
    void answeringAllFive();
    void noChoiceIsWrong();
    void closeAfterTwoAnswers();
    void keysAnswerOnlyAChosenOption_data();
    void keysAnswerOnlyAChosenOption();
    void longOptionsWrap();
    void shippedQuestionsReadWhole_data();
    void shippedQuestionsReadWhole();
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

void QuestWindowTest::keysAnswerOnlyAChosenOption_data()
{
    QTest::addColumn<bool>("usb");
    QTest::addRow("Quest_form") << false;
    QTest::addRow("Quest_formusb") << true;
}

void QuestWindowTest::keysAnswerOnlyAChosenOption()
{
    QFETCH(bool, usb);
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(usb ? QStringLiteral("usb/quest/usb.txt") : QStringLiteral("scsi/quest/scsi.txt"),
                       fiveQuestions());
    StudentRecord record;
    TestUtil::ModalAnswerer answerer;
    {
        std::unique_ptr<QDialog> form;
        if (usb)
            form = std::make_unique<TQuest_formusb>(record);
        else
            form = std::make_unique<TQuest_form>(record);
        auto *next = TestUtil::child<QPushButton>(form.get(), "b_next");
        auto *asked = TestUtil::child<QLineEdit>(form.get(), "all_e");
        QString failure;
        auto expect = [&failure](bool condition, const char *what) {
            if (!condition && failure.isEmpty())
                failure = QString::fromLatin1(what);
        };
        QTimer::singleShot(0, form.get(), [&] {
            expect(!next->isDefault(), "b_next is no default button");
            // Escape, Enter on the window, on an unchosen option and on the button: nothing is counted.
            QTest::keyClick(form.get(), Qt::Key_Escape);
            expect(form->isVisible(), "Escape leaves the test open");
            QTest::keyClick(form.get(), Qt::Key_Return);
            QRadioButton *first = options(*form).first();
            first->setFocus();
            QTest::keyClick(first, Qt::Key_Enter, Qt::KeypadModifier);
            next->setFocus();
            QTest::keyClick(next, Qt::Key_Return);
            expect(asked->text() == QLatin1String("0"), "Enter without a choice answers nothing");
            expect(answerer.count() == 0, "no verdict without a choice");
            // Enter with an option chosen answers.
            first->click();
            first->setFocus();
            QTest::keyClick(first, Qt::Key_Return);
            expect(asked->text() == QLatin1String("1"), "Enter answers the chosen option");
            expect(answerer.count() == 1, "one verdict");
            QTest::keyClick(form.get(), Qt::Key_Escape);
            expect(form->isVisible(), "Escape leaves the test open after an answer");
            form->done(QDialog::Accepted);
        });
        form->exec();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    QCOMPARE(record.value(StudentRecord::QuestionsAsked), 5);
    QCOMPARE(record.value(StudentRecord::QuestionsRight), 0);
}

namespace {

struct Block {
    QString question;
    QStringList options;
};

// The question blocks of a question file (line 1 the count, blocks ended by an empty line).
QList<Block> blocks(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = Cp1251::decode(file.readAll()).split(QStringLiteral("\r\n"));
    QList<Block> result;
    Block block;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            if (!block.question.isEmpty())
                result.append(block);
            block = Block();
        } else if (block.question.isEmpty()) {
            block.question = lines[i];
        } else {
            block.options.append(lines[i]);
        }
    }
    return result;
}

QString fileOf(const QList<Block> &five)
{
    QStringList lines{QString::number(five.size())};
    for (const Block &block : five)
        lines << block.question << block.options << QString();
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The SCSI test drawn from a file of the given five questions, shown.
std::unique_ptr<TQuest_form> openOn(const QList<Block> &five, StudentRecord &record)
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), fileOf(five));
    auto form = std::make_unique<TQuest_form>(record);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("the question window was not shown");
    return form;
}

// Every option and the question are laid out whole inside the window.
QString clipping(QDialog &form)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto *question = TestUtil::child<QLabel>(&form, "l_quest");
    if (question->height() < question->heightForWidth(question->width()))
        return QStringLiteral("question cut: ") + question->text();
    auto *group = TestUtil::child<QGroupBox>(&form, "rg_ans");
    if (!form.rect().contains(group->geometry()))
        return QStringLiteral("options run out of the window");
    QRect previous;
    for (QRadioButton *radio : options(form)) {
        auto *option = qobject_cast<OptionButton *>(radio);
        if (!option)
            return QStringLiteral("an option that cannot wrap");
        const QString text = option->text();
        if (!option->isVisible() || option->height() < option->heightForWidth(option->width()))
            return QStringLiteral("option cut: ") + text;
        if (!option->rect().contains(option->textRect()))
            return QStringLiteral("caption runs out of its option: ") + text;
        if (!group->contentsRect().contains(option->geometry()))
            return QStringLiteral("option out of its group: ") + text;
        if (previous.intersects(option->geometry()))
            return QStringLiteral("options overlap: ") + text;
        previous = option->geometry();
    }
    return {};
}

} // namespace

void QuestWindowTest::longOptionsWrap()
{
    const QString longOption =
        QStringLiteral("Шина соединяет до восьми устройств, включая хост-адаптер, а широкая шина — до шестнадцати "
                       "устройств, и каждое из них имеет свой идентификатор на шине данных");
    QList<Block> five;
    for (int q = 1; q <= 5; ++q)
        five.append({QStringLiteral("Вопрос %1?").arg(q), {QStringLiteral("Коротко"), longOption, longOption}});
    StudentRecord record;
    const std::unique_ptr<TQuest_form> test = openOn(five, record);
    TQuest_form &form = *test;
    const QString cut = clipping(form);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    QRadioButton *wrapped = options(form).at(1);
    QVERIFY2(wrapped->height() >= 2 * wrapped->fontMetrics().height(), "a long option takes several lines");
    QCOMPARE(form.size(), QSize(560, 430));
    TestUtil::saveScreenshot(&form, QStringLiteral("quest_form_long_options"));
    // A click on the caption chooses the option.
    QTest::mouseClick(wrapped, Qt::LeftButton, {}, QPoint(wrapped->width() / 2, wrapped->height() - 4));
    QVERIFY(wrapped->isChecked());
}

void QuestWindowTest::shippedQuestionsReadWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("scsi") << QStringLiteral("scsi/quest/scsi.txt");
    QTest::addRow("usb") << QStringLiteral("usb/quest/usb.txt");
}

// Lays out every shipped question, five at a time, at the window's normal size.
void QuestWindowTest::shippedQuestionsReadWhole()
{
    QFETCH(QString, file);
    const QList<Block> shipped = blocks(TestUtil::packageFolder() + QLatin1Char('/') + file);
    QVERIFY2(shipped.size() >= 5, qPrintable(file));
    TestUtil::ModalAnswerer answerer;
    for (qsizetype first = 0; first < shipped.size(); first += 5) {
        QList<Block> five = shipped.mid(first, 5);
        for (qsizetype i = 0; five.size() < 5; ++i)
            five.append(shipped[i]);
        StudentRecord record;
        const std::unique_ptr<TQuest_form> test = openOn(five, record);
        TQuest_form &form = *test;
        for (int q = 0; q < 5; ++q) {
            QCOMPARE(TestUtil::child<QLabel>(&form, "l_quest")->text(), five[q].question);
            QCOMPARE(options(form).size(), five[q].options.size());
            const QString cut = clipping(form);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("question %1: ").arg(first + q + 1) + cut));
            QVERIFY(form.height() <= 1.5 * 430);
            TestUtil::child<QPushButton>(&form, "b_next")->click();
        }
    }
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
