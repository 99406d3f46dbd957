// The ISA control-question window and its result window.
#include "platform/random.h"
#include "tst_isawindows.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using TestUtil::child;

namespace {

QString shownButtons()
{
    QString shown;
    for (QRadioButton *radio : KontrQForm->RadioButton)
        shown += radio->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
    return shown;
}

// Selects an option (1..6, 0 for none) and presses "&Готово", answering the feedback box.
QString answerWith(int button)
{
    if (button > 0)
        QTest::mouseClick(KontrQForm->RadioButton[button - 1], Qt::LeftButton, {},
                          QPoint(6, KontrQForm->RadioButton[button - 1]->height() / 2));
    TestUtil::ModalAnswerer answerer;
    KontrQForm->BitBtn1->click();
    return answerer.texts().value(0);
}

int rightButton()
{
    return IsaQuestionBank::rightButton(KontrQForm->questions().questionNo(), KontrQForm->questions().variant());
}

} // namespace

class TestIsaQuestions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Random::seed(9);
        m_windows = std::make_unique<IsaWindows>();
        ISAForm->show();
        ISAForm->N8->trigger();
    }

    void cleanup() { m_windows.reset(); }

    void startingTheTest()
    {
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(KontrQForm->isVisible());
        QCOMPARE(KontrQForm->windowTitle(), QStringLiteral("Контрольные вопросы"));
        QCOMPARE(KontrQForm->Label1->text(), QStringLiteral("Вопрос 1"));
        QCOMPARE(KontrQForm->Label7->text(), IsaQuestionBank::text(1, KontrQForm->questions().variant()));
        QCOMPARE(shownButtons(), QStringLiteral("001100"));
        QCOMPARE(KontrQForm->Label5->text(), QStringLiteral("0"));
        QCOMPARE(KontrQForm->Label6->text(), QStringLiteral("0"));
        QVERIFY(KontrQForm->BitBtn1->isEnabled());
        QVERIFY(!KontrQForm->BitBtn2->isEnabled());
        QCOMPARE(child<QLabel>(KontrQForm, "Label4")->text(), QStringLiteral("РЕЗУЛЬТАТЫ:"));
    }

    void buttonsShownPerQuestion()
    {
        const QString expected[] = {"001100", "101010", "111110", "111111", "111111"};
        for (int question = 1; question <= 5; ++question) {
            QCOMPARE(KontrQForm->Label1->text(), QStringLiteral("Вопрос %1").arg(question));
            QCOMPARE(shownButtons(), expected[question - 1]);
            const int variant = KontrQForm->questions().variant();
            for (int b = 1; b <= 6; ++b) {
                if (KontrQForm->RadioButton[b - 1]->isVisible())
                    QCOMPARE(KontrQForm->RadioButton[b - 1]->text(), IsaQuestionBank::option(question, variant, b));
                QVERIFY(!KontrQForm->RadioButton[b - 1]->isChecked());
            }
            answerWith(0);
        }
    }

    void allRight()
    {
        for (int question = 1; question <= 5; ++question)
            QCOMPARE(answerWith(rightButton()), QStringLiteral("ответ верный"));
        QCOMPARE(KontrQForm->Label5->text(), QStringLiteral("5"));
        QCOMPARE(KontrQForm->Label6->text(), QStringLiteral("5"));
        QVERIFY(ResultForm->isVisible());
        QCOMPARE(ResultForm->windowTitle(), QStringLiteral("Ваш результат:"));
        QCOMPARE(ResultForm->Label4->text(), QStringLiteral("5"));
        QCOMPARE(ResultForm->Label5->text(), QStringLiteral("5"));
        QCOMPARE(ResultForm->Label6->text(), QStringLiteral("5"));
        QVERIFY(!KontrQForm->BitBtn1->isEnabled());
        QVERIFY(!KontrQForm->BitBtn2->isEnabled());
        for (QRadioButton *radio : KontrQForm->RadioButton)
            QVERIFY(!radio->isEnabled() && !radio->isChecked());
        ResultForm->BitBtn1->click();
        QVERIFY(!ResultForm->isVisible());
        QVERIFY(KontrQForm->BitBtn2->isEnabled());
        QVERIFY(!KontrQForm->BitBtn1->isEnabled());
        KontrQForm->BitBtn2->click();
        QVERIFY(!KontrQForm->isVisible());
        QVERIFY(ISAForm->isVisible());
    }

    void noneRightAndNoSelection()
    {
        QCOMPARE(answerWith(0), QStringLiteral("ответ неправильный"));
        for (int question = 2; question <= 5; ++question) {
            const int wrong = IsaQuestionBank::buttons(question).first() == rightButton()
                                  ? IsaQuestionBank::buttons(question).last()
                                  : IsaQuestionBank::buttons(question).first();
            QCOMPARE(answerWith(wrong), QStringLiteral("ответ неправильный"));
        }
        QCOMPARE(ResultForm->Label4->text(), QStringLiteral("5"));
        QCOMPARE(ResultForm->Label5->text(), QStringLiteral("0"));
        QCOMPARE(ResultForm->Label6->text(), QStringLiteral("0"));
    }

    void resultWindowCloseCountsAsOk()
    {
        for (int question = 1; question <= 5; ++question)
            answerWith(0);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(ResultForm, &escape);
        QVERIFY(ResultForm->isVisible());
        QVERIFY(!KontrQForm->BitBtn2->isEnabled());
        ResultForm->close();
        QVERIFY(!ResultForm->isVisible());
        QVERIFY(KontrQForm->BitBtn2->isEnabled());
    }

    void leftOnlyThroughItsButtons()
    {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(KontrQForm, &escape);
        QVERIFY(!KontrQForm->close());
        QVERIFY(KontrQForm->isVisible());
    }

    void enterPressesReady()
    {
        KontrQForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(KontrQForm));
        TestUtil::ModalAnswerer answerer;
        QTest::keyClick(KontrQForm, Qt::Key_Return);
        QTRY_COMPARE(answerer.texts().size(), 1);
        QCOMPARE(KontrQForm->Label5->text(), QStringLiteral("1"));
    }

    void restartResetsTheCounters()
    {
        answerWith(rightButton());
        KontrQForm->hide();
        ISAForm->N8->trigger();
        QCOMPARE(KontrQForm->Label1->text(), QStringLiteral("Вопрос 1"));
        QCOMPARE(KontrQForm->Label5->text(), QStringLiteral("0"));
        QCOMPARE(KontrQForm->questions().answered(), 0);
    }

    void screenshots()
    {
        answerWith(0);
        answerWith(0);
        answerWith(0);
        TestUtil::saveScreenshot(KontrQForm, QStringLiteral("KontrQForm"));
        answerWith(0);
        answerWith(0);
        TestUtil::saveScreenshot(ResultForm, QStringLiteral("ResultForm"));
    }

private:
    std::unique_ptr<IsaWindows> m_windows;
};

QTEST_MAIN(TestIsaQuestions)
#include "tst_isaquestions.moc"
