#include "shell/startup.h"
#include "shell/windowset.h"

#include "platform/programlauncher.h"
#include "shell/clickablelabel.h"
#include "shell/shellactions.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// The menus: captions, label styles, and what their document entries ask for.
class MenusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void captions_data();
    void captions();
    void labelStyles_data();
    void labelStyles();
    void textbookInScreenOrder();
    void buttonsLaidOut_data();
    void buttonsLaidOut();
    void documents_data();
    void documents();
    void sameDocumentTwiceOpensTwice();
    void glossary();
    void timerProgram();
    void adapterFolder();
    void hoverMovesFromLabelToLabel();
    void headingHasNoHover();
    void tabReachesEveryEntry_data();
    void tabReachesEveryEntry();
    void arrowsMoveTheFocus();
    void enterAndSpaceActivate_data();
    void enterAndSpaceActivate();
    void enterGoesToTheNextWindow();
    void heldKeyOpensOnce();
    void escapeClosesAsTheCloseBox_data();
    void escapeClosesAsTheCloseBox();
    void mainWindowKeys();
    void focusMarkIsVisible_data();
    void focusMarkIsVisible();
    void screenshots();

private:
    void showOnly(QWidget *window);
    void showActive(QWidget *window);
    void click(QWidget *menu, const QString &control);

    QList<QPair<QString, QString>> m_requests;
};

void MenusTest::initTestCase()
{
    ShellActions::setRecorder([this](const QString &request, const QString &argument) {
        m_requests.append({request, argument});
    });
    createWindowSet();
}

void MenusTest::cleanupTestCase()
{
    ShellActions::setRecorder({});
}

void MenusTest::init()
{
    m_requests.clear();
}

