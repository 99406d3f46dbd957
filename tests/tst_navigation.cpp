#include "shell/startup.h"
#include "shell/windowset.h"

#include "shell/shellactions.h"
#include "shell/tfinterface.h"
#include "shell/tfpracticum.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// The window graph: every entry goes where it should, every close returns,
// windows keep their state between visits, the main window ends the program.
class NavigationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void entries_data();
    void entries();
    void closing_data();
    void closing();
    void closeRefusedWithoutCloseBox_data();
    void closeRefusedWithoutCloseBox();
    void showingShownWindowKeepsIt();
    void statesKeptBetweenVisits();
    void practicumClosePicture();
    void practicumClosePictureReleasedOutside();
    void draggingMainWindow();
    void draggingPracticum();
    void mainWindowClosingEndsProgram();

private:
    static QStringList visibleWindows();
    static void showOnly(QWidget *window);
    std::unique_ptr<TestUtil::ModalAnswerer> m_answerer;
};

void NavigationTest::initTestCase()
{
    ShellActions::setRecorder([](const QString &, const QString &) {});
    // trainer windows of other subsystems may open dialogs on their first showing
    m_answerer = std::make_unique<TestUtil::ModalAnswerer>();
    createWindowSet();
}

void NavigationTest::init()
{
    for (QWidget *window : standingWindows())
        window->hide();
}

QStringList NavigationTest::visibleWindows()
{
    QStringList names;
    for (QWidget *window : standingWindows()) {
        if (window->isVisible())
            names.append(window->objectName());
    }
    return names;
}

void NavigationTest::showOnly(QWidget *window)
{
    for (QWidget *other : standingWindows())
        other->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void NavigationTest::entries_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("to");
    QTest::addRow("FInterface Далее") << "FInterface"
                                      << "ButtonNext"
                                      << "FSoderg";
    QTest::addRow("FSoderg programme") << "FSoderg"
                                       << "Label11"
                                       << "FPrandmet";
    QTest::addRow("FSoderg textbook") << "FSoderg"
                                      << "Label1"
                                      << "FPosobie";
    QTest::addRow("FSoderg practicum") << "FSoderg"
                                       << "Label2"
                                       << "FLabprakt";
    QTest::addRow("FSoderg exam") << "FSoderg"
                                  << "Label4"
                                  << "FExamQuest";
    QTest::addRow("FPosobie lecture") << "FPosobie"
                                      << "Label4"
                                      << "FLection";
    QTest::addRow("FLabprakt instructions") << "FLabprakt"
                                            << "Label16"
                                            << "FUkazaniya";
    QTest::addRow("FLabprakt selector") << "FLabprakt"
                                        << "Label1"
                                        << "FPracticum";
    QTest::addRow("FPracticum PCI") << "FPracticum"
                                    << "ButtonPCI"
                                    << "Pciform";
    QTest::addRow("FPracticum ISA") << "FPracticum"
                                    << "ButtonISA"
                                    << "ISAForm";
    QTest::addRow("FPracticum SCSI") << "FPracticum"
                                     << "ButtonSCSI"
                                     << "Main_form";
    QTest::addRow("FPracticum USB") << "FPracticum"
                                    << "ButtonUSB"
                                    << "Main_formusb";
}

void NavigationTest::entries()
{
    QFETCH(QString, from);
    QFETCH(QString, control);
    QFETCH(QString, to);
    QWidget *menu = TestUtil::topLevel(from);
    showOnly(menu);
    QWidget *entry = TestUtil::child<QWidget>(menu, control);
    if (auto *button = qobject_cast<QAbstractButton *>(entry))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    // The menu is hidden before the next window is shown, so once that one is up the menu's state is final.
    QTRY_VERIFY2(visibleWindows().contains(to), qPrintable(visibleWindows().join(' ')));
    QVERIFY2(!menu->isVisible(), "the menu holding the entry is hidden");
}

void NavigationTest::closing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("FSoderg") << "FSoderg" << QStringList{"FInterface"};
    QTest::addRow("FPrandmet") << "FPrandmet" << QStringList{"FSoderg"};
    QTest::addRow("FPosobie") << "FPosobie" << QStringList{"FSoderg"};
    QTest::addRow("FLabprakt") << "FLabprakt" << QStringList{"FSoderg"};
    QTest::addRow("FUkazaniya") << "FUkazaniya" << QStringList{"FLabprakt"};
    QTest::addRow("FPracticum") << "FPracticum" << QStringList{"FLabprakt"};
    QTest::addRow("FExamQuest") << "FExamQuest" << QStringList{"FSoderg"};
    QTest::addRow("ISAForm") << "ISAForm" << QStringList{"FPracticum"};
    QTest::addRow("Pciform") << "Pciform" << QStringList{"FPracticum"};
    // closing the lecture leaves it as its exit picture does
    QTest::addRow("FLection") << "FLection" << QStringList{"FPosobie"};
}

void NavigationTest::closeRefusedWithoutCloseBox_data()
{
    QTest::addColumn<QString>("window");
    // windows without a close box are left only through their buttons
    for (const char *name : {"CyclesForm", "ATCyclesForm", "InteractForm", "KontrQForm", "VvedenieForm"})
        QTest::addRow("%s", name) << QString::fromLatin1(name);
}

void NavigationTest::closeRefusedWithoutCloseBox()
{
    QFETCH(QString, window);
    QWidget *closing = TestUtil::topLevel(window);
    showOnly(closing);
    QVERIFY(!closing->close());
    QVERIFY(closing->isVisible());
    QCOMPARE(visibleWindows(), QStringList{window});
}

