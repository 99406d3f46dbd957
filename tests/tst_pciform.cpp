#include "pci/pcitables.h"
#include "pci/pciwindows.h"
#include "pci/tdevices.h"
#include "pci/tintro.h"
#include "pci/tlesson.h"
#include "pci/tpciform.h"
#include "pci/tpres.h"
#include "platform/contenterror.h"
#include "platform/helpengine.h"
#include "platform/random.h"
#include "testutil.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTime>
#include <QTimer>

namespace {

// A placeable metafile of 200 x 100 pixels holding one rectangle.
QByteArray smallMetafile()
{
    QByteArray bytes;
    const auto word = [&bytes](int value) {
        bytes.append(char(value & 0xFF));
        bytes.append(char((value >> 8) & 0xFF));
    };
    const QList<int> placeable{0xCDD7, 0x9AC6, 0, 0, 0, 200, 100, 96, 0, 0};
    int checksum = 0;
    for (const int w : placeable) {
        word(w);
        checksum ^= w;
    }
    word(checksum);
    const QList<int> header{1, 9, 0x0300, 9 + 7 + 3, 0, 0, 7, 0, 0};
    for (const int w : header)
        word(w);
    for (const int w : {7, 0, 0x041B, 90, 190, 10, 10}) // META_RECTANGLE bottom right top left
        word(w);
    for (const int w : {3, 0, 0}) // META_EOF
        word(w);
    return bytes;
}

void writeTables(const TestUtil::WorkingFolder &folder)
{
    for (int column = 0; column < 3; ++column) {
        QStringList lines{QStringLiteral("Заголовок %1").arg(column)};
        for (int row = 1; row < 32; ++row)
            lines << QStringLiteral("сигнал %1.%2").arg(row).arg(column);
        folder.writeCp1251(QStringLiteral("pci/signals%1.txt").arg(column), lines.join(QStringLiteral("\r\n")));
    }
    for (int column = 0; column < 2; ++column) {
        QStringList lines{QStringLiteral("Код")};
        for (int row = 1; row < 17; ++row)
            lines << QStringLiteral("команда %1.%2").arg(row).arg(column);
        folder.writeCp1251(QStringLiteral("pci/command%1.txt").arg(column), lines.join(QStringLiteral("\r\n")));
    }
    // row 1 has a detail, row 2 none, row 3 one
    folder.writeCp1251(QStringLiteral("pci/signals.fil"), QStringLiteral("\r\nad\r\n\r\nframe\r\n"));
    folder.writeCp1251(QStringLiteral("pci/commands.fil"), QStringLiteral("\r\nintack\r\n"));
    folder.writeCp1251(QStringLiteral("pci/pci_info/ad.txt"), QStringLiteral("Шина адреса и данных."));
    folder.writeCp1251(QStringLiteral("pci/pci_info/frame.txt"), QStringLiteral("Кадр транзакции."));
    folder.writeCp1251(QStringLiteral("pci/pci_info/intack.txt"), QStringLiteral("Подтверждение прерывания."));
    for (const char *name : {"pci", "architec", "signals", "commands", "operatio", "lesson", "control"})
        folder.writeCp1251(QStringLiteral("pci/%1.txt").arg(QLatin1String(name)),
                           QStringLiteral("Введение: %1").arg(QLatin1String(name)));
    for (int tab = 0; tab < 4; ++tab) {
        folder.writeCp1251(QString(TDevices::textPath(tab)).replace(QLatin1Char('\\'), QLatin1Char('/')),
                           QStringLiteral("Страница %1").arg(tab));
        folder.write(QString(TDevices::picturePath(tab)).replace(QLatin1Char('\\'), QLatin1Char('/')), smallMetafile());
    }
}

QTableWidget *grid(TPciform &form)
{
    return TestUtil::child<QTableWidget>(&form, QStringLiteral("StringGrid1"));
}

QString memo(QWidget *window)
{
    return TestUtil::child<QPlainTextEdit>(window, QStringLiteral("Memo1"))->toPlainText();
}

QAction *action(TPciform &form, const QString &name)
{
    return TestUtil::child<QAction>(&form, name);
}

} // namespace

class PciFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void menuItems_data();
    void menuItems();
    void hintsGoToTheStatusLine();
    void speedBar();
    void clockFormat_data();
    void clockFormat();
    void clockAndTimer();
    void helpFileOnShowing();
    void signalTable();
    void commandTable();
    void detailListOutsideTheFolder_data();
    void detailListOutsideTheFolder();
    void missingColumnFile();
    void introTags_data();
    void introTags();
    void operationsOpenTheChosenPage_data();
    void operationsOpenTheChosenPage();
    void lessonWithoutFilesReturns();
    void controlQuestionsPerOpening();
    void colourBand_data();
    void colourBand();
    void aboutWithoutPicture();
    void closingShowsTheReturnWindow();
};

void PciFormTest::initTestCase()
{
    Intro = new TIntro;
    Devices = new TDevices;
    Lesson = new TLesson;
}

void PciFormTest::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");
    QTest::addRow("intro") << "IntroItem"
                           << "&Введение"
                           << "Ctrl+I"
                           << "Вводная информация по шине PCI";
    QTest::addRow("archit") << "ArchitItem"
                            << "&Архитектура шины PCI"
                            << "Ctrl+P"
                            << "Изучение архитектуры и основы построения шины PCI";
    QTest::addRow("signals") << "SignalsItem"
                             << "&Описание сигналов шины"
                             << "Ctrl+S"
                             << "Изучение назначения и функций сигналов на шине PCI";
    QTest::addRow("commands") << "CommandsItem"
                              << "&Команды шины"
                              << "Ctrl+K"
                              << "Изучение команд используемых шиной PCI";
    QTest::addRow("operations") << "OperationsItem"
                                << "&Разновидности операций на шине"
                                << "Ctrl+O"
                                << "Изучение видов возможных операций на шине";
    QTest::addRow("lesson") << "LessonItem"
                            << "&Изучение взаимодействия устройств"
                            << "Ctrl+L"
                            << "Проверка изученного материала";
    QTest::addRow("control") << "ControlItem"
                             << "Кон&трольные вопросы"
                             << "Ctrl+A"
                             << "Проверка знаний ответом на контрольные вопросы";
    QTest::addRow("exit") << "FileExitItem"
                          << "В&ыход"
                          << ""
                          << "Выход из программы";
    QTest::addRow("contents") << "HelpContentsItem"
                              << "&Содержание"
                              << "F1"
                              << "Отобразить экран содержимого справки";
    QTest::addRow("search") << "HelpSearchItem"
                            << "&Искать справку по..."
                            << ""
                            << "Поиск пункта в справке";
    QTest::addRow("how to") << "HelpHowToUseItem"
                            << "&Как пользоваться справкой"
                            << ""
                            << "Помощь в использовании этой справочной системы";
    QTest::addRow("about") << "HelpAboutItem"
                           << "&О программе..."
                           << ""
                           << "Показать информацию о программе";
}

void PciFormTest::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    TPciform form;
    QAction *item = action(form, name);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut().toString(), shortcut);
    QCOMPARE(item->statusTip(), hint);
}