void MenusTest::showOnly(QWidget *window)
{
    for (QWidget *other : standingWindows())
        other->hide();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void MenusTest::showActive(QWidget *window)
{
    // Hiding and showing the active window again would leave no window active.
    for (QWidget *other : standingWindows()) {
        if (other != window)
            other->hide();
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

void MenusTest::click(QWidget *menu, const QString &control)
{
    QWidget *entry = TestUtil::child<QWidget>(menu, control);
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
}

void MenusTest::captions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    auto row = [](const char *window, const char *control, const QString &caption) {
        QTest::addRow("%s %s", window, control)
            << QString::fromLatin1(window) << QString::fromLatin1(control) << caption;
    };
    row("FInterface", "ButtonNext", "Далее >");
    row("FInterface", "Button1", "Выход");
    row("FSoderg", "Label11", "Программа и методика изучения курса");
    row("FSoderg", "Label1", "Учебное пособие");
    row("FSoderg", "Label2", "Лабораторный практикум");
    row("FSoderg", "Label3", "Глоссарий");
    row("FSoderg", "Label4", "Экзаменационные вопросы");
    row("FPrandmet", "Label16", "1. Аннотация к учебному курсу");
    row("FPrandmet", "Label1", "2. Методические указания к изучению учебного курса");
    row("FPrandmet", "Label2", "3. Программа курса");
    row("FPrandmet", "Label3", "4. Теоретический материал");
    row("FPrandmet", "Label4", "5. Практический раздел");
    row("FPrandmet", "Label5", "6. Индивидуальные задания");
    row("FPrandmet", "Label6", "7. Примеры выполненных работ");
    row("FPrandmet", "Label7", "8. Контрольные вопросы");
    row("FPrandmet", "Label8", "9. Список литературы");
    row("FPrandmet", "Label9", "10. Справочник");
    row("FPosobie", "Label4", "Вводная лекция");
    row("FPosobie", "Label16", "Введение");
    row("FPosobie", "Label17", "Глава 1. Основные принципы построения систем ввода-вывода и интерфейсов");
    row("FPosobie", "Label18", "1.1. Роль и место систем ввода-вывода и интерфейсов в компьютере");
    row("FPosobie", "Label19", "1.2. Основные принципы организации передачи информации в вычислительных системах");
    row("FPosobie", "Label20", "1.3. Шиноведение");
    row("FPosobie", "Label21", "1.4. Системные интерфейсы и шины расширения");
    row("FPosobie", "Label22", "1.5. Интерфейсы периферийных устройств");
    row("FPosobie", "Label23", "1.6. Структура систем ввода-вывода");
    row("FPosobie", "Label24", "1.7. Основные функции и принципы построения интерфейсов");
    row("FPosobie", "Label25", "1.8. Протоколы передачи данных в компьютерных интерфейсах");
    row("FPosobie", "Label26", "Глава 2. Шины расширения");
    row("FPosobie", "Label27", "2.1. Шина ISA");
    row("FPosobie", "Label28", "2.2. Шина PCI");
    row("FPosobie", "Label29", "2.3. Шины 3GIO и Hyper Transport");
    row("FPosobie", "Label30", "Глава 3. Интерфейсы периферийных устройств");
    row("FPosobie", "Label31", "3.1. Параллельный интерфейс: LPT-порт");
    row("FPosobie", "Label32", "3.2. Последовательные интерфейсы: COM-порт");
    row("FPosobie", "Label33", "3.3. Интерфейс SCSI");
    row("FPosobie", "Label34", "3.4. Интерфейс USB");
    row("FPosobie", "Label2", "Глава 4. Схема для построения интерфейсов");
    row("FPosobie", "Label7", "4.1. Таймер");
    row("FLabprakt", "Label16", "1. Методические указания");
    row("FLabprakt", "Label1", "2. Выполнение лабораторной работы");
    row("FUkazaniya", "LPCI", "Шина PCI:");
    row("FUkazaniya", "Label2", "Шина ISA:");
    row("FUkazaniya", "LTimer", "Таймер:");
    row("FUkazaniya", "LAdapter", "Адаптер ВВ55А:");
    row("FPracticum", "ButtonPCI", "Шина PCI");
    row("FPracticum", "ButtonISA", "Шина ISA");
    row("FPracticum", "ButtonTimer", "Таймер");
    row("FPracticum", "ButtonSCSI", "Шина SCSI");
    row("FPracticum", "ButtonUSB", "Шина USB");
    row("FPracticum", "ButtonAdapter", "Адаптер BB55A");
    row("FExamQuest", "Label1", "Список зкзаменационных вопросов:");
}

void MenusTest::captions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QWidget *menu = TestUtil::topLevel(window);
    showOnly(menu);
    QWidget *entry = TestUtil::child<QWidget>(menu, control);
    if (auto *label = qobject_cast<QLabel *>(entry)) {
        QCOMPARE(label->text(), caption);
        // the whole caption fits in the label and the label in the window
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(caption));
    } else {
        QCOMPARE(qobject_cast<QAbstractButton *>(entry)->text(), caption);
    }
    QVERIFY2(menu->rect().contains(entry->geometry()), qPrintable(control));
}

void MenusTest::labelStyles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("entry");
    QTest::addRow("FSoderg Label3") << "FSoderg"
                                    << "Label3" << true;
    QTest::addRow("FPrandmet Label9") << "FPrandmet"
                                      << "Label9" << true;
    QTest::addRow("FPosobie Label4") << "FPosobie"
                                     << "Label4" << true;
    QTest::addRow("FPosobie Label17") << "FPosobie"
                                      << "Label17" << false;
    QTest::addRow("FPosobie Label26") << "FPosobie"
                                      << "Label26" << false;
    QTest::addRow("FPosobie Label30") << "FPosobie"
                                      << "Label30" << false;
    QTest::addRow("FPosobie Label2") << "FPosobie"
                                     << "Label2" << false;
    QTest::addRow("FPosobie Label7") << "FPosobie"
                                     << "Label7" << true;
    QTest::addRow("FLabprakt Label1") << "FLabprakt"
                                      << "Label1" << true;
}

