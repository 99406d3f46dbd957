#include "shell/startup.h"
#include "shell/windowset.h"

#include "platform/contenterror.h"
#include "platform/guard.h"
#include "testutil.h"
#include "viewers/tfexamquest.h"

#include <QCloseEvent>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

// Handlers run under the guard: a fault in course content shows the default
// error box and abandons the rest of the handler; the program goes on.
class HandlerGuardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileAbandonsHandler();
    void handlerRunningToItsEnd();
    void connectedHandler();
    void anyExceptionIsCaught_data();
    void anyExceptionIsCaught();
    void handlerOfABaseClass();
    void closeGoesOnWhenTheHandlerFails();
    void creationHandlerOfStandingWindow();
};

void HandlerGuardTest::missingFileAbandonsHandler()
{
    TestUtil::ModalAnswerer answerer;
    QStringList steps;
    const bool finished = Guard::run(nullptr, [&] {
        steps.append("before");
        throw ContentError::missingFile(QStringLiteral("isa\\discr\\none.txt"));
        steps.append("after");
    });
    QVERIFY(!finished);
    QCOMPARE(steps, QStringList{"before"});
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Cannot open file isa\\discr\\none.txt")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
}

void HandlerGuardTest::handlerRunningToItsEnd()
{
    TestUtil::ModalAnswerer answerer;
    int steps = 0;
    QVERIFY(Guard::run(nullptr, [&] { ++steps; }));
    QCOMPARE(steps, 1);
    QCOMPARE(answerer.count(), 0);
}

void HandlerGuardTest::connectedHandler()
{
    // a window handler connected through the guard; the second click runs again
    class Window : public QWidget {
    public:
        Window()
        {
            button = new QPushButton(this);
            Guard::connect(button, &QPushButton::clicked, this, &Window::ButtonClick);
        }
        void ButtonClick()
        {
            ++started;
            throw ContentError::missingFile(QStringLiteral("pci\\none.txt"));
        }
        QPushButton *button;
        int started = 0;
    } window;
    TestUtil::ModalAnswerer answerer;
    window.button->click();
    window.button->click();
    QCOMPARE(window.started, 2);
    QCOMPARE(answerer.texts(), (QStringList{QStringLiteral("Cannot open file pci\\none.txt"),
                                            QStringLiteral("Cannot open file pci\\none.txt")}));
}

void HandlerGuardTest::anyExceptionIsCaught_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addRow("standard exception") << 0 << "vector";
    QTest::addRow("a number") << 1 << "Внутренняя ошибка программы: действие прервано, работа продолжается.";
    QTest::addRow("a string") << 2 << "Внутренняя ошибка программы: действие прервано, работа продолжается.";
}

void HandlerGuardTest::anyExceptionIsCaught()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    TestUtil::ModalAnswerer answerer;
    bool after = false;
    const bool finished = Guard::run(nullptr, [&] {
        if (kind == 0)
            throw std::out_of_range("vector");
        if (kind == 1)
            throw 42;
        throw "text";
        after = true;
    });
    QVERIFY(!finished);
    QVERIFY(!after);
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("ErrorBox")});
}

void HandlerGuardTest::handlerOfABaseClass()
{
    // a window connects a handler its base class declares, without naming the base
    class Base : public QWidget {
    public:
        void BaseClick()
        {
            ++clicks;
            throw ContentError::missingFile(QStringLiteral("usb\\none.txt"));
        }
        int clicks = 0;
    };
    class Window : public Base {
    public:
        Window()
        {
            button = new QPushButton(this);
            Guard::connect(button, &QPushButton::clicked, this, &Base::BaseClick);
        }
        QPushButton *button;
    } window;
    TestUtil::ModalAnswerer answerer;
    window.button->click();
    QCOMPARE(window.clicks, 1);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Cannot open file usb\\none.txt")});
}

void HandlerGuardTest::closeGoesOnWhenTheHandlerFails()
{
    class Window : public QWidget {
    public:
        void FormClose()
        {
            ++closes;
            throw ContentError::missingFile(QStringLiteral("scsi\\none.txt"));
        }
        int closes = 0;

    protected:
        void closeEvent(QCloseEvent *event) override { Guard::close(event, this, &Window::FormClose); }
    } window;
    window.show();
    TestUtil::ModalAnswerer answerer;
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.closes, 1);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Cannot open file scsi\\none.txt")});
}

void HandlerGuardTest::creationHandlerOfStandingWindow()
{
    // start-up goes on when a creation handler fails
    TestUtil::WorkingFolder folder;
    QDir(folder.path()).mkpath("exam/exam.txt");
    TestUtil::ModalAnswerer answerer;
    QWidget *main = createWindowSet();
    QVERIFY(main);
    QCOMPARE(standingWindows().size(), 31);
    QCOMPARE(answerer.texts().filter("exam"), QStringList{QStringLiteral("Файл exam\\exam.txt: это папка, а не файл")});
    auto *memo = TestUtil::child<QPlainTextEdit>(static_cast<QWidget *>(FExamQuest), "QuestMemo");
    QCOMPARE(memo->toPlainText(), QString());
}

QTEST_MAIN(HandlerGuardTest)
#include "tst_handlerguard.moc"