void PciFormTest::hintsGoToTheStatusLine()
{
    TPciform form;
    form.show();
    const QList<QAction *> study = TestUtil::child<QMenu>(&form, "StudyMenu")->actions();
    QCOMPARE(study.size(), 10);
    QVERIFY(study.at(5)->isSeparator());
    QVERIFY(study.at(8)->isSeparator());
    QCOMPARE(TestUtil::child<QMenu>(&form, "StudyMenu")->title(), QStringLiteral("&Изучение"));
    QCOMPARE(TestUtil::child<QMenu>(&form, "HelpMenu")->title(), QStringLiteral("&Справка"));
    QVERIFY(TestUtil::child<QMenu>(&form, "HelpMenu")->actions().at(3)->isSeparator());
    QCOMPARE(form.findChild<QMenuBar *>()->actions().size(), 2);
    auto *status = TestUtil::child<QLabel>(&form, "StatusLine");
    action(form, "CommandsItem")->showStatusText(form.findChild<QMenuBar *>());
    QCOMPARE(status->text(), QStringLiteral("Изучение команд используемых шиной PCI"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(TestUtil::child<QWidget>(&form, "SpeedBar"), &enter);
    QCOMPARE(status->text(), QStringLiteral("Панель инструментов"));
    QApplication::sendEvent(TestUtil::child<QWidget>(&form, "StringGrid1"), &enter);
    QCOMPARE(status->text(), QStringLiteral("Таблица описаний"));
    QApplication::sendEvent(status, &enter);
    QCOMPARE(status->text(), QStringLiteral("Панель состояния"));
    QApplication::sendEvent(TestUtil::child<QWidget>(&form, "SpeedButton3"), &enter);
    QCOMPARE(status->text(), QString());
    QCOMPARE(TestUtil::child<QWidget>(&form, "Panel1")->statusTip(), QStringLiteral("Панель выбора"));
}

void PciFormTest::speedBar()
{
    TPciform form;
    const QStringList tips{"Выход",           "Вызов справки",     "Команды",
                           "Архитектура PCI", "Описание сигналов", "Контрольные вопросы"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(TestUtil::child<QPushButton>(&form, QStringLiteral("SpeedButton%1").arg(i + 1))->toolTip(),
                 tips.at(i));
    // the architecture button opens the architecture text
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QPushButton>(&form, "SpeedButton4")->click();
    QCOMPARE(answerer.modalNames(), QStringList{"Intro"});
    QCOMPARE(Intro->textName(), QStringLiteral("pci\\architec.txt"));
}

void PciFormTest::clockFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::addRow("five past nine") << QTime(9, 5) << "9:05 ";
    QTest::addRow("midnight") << QTime(0, 0, 59) << "0:00 ";
    QTest::addRow("afternoon") << QTime(23, 59) << "23:59 ";
    QTest::addRow("noon") << QTime(12, 30) << "12:30 ";
}

void PciFormTest::clockFormat()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(TPciform::clockText(time), text);
}

void PciFormTest::clockAndTimer()
{
    TPciform form;
    auto *timer = TestUtil::child<QTimer>(&form, "Timer1");
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(timer->isActive());
    auto *clock = TestUtil::child<QLabel>(&form, "Label1");
    QCOMPARE(clock->parentWidget()->objectName(), QStringLiteral("StatusLine"));
    const QString before = TPciform::clockText(QTime::currentTime());
    const QString shown = clock->text();
    QVERIFY(shown == before || shown == TPciform::clockText(QTime::currentTime().addSecs(-60)));
}

void PciFormTest::helpFileOnShowing()
{
    HelpEngine::setHelpFile(QString());
    TPciform form;
    form.show();
    QCOMPARE(HelpEngine::helpFile(), QStringLiteral("pci\\pci.hlp"));
    TestUtil::WorkingFolder folder;
    action(form, "HelpContentsItem")->trigger();
    QVERIFY(HelpEngine::viewerFor(QStringLiteral("pci\\pci.hlp")));
    HelpEngine::closeAll();
    TestUtil::child<QPushButton>(&form, "SpeedButton2")->click();
    QVERIFY(HelpEngine::viewerFor(QStringLiteral("pci\\pci.hlp")));
    HelpEngine::closeAll();
}

void PciFormTest::signalTable()
{
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "SignalsItem")->trigger();
    QCOMPARE(answerer.modalNames(), QStringList{"Intro"});
    QCOMPARE(Intro->textName(), QStringLiteral("pci\\signals.txt"));
    QVERIFY(TestUtil::child<QWidget>(&form, "Panel1")->isVisible());
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label3")->text(), QStringLiteral("Таблица сигналов шины"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label4")->text(), QStringLiteral("Описание сигналов шины"));
    QTableWidget *table = grid(form);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->rowCount() + 1, 32); // the heading row is the grid's header
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Заголовок 1"));
    QCOMPARE(table->item(30, 2)->text(), QStringLiteral("сигнал 31.2"));
    const int width = table->viewport()->width();
    QCOMPARE(table->columnWidth(0), 100);
    QCOMPARE(table->columnWidth(1), 150);
    QCOMPARE(table->columnWidth(2), width - 260);
    QCOMPARE(table->rowHeight(5), 15);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(memo(&form), QStringLiteral("Шина адреса и данных."));
    table->selectRow(1);
    QCOMPARE(memo(&form), QString());
    table->selectRow(2);
    QCOMPARE(memo(&form), QStringLiteral("Кадр транзакции."));
    auto *show = TestUtil::child<QCheckBox>(&form, "CheckBox1");
    QCOMPARE(show->text(), QStringLiteral("&Показ"));
    show->setChecked(false);
    table->selectRow(0);
    QCOMPARE(memo(&form), QString());
    table->selectRow(20); // beyond the list
    QCOMPARE(memo(&form), QString());
    show->setChecked(true);
    table->selectRow(0);
    TestUtil::saveScreenshot(&form, QStringLiteral("pci_form_signals"));
    QCOMPARE(answerer.count(), 1);
}