void MenusTest::labelStyles()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, entry);
    auto *label = TestUtil::child<ClickableLabel>(TestUtil::topLevel(window), control);
    QCOMPARE(label->isEntry(), entry);
    QVERIFY(label->font().bold());
    QVERIFY(!label->font().underline());
    QCOMPARE(label->cursor().shape(), entry ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MenusTest::textbookInScreenOrder()
{
    const QStringList order = {"Label4",  "Label16", "Label17", "Label18", "Label19", "Label20", "Label21", "Label22",
                               "Label23", "Label24", "Label25", "Label26", "Label27", "Label28", "Label29", "Label30",
                               "Label31", "Label32", "Label33", "Label34", "Label2",  "Label7"};
    QWidget *textbook = TestUtil::topLevel("FPosobie");
    showOnly(textbook);
    int previousBottom = -1;
    for (const QString &name : order) {
        QWidget *label = TestUtil::child<QWidget>(textbook, name);
        QVERIFY2(label->y() > previousBottom, qPrintable(name));
        previousBottom = label->geometry().bottom();
    }
}

void MenusTest::buttonsLaidOut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::addRow("ButtonNext") << "FInterface"
                                << "ButtonNext" << QRect(248, 320, 105, 25);
    QTest::addRow("Button1") << "FInterface"
                             << "Button1" << QRect(248, 360, 105, 25);
    QTest::addRow("ImageForm") << "FInterface"
                               << "ImageForm" << QRect(0, 0, 600, 400);
    QTest::addRow("ExitButton") << "FPracticum"
                                << "ExitButton" << QRect(218, 4, 28, 28);
}

void MenusTest::buttonsLaidOut()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QWidget *widget = TestUtil::child<QWidget>(TestUtil::topLevel(window), control);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().pixelSize(), 16);
    }
}

void MenusTest::documents_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("document");
    auto row = [](const char *window, const char *control, const char *document) {
        QTest::addRow("%s %s", window, control)
            << QString::fromLatin1(window) << QString::fromLatin1(control) << QString::fromLatin1(document);
    };
    row("FPrandmet", "Label16", "book\\annot.chm");
    row("FPrandmet", "Label1", "book\\metuk.chm");
    row("FPrandmet", "Label2", "book\\prog.chm");
    row("FPrandmet", "Label3", "book\\teor.chm");
    row("FPrandmet", "Label4", "book\\prakt.chm");
    row("FPrandmet", "Label5", "book\\indiv.chm");
    row("FPrandmet", "Label6", "book\\prim.chm");
    row("FPrandmet", "Label7", "book\\vopr.chm");
    row("FPrandmet", "Label8", "book\\liter.chm");
    row("FPrandmet", "Label9", "book\\sprav.chm");
    row("FPosobie", "Label16", "book\\vvedenie.chm");
    row("FPosobie", "Label18", "book\\1-1.chm");
    row("FPosobie", "Label19", "book\\1-2.chm");
    row("FPosobie", "Label20", "book\\1-3.chm");
    row("FPosobie", "Label21", "book\\1-4.chm");
    row("FPosobie", "Label22", "book\\1-5.chm");
    row("FPosobie", "Label23", "book\\1-6.chm");
    row("FPosobie", "Label24", "book\\1-7.chm");
    row("FPosobie", "Label25", "book\\protokoly.chm");
    row("FPosobie", "Label27", "book\\ISA.chm");
    row("FPosobie", "Label28", "book\\PCI.chm");
    row("FPosobie", "Label29", "book\\shiny.chm");
    row("FPosobie", "Label31", "book\\lpt.chm");
    row("FPosobie", "Label32", "book\\com.chm");
    row("FPosobie", "Label33", "book\\vved.hlp");
    row("FPosobie", "Label34", "book\\USB.chm");
    row("FPosobie", "Label7", "book\\timer.chm");
    row("FUkazaniya", "SpeedButton2", "1.chm");
    row("FUkazaniya", "SpeedButton1", "2.chm");
    row("FUkazaniya", "SpeedButton3", "3.chm");
    row("FUkazaniya", "SpeedButton4", "4.chm");
    // headings do nothing
    row("FPosobie", "Label17", "");
    row("FPosobie", "Label26", "");
    row("FPosobie", "Label30", "");
    row("FPosobie", "Label2", "");
}