void NavigationTest::closing()
{
    QFETCH(QString, window);
    QFETCH(QStringList, shown);
    QWidget *closing = TestUtil::topLevel(window);
    showOnly(closing);
    QVERIFY(closing->close());
    QVERIFY(!closing->isVisible());
    QCOMPARE(visibleWindows(), shown);
    // closing never destroys a standing window
    QCOMPARE(TestUtil::topLevel(window), closing);
}

void NavigationTest::showingShownWindowKeepsIt()
{
    QWidget *soderg = TestUtil::topLevel("FSoderg");
    showOnly(soderg);
    const QPoint where = soderg->pos();
    QWidget *interface = TestUtil::topLevel("FInterface");
    interface->show();
    // FExamQuest closing shows FSoderg, which is already shown
    QWidget *exam = TestUtil::topLevel("FExamQuest");
    exam->show();
    exam->close();
    QVERIFY(soderg->isVisible());
    QCOMPARE(soderg->pos(), where);
    QCOMPARE(visibleWindows(), (QStringList{"FInterface", "FSoderg"}));
}

void NavigationTest::statesKeptBetweenVisits()
{
    QWidget *exam = TestUtil::topLevel("FExamQuest");
    auto *memo = TestUtil::child<QPlainTextEdit>(exam, "QuestMemo");
    QStringList many;
    for (int i = 1; i <= 200; ++i)
        many.append(QStringLiteral("Вопрос %1").arg(i));
    memo->setPlainText(many.join('\n'));

    QWidget *soderg = TestUtil::topLevel("FSoderg");
    showOnly(soderg);
    auto *entry = TestUtil::child<QLabel>(soderg, "Label4");
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    QVERIFY(exam->isVisible());
    memo->verticalScrollBar()->setValue(120);
    exam->close();
    QVERIFY(soderg->isVisible());
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    QVERIFY(exam->isVisible());
    QCOMPARE(memo->verticalScrollBar()->value(), 120);
}

void NavigationTest::practicumClosePicture()
{
    QWidget *practicum = TestUtil::topLevel("FPracticum");
    showOnly(practicum);
    QWidget *exit = TestUtil::child<QWidget>(practicum, "ExitButton");
    QCOMPARE(exit->geometry(), QRect(218, 4, 28, 28));
    const QPoint at(230, 16);
    QTest::mousePress(practicum, Qt::LeftButton, {}, at);
    QVERIFY2(exit->isHidden(), "hidden while the button is held");
    TestUtil::saveScreenshot(practicum, "FPracticum-closing");
    QVERIFY(practicum->isVisible());
    QTest::mouseRelease(practicum, Qt::LeftButton, {}, at);
    QVERIFY(!exit->isHidden());
    QVERIFY(!practicum->isVisible());
    QCOMPARE(visibleWindows(), QStringList{"FLabprakt"});
}

void NavigationTest::practicumClosePictureReleasedOutside()
{
    QWidget *practicum = TestUtil::topLevel("FPracticum");
    showOnly(practicum);
    QWidget *exit = TestUtil::child<QWidget>(practicum, "ExitButton");
    QTest::mousePress(practicum, Qt::LeftButton, {}, QPoint(230, 16));
    QVERIFY(exit->isHidden());
    QTest::mouseRelease(practicum, Qt::LeftButton, {}, QPoint(150, 120));
    QVERIFY(!exit->isHidden());
    QVERIFY2(practicum->isVisible(), "a release outside the picture is no click");
}

void NavigationTest::draggingMainWindow()
{
    auto *main = static_cast<TFInterface *>(TestUtil::topLevel("FInterface"));
    showOnly(main);
    QVERIFY(!main->drag().isDragging());
    main->move(100, 80);
    QTest::mousePress(main, Qt::LeftButton, {}, QPoint(50, 40));
    QVERIFY(main->drag().isDragging());
    QCOMPARE(main->drag().start(), QPoint(50, 40));
    QTest::mouseMove(main, QPoint(60, 35));
    QCOMPARE(main->pos(), QPoint(110, 75));
    QTest::mouseRelease(main, Qt::LeftButton, {}, QPoint(60, 35));
    QVERIFY(!main->drag().isDragging());
    QCOMPARE(main->pos(), QPoint(110, 75));
}

void NavigationTest::draggingPracticum()
{
    auto *practicum = static_cast<TFPracticum *>(TestUtil::topLevel("FPracticum"));
    showOnly(practicum);
    QWidget *title = TestUtil::child<QWidget>(practicum, "FormBrowser");
    practicum->move(200, 150);
    QTest::mousePress(practicum, Qt::LeftButton, {}, QPoint(100, 20));
    QVERIFY2(title->isHidden(), "the title picture is hidden while the button is held");
    TestUtil::saveScreenshot(practicum, "FPracticum-dragging");
    QVERIFY(practicum->drag().isDragging());
    QTest::mouseMove(practicum, QPoint(90, 30));
    QCOMPARE(practicum->pos(), QPoint(190, 160));
    QTest::mouseRelease(practicum, Qt::LeftButton, {}, QPoint(90, 30));
    QVERIFY(!title->isHidden());
    QVERIFY(!practicum->drag().isDragging());
    QVERIFY(practicum->isVisible());
}

void NavigationTest::mainWindowClosingEndsProgram()
{
    QWidget *main = TestUtil::topLevel("FInterface");
    showOnly(main);
    TestUtil::topLevel("FSoderg")->show();
    TestUtil::topLevel("FPracticum")->show();
    auto *exit = TestUtil::child<QAbstractButton>(main, "Button1");
    QTimer::singleShot(0, exit, [exit] { exit->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!main->isVisible());
    // ending the program runs no return-on-close handler of the other windows
    QVERIFY(TestUtil::topLevel("FSoderg")->isVisible());
    QVERIFY(TestUtil::topLevel("FPracticum")->isVisible());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