void PciFormTest::commandTable()
{
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "CommandsItem")->trigger();
    QCOMPARE(Intro->textName(), QStringLiteral("pci\\commands.txt"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label3")->text(), QStringLiteral("Таблица команд шины"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "Label4")->text(), QStringLiteral("Описание команд шины"));
    QTableWidget *table = grid(form);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->rowCount() + 1, 17);
    QCOMPARE(table->columnWidth(0), 60);
    // the two columns fill the grid, the second is not cut off at its right
    QCOMPARE(table->columnWidth(0) + table->columnWidth(1), table->viewport()->width() - 10);
    QCOMPARE(memo(&form), QStringLiteral("Подтверждение прерывания."));
    QCOMPARE(form.detailList(), (QStringList{"", "intack"}));
    TestUtil::saveScreenshot(&form, QStringLiteral("pci_form_commands"));
}

void PciFormTest::detailListOutsideTheFolder_data()
{
    QTest::addColumn<QString>("line");
    QTest::addRow("parent folder") << "..\\..\\secret";
    QTest::addRow("forward slash") << "sub/name";
    QTest::addRow("drive") << "C:name";
    QTest::addRow("absolute") << "\\etc\\passwd";
    QTest::addRow("dots") << "..";
}

void PciFormTest::detailListOutsideTheFolder()
{
    QFETCH(QString, line);
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    folder.writeCp1251(QStringLiteral("pci/signals.fil"), QStringLiteral("\r\nad\r\n") + line + QStringLiteral("\r\n"));
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "SignalsItem")->trigger();
    QCOMPARE(answerer.modalNames(), (QStringList{"Intro", "ErrorBox"}));
    QCOMPARE(answerer.texts().value(0),
             QStringLiteral("Файл pci\\signals.fil: строка 3: «%1» — не имя файла в папке pci\\pci_info").arg(line));
    QVERIFY(!TestUtil::child<QWidget>(&form, "Panel1")->isVisible());
    QVERIFY(form.isVisible());
}

void PciFormTest::missingColumnFile()
{
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    QFile::remove(folder.path() + QStringLiteral("/pci/signals1.txt"));
    QFile::remove(folder.path() + QStringLiteral("/pci/pci_info/ad.txt"));
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "SignalsItem")->trigger();
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file pci\\signals1.txt"});
    QVERIFY(!TestUtil::child<QWidget>(&form, "Panel1")->isVisible());
    // a missing detail text is reported and the table stays usable
    answerer.clear();
    action(form, "CommandsItem")->trigger();
    QCOMPARE(answerer.modalNames(), QStringList{"Intro"});
    folder.writeCp1251(QStringLiteral("pci/commands.fil"), QStringLiteral("\r\n\r\nad\r\n"));
    action(form, "CommandsItem")->trigger();
    grid(form)->selectRow(1);
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file pci\\pci_info\\ad.txt"});
    QVERIFY(TestUtil::child<QWidget>(&form, "Panel1")->isVisible());
}