void MenusTest::documents()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, document);
    QWidget *menu = TestUtil::topLevel(window);
    showOnly(menu);
    click(menu, control);
    if (document.isEmpty())
        QVERIFY(m_requests.isEmpty());
    else
        QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"openDocument", document}}));
    QVERIFY2(menu->isVisible(), "the menu stays shown");
    QCOMPARE(menu->isVisible(), true);
}

void MenusTest::sameDocumentTwiceOpensTwice()
{
    QWidget *menu = TestUtil::topLevel("FPrandmet");
    showOnly(menu);
    click(menu, "Label16");
    click(menu, "Label16");
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"openDocument", "book\\annot.chm"},
                                                         {"openDocument", "book\\annot.chm"}}));
}

void MenusTest::glossary()
{
    QWidget *menu = TestUtil::topLevel("FSoderg");
    showOnly(menu);
    click(menu, "Label3");
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"showGlossary", ""}}));
    QVERIFY(menu->isVisible());
}

void MenusTest::timerProgram()
{
    QWidget *menu = TestUtil::topLevel("FPracticum");
    showOnly(menu);
    QTest::mouseClick(TestUtil::child<QAbstractButton>(menu, "ButtonTimer"), Qt::LeftButton);
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"runTimerProgram", ProgramLauncher::timerProgramPath()}}));
    QVERIFY(menu->isVisible());
}

void MenusTest::adapterFolder()
{
    QWidget *menu = TestUtil::topLevel("FPracticum");
    showOnly(menu);
    QTest::mouseClick(TestUtil::child<QAbstractButton>(menu, "ButtonAdapter"), Qt::LeftButton);
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"exploreAdapterFolder", ""}}));
    QVERIFY(menu->isVisible());
}

void MenusTest::hoverMovesFromLabelToLabel()
{
    QWidget *menu = TestUtil::topLevel("FSoderg");
    showOnly(menu);
    auto *first = TestUtil::child<ClickableLabel>(menu, "Label1");
    auto *second = TestUtil::child<ClickableLabel>(menu, "Label2");
    QTest::mouseMove(first, first->rect().center());
    QTRY_VERIFY(first->font().underline());
    QVERIFY(first->font().bold());
    QTest::mouseMove(second, second->rect().center());
    QTRY_VERIFY(second->font().underline());
    QVERIFY(second->font().bold());
    QVERIFY2(!first->font().underline(), "the first label is bold only");
    QVERIFY(first->font().bold());
    // off the labels
    QTest::mouseMove(menu, QPoint(menu->width() - 2, menu->height() - 2));
    QTRY_VERIFY(!second->font().underline());
    QVERIFY(second->font().bold());
}

void MenusTest::headingHasNoHover()
{
    QWidget *menu = TestUtil::topLevel("FPosobie");
    showOnly(menu);
    auto *heading = TestUtil::child<ClickableLabel>(menu, "Label17");
    auto *entry = TestUtil::child<ClickableLabel>(menu, "Label18");
    QTest::mouseMove(entry, entry->rect().center());
    QTRY_VERIFY(entry->font().underline());
    // The move that takes the pointer off the entry is the one that brings it onto the heading.
    QTest::mouseMove(heading, heading->rect().center());
    QTRY_VERIFY(!entry->font().underline());
    QVERIFY(!heading->font().underline());
    QVERIFY(heading->font().bold());
}

void MenusTest::screenshots()
{
    for (const char *name :
         {"FInterface", "FSoderg", "FPrandmet", "FPosobie", "FLabprakt", "FUkazaniya", "FPracticum", "FExamQuest"}) {
        QWidget *window = TestUtil::topLevel(QString::fromLatin1(name));
        showOnly(window);
        TestUtil::saveScreenshot(window, QString::fromLatin1(name));
    }
}

namespace {

QStringList entryNames(QWidget *window)
{
    QStringList names;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        auto *label = qobject_cast<ClickableLabel *>(widget);
        if ((label && label->isEntry()) || qobject_cast<QAbstractButton *>(widget))
            names << widget->objectName();
    }
    names.sort();
    return names;
}