void PciFormTest::introTags_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tag");
    QTest::addRow("OK") << "BitBtn1" << 0;
    QTest::addRow("read") << "Button1" << 1;
    QTest::addRow("arbitration") << "Button3" << 3;
    QTest::addRow("configuration") << "Button4" << 4;
    QTest::addRow("close box") << "" << 0;
}

void PciFormTest::introTags()
{
    QFETCH(QString, button);
    QFETCH(int, tag);
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TIntro intro;
    intro.setTextName(QStringLiteral("pci\\operatio.txt"));
    QString shown;
    bool buttonsShown = false;
    TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
        shown = memo(modal);
        buttonsShown = TestUtil::child<QPushButton>(modal, "Button2")->isVisible();
        if (buttonsShown)
            TestUtil::saveScreenshot(modal, QStringLiteral("pci_intro"));
        if (button.isEmpty())
            modal->close();
        else
            TestUtil::child<QPushButton>(modal, button)->click();
    });
    QCOMPARE(intro.showText(true), tag);
    QCOMPARE(shown, QStringLiteral("Введение: operatio"));
    QVERIFY(buttonsShown);
    QVERIFY(!TestUtil::child<QPushButton>(&intro, "Button2")->isVisible());
    QCOMPARE(memo(&intro), QString()); // cleared on closing
    QCOMPARE(TestUtil::child<QPushButton>(&intro, "Button3")->text(), QStringLiteral("Арбитрация"));
    // without the operations the buttons stay hidden
    intro.setTextName(QStringLiteral("pci\\pci.txt"));
    intro.showText();
    QVERIFY(!buttonsShown);
    // a missing text: nothing opens
    answerer.clear();
    intro.setTextName(QStringLiteral("pci\\none.txt"));
    QVERIFY_THROWS_EXCEPTION(ContentError, intro.showText());
    QCOMPARE(answerer.count(), 0);
}

void PciFormTest::operationsOpenTheChosenPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tab");
    QTest::addRow("OK opens the read cycle") << "BitBtn1" << 0;
    QTest::addRow("arbitration") << "Button3" << 2;
    QTest::addRow("configuration") << "Button4" << 3;
}

void PciFormTest::operationsOpenTheChosenPage()
{
    QFETCH(QString, button);
    QFETCH(int, tab);
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TPciform form;
    form.show();
    int openTab = -1;
    QString pageText;
    bool mainHidden = false;
    TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
        if (modal->objectName() == QStringLiteral("Intro")) {
            TestUtil::child<QPushButton>(modal, button)->click();
            return;
        }
        auto *tabs = TestUtil::child<QTabBar>(modal, "TabSet1");
        openTab = tabs->currentIndex();
        pageText = memo(modal);
        mainHidden = !form.isVisible();
        TestUtil::saveScreenshot(modal, QStringLiteral("pci_devices"));
        tabs->setCurrentIndex(1);
        QCOMPARE(memo(modal), QStringLiteral("Страница 1"));
        TestUtil::child<QPushButton>(modal, "BitBtn1")->click();
    });
    action(form, "OperationsItem")->trigger();
    QCOMPARE(answerer.modalNames(), (QStringList{"Intro", "Devices"}));
    QCOMPARE(openTab, tab);
    QCOMPARE(pageText, QStringLiteral("Страница %1").arg(tab));
    QVERIFY(mainHidden);
    QVERIFY(form.isVisible());
    auto *tabs = TestUtil::child<QTabBar>(Devices, "TabSet1");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Цикл &чтения"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Цикл &конфигурации"));
    QCOMPARE(TestUtil::child<QPushButton>(Devices, "BitBtn1")->text(), QStringLiteral("&Выход"));
}

void PciFormTest::lessonWithoutFilesReturns()
{
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "LessonItem")->trigger();
    QCOMPARE(answerer.modalNames(), (QStringList{"Intro", "ErrorBox"}));
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file pci\\lesson\\pins.txt"});
    QVERIFY(form.isVisible());
    QVERIFY(!Lesson->isVisible());
}