// The image with the given widget focused; with null, focus on no entry.
QImage grabFocused(QWidget *window, QWidget *focused, const QRect &area)
{
    if (focused)
        focused->setFocus(Qt::TabFocusReason);
    else if (window->focusWidget())
        window->focusWidget()->clearFocus();
    return window->grab(area).toImage();
}

} // namespace

void MenusTest::tabReachesEveryEntry_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"FInterface", "FSoderg", "FPrandmet", "FPosobie", "FLabprakt", "FUkazaniya", "FPracticum"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MenusTest::tabReachesEveryEntry()
{
    QFETCH(QString, window);
    QWidget *menu = TestUtil::topLevel(window);
    showActive(menu);
    const QStringList expected = entryNames(menu);
    QVERIFY(!expected.isEmpty());
    QStringList reached;
    for (int i = 0; i < 2 * expected.size(); ++i) {
        QWidget *focused = menu->focusWidget();
        QVERIFY2(focused, "an entry has the focus");
        if (!reached.contains(focused->objectName()))
            reached << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    reached.sort();
    QCOMPARE(reached, expected);
}

void MenusTest::arrowsMoveTheFocus()
{
    QWidget *menu = TestUtil::topLevel("FSoderg");
    showActive(menu);
    auto *first = TestUtil::child<QWidget>(menu, "Label11");
    auto *second = TestUtil::child<QWidget>(menu, "Label1");
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(menu->focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Up);
    QCOMPARE(menu->focusWidget(), first);
    // The textbook's headings take no focus.
    QWidget *textbook = TestUtil::topLevel("FPosobie");
    showActive(textbook);
    auto *before = TestUtil::child<QWidget>(textbook, "Label16");
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Down);
    QCOMPARE(textbook->focusWidget(), TestUtil::child<QWidget>(textbook, "Label18"));
}

void MenusTest::enterAndSpaceActivate_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("argument");
    QTest::addRow("glossary, Enter") << "FSoderg"
                                     << "Label3" << int(Qt::Key_Return) << "showGlossary"
                                     << "";
    QTest::addRow("glossary, Space") << "FSoderg"
                                     << "Label3" << int(Qt::Key_Space) << "showGlossary"
                                     << "";
    QTest::addRow("programme, keypad Enter") << "FPrandmet"
                                             << "Label9" << int(Qt::Key_Enter) << "openDocument"
                                             << "book\\sprav.chm";
    QTest::addRow("textbook, Enter") << "FPosobie"
                                     << "Label7" << int(Qt::Key_Return) << "openDocument"
                                     << "book\\timer.chm";
    QTest::addRow("instructions, Enter") << "FUkazaniya"
                                         << "SpeedButton2" << int(Qt::Key_Return) << "openDocument"
                                         << "1.chm";
    QTest::addRow("instructions, Space") << "FUkazaniya"
                                         << "SpeedButton4" << int(Qt::Key_Space) << "openDocument"
                                         << "4.chm";
    QTest::addRow("timer, Enter") << "FPracticum"
                                  << "ButtonTimer" << int(Qt::Key_Return) << "runTimerProgram"
                                  << ProgramLauncher::timerProgramPath();
    QTest::addRow("adapter, Space") << "FPracticum"
                                    << "ButtonAdapter" << int(Qt::Key_Space) << "exploreAdapterFolder"
                                    << "";
}

void MenusTest::enterAndSpaceActivate()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, request);
    QFETCH(QString, argument);
    QWidget *menu = TestUtil::topLevel(window);
    showActive(menu);
    QWidget *entry = TestUtil::child<QWidget>(menu, control);
    entry->setFocus(Qt::TabFocusReason);
    QTest::keyClick(entry, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{request, argument}}));
    QVERIFY(menu->isVisible());
}