void PciFormTest::controlQuestionsPerOpening()
{
    TestUtil::WorkingFolder folder;
    writeTables(folder);
    folder.write(QStringLiteral("pci/bus.ctl"), QByteArray(27, '\1'));
    for (int q = 1; q <= 27; ++q) {
        folder.writeCp1251(QStringLiteral("pci/question/contr%1.txt").arg(q), QStringLiteral("Вопрос %1").arg(q));
        folder.writeCp1251(QStringLiteral("pci/question/var%1.txt").arg(q), QStringLiteral("да\r\nнет"));
    }
    QList<QPointer<QWidget>> opened;
    TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
        if (modal->objectName() == QStringLiteral("ControlQues"))
            opened.append(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    TPciform form;
    form.show();
    action(form, "ControlItem")->trigger();
    action(form, "ControlItem")->trigger();
    QCOMPARE(answerer.modalNames(), (QStringList{"Intro", "ControlQues", "Intro", "ControlQues"}));
    QCOMPARE(opened.size(), 2);
    QVERIFY(!opened.at(0) && !opened.at(1)); // destroyed after each test
    QCOMPARE(Intro->textName(), QStringLiteral("pci\\control.txt"));
    QVERIFY(form.isVisible());
    // a short key: the test does not open and the main window comes back
    folder.write(QStringLiteral("pci/bus.ctl"), QByteArray(20, '\1'));
    answerer.clear();
    action(form, "ControlItem")->trigger();
    QCOMPARE(answerer.modalNames(), (QStringList{"Intro", "ErrorBox"}));
    QVERIFY(form.isVisible());
}

void PciFormTest::colourBand_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QColor>("colour");
    QTest::addRow("1 blue") << 1 << QColor(0, 0, 255);
    QTest::addRow("2") << 2 << QColor(0, 1, 254);
    QTest::addRow("128") << 128 << QColor(0, 127, 128);
    QTest::addRow("255") << 255 << QColor(0, 254, 1);
    QTest::addRow("256 green") << 256 << QColor(0, 255, 0);
    QTest::addRow("384") << 384 << QColor(128, 127, 0);
    QTest::addRow("511 red") << 511 << QColor(255, 0, 0);
}

void PciFormTest::colourBand()
{
    QFETCH(int, x);
    QFETCH(QColor, colour);
    QCOMPARE(TPres::bandColour(x), colour);
    TPres about;
    const QImage band = about.band()->pixmap().toImage();
    QCOMPARE(band.pixelColor(x, 0), colour);
    QCOMPARE(band.pixelColor(x, band.height() - 1), colour);
    QCOMPARE(band.pixelColor(0, 5), about.palette().color(QPalette::Window));
}

void PciFormTest::aboutWithoutPicture()
{
    TestUtil::WorkingFolder folder;
    TestUtil::ModalAnswerer answerer;
    TPciform form;
    form.show();
    action(form, "HelpAboutItem")->trigger();
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file pci\\pci_info\\pci.wmf"});
    QCOMPARE(answerer.modalNames(), QStringList{"ErrorBox"});
    TPres about;
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(TestUtil::child<QPushButton>(&about, "Button1")->text(), QStringLiteral("OK"));
    about.show();
    TestUtil::saveScreenshot(&about, QStringLiteral("pci_pres"));
}

void PciFormTest::closingShowsTheReturnWindow()
{
    QWidget selector;
    TPciform form;
    form.setReturnWindow(&selector);
    form.show();
    QCOMPARE(form.objectName(), QStringLiteral("Pciform"));
    QCOMPARE(form.windowTitle(), QStringLiteral("\"Шина PCI\" Обучающая программа"));
    TestUtil::saveScreenshot(&form, QStringLiteral("pci_form"));
    action(form, "FileExitItem")->trigger();
    QVERIFY(!form.isVisible());
    QVERIFY(selector.isVisible());
}

QTEST_MAIN(PciFormTest)
#include "tst_pciform.moc"