void MenusTest::enterGoesToTheNextWindow()
{
    QWidget *menu = TestUtil::topLevel("FSoderg");
    showActive(menu);
    auto *entry = TestUtil::child<QWidget>(menu, "Label1");
    entry->setFocus(Qt::TabFocusReason);
    QTest::keyClick(entry, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QVERIFY(TestUtil::topLevel("FPosobie")->isVisible());
}

void MenusTest::heldKeyOpensOnce()
{
    QWidget *menu = TestUtil::topLevel("FPrandmet");
    showOnly(menu);
    for (const char *name : {"Label16", "Label1"}) {
        QWidget *entry = TestUtil::child<QWidget>(menu, QString::fromLatin1(name));
        entry->setFocus(Qt::TabFocusReason);
        for (bool repeated : {false, true, true}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeated);
            QApplication::sendEvent(entry, &press);
        }
    }
    QCOMPARE(m_requests, (QList<QPair<QString, QString>>{{"openDocument", "book\\annot.chm"},
                                                         {"openDocument", "book\\metuk.chm"}}));
}

void MenusTest::escapeClosesAsTheCloseBox_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("returnWindow");
    QTest::newRow("FSoderg") << "FSoderg"
                             << "FInterface";
    QTest::newRow("FPrandmet") << "FPrandmet"
                               << "FSoderg";
    QTest::newRow("FPosobie") << "FPosobie"
                              << "FSoderg";
    QTest::newRow("FLabprakt") << "FLabprakt"
                               << "FSoderg";
    QTest::newRow("FUkazaniya") << "FUkazaniya"
                                << "FLabprakt";
    QTest::newRow("FPracticum") << "FPracticum"
                                << "FLabprakt";
    QTest::newRow("FExamQuest") << "FExamQuest"
                                << "FSoderg";
}

void MenusTest::escapeClosesAsTheCloseBox()
{
    QFETCH(QString, window);
    QFETCH(QString, returnWindow);
    QWidget *menu = TestUtil::topLevel(window);
    showActive(menu);
    QWidget *focused = menu->focusWidget() ? menu->focusWidget() : menu;
    QTest::keyClick(focused, Qt::Key_Escape);
    QVERIFY(!menu->isVisible());
    QVERIFY(TestUtil::topLevel(returnWindow)->isVisible());
    QVERIFY(m_requests.isEmpty());
}

void MenusTest::mainWindowKeys()
{
    QWidget *main = TestUtil::topLevel("FInterface");
    showActive(main);
    auto *next = TestUtil::child<QPushButton>(main, "ButtonNext");
    QVERIFY(next->isDefault());
    QVERIFY(!TestUtil::child<QPushButton>(main, "Button1")->isDefault());
    QTest::keyClick(main->focusWidget() ? main->focusWidget() : main, Qt::Key_Escape);
    QVERIFY(main->isVisible());
    // Enter anywhere but on "Выход" presses "Далее >".
    next->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main, Qt::Key_Return);
    QVERIFY(!main->isVisible());
    QVERIFY(TestUtil::topLevel("FSoderg")->isVisible());
}

void MenusTest::focusMarkIsVisible_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("other");
    QTest::newRow("main window") << "FInterface"
                                 << "ButtonNext"
                                 << "Button1";
    QTest::newRow("contents") << "FSoderg"
                              << "Label2"
                              << "Label3";
    QTest::newRow("lab selector") << "FPracticum"
                                  << "ButtonISA"
                                  << "ButtonPCI";
}

// The focused entry looks different enough from itself unfocused to be seen:
// some of its pixels (or those just around it) change by a strong contrast.
void MenusTest::focusMarkIsVisible()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, other);
    QWidget *menu = TestUtil::topLevel(window);
    showActive(menu);
    QWidget *entry = TestUtil::child<QWidget>(menu, control);
    const QRect area = entry->geometry().adjusted(-3, -3, 3, 3) & menu->rect();
    const QImage focused = grabFocused(menu, entry, area);
    QVERIFY(entry->hasFocus());
    const QImage unfocused = grabFocused(menu, TestUtil::child<QWidget>(menu, other), area);
    QCOMPARE(focused.size(), unfocused.size());
    int strong = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            const QColor a = focused.pixelColor(x, y);
            const QColor b = unfocused.pixelColor(x, y);
            if (qAbs(a.lightness() - b.lightness()) >= 60)
                ++strong;
        }
    }
    TestUtil::saveScreenshot(menu, window + QStringLiteral("_focus"));
    QVERIFY2(strong >= 40, qPrintable(QStringLiteral("%1 strongly changed pixels").arg(strong)));
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
