#include "platform/helpengine.h"
#include "platform/random.h"
#include "scsi/registrationdialog.h"
#include "scsi/statisticsdialog.h"
#include "scsi/tmain_form.h"
#include "scsi/trainerlayout.h"
#include "shell/tfpracticum.h"
#include "shell/windowset.h"
#include "testutil.h"
#include "usb/tmain_formusb.h"
#include "usb/treg_formusb.h"
#include "usb/tstat_formusb.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

// Closes about boxes with a click on their title line and answers the
// registration dialog with "OK", recording the surname it showed.
TestUtil::ModalAnswerer::Handler greeting(const QString &surname, QStringList *shown = nullptr,
                                          const QString &screenshots = QString())
{
    return [=](QWidget *modal) {
        if (!screenshots.isEmpty())
            TestUtil::saveScreenshot(modal, screenshots + QLatin1Char('_') + modal->objectName());
        if (modal->objectName().startsWith(QLatin1String("about_form"))) {
            QTest::mouseClick(TestUtil::child<QLabel>(modal, "Label1"), Qt::LeftButton);
        } else if (modal->objectName().startsWith(QLatin1String("Reg_form"))) {
            auto *fam = TestUtil::child<QLineEdit>(modal, "E_fam");
            if (shown)
                shown->append(fam->text());
            fam->setText(surname);
            TestUtil::child<QLineEdit>(modal, "E_gr")->setText(QStringLiteral("К1"));
            TestUtil::child<QPushButton>(modal, "B_ok")->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->buttons().first()->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    };
}

std::unique_ptr<TrainerMainWindow> trainer(bool scsi)
{
    if (scsi)
        return std::make_unique<TMain_form>();
    return std::make_unique<TMain_formusb>();
}

QStringList actionTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-")
                                        : action->objectName() + QLatin1Char('=') + action->text());
    return texts;
}

QStringList buttons(QWidget *panel)
{
    QStringList texts;
    for (QPushButton *button : panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        texts << button->objectName() + QLatin1Char('=') + button->text();
    return texts;
}

void verifyCentred(QWidget *window)
{
    auto *label1 = TestUtil::child<QLabel>(window, "Label1");
    auto *label2 = TestUtil::child<QLabel>(window, "Label2");
    QWidget *client = label1->parentWidget();
    const int centre = client->width() / 2;
    QVERIFY(label1->x() >= 0 && label1->geometry().right() < client->width());
    QVERIFY(qAbs(label1->geometry().center().x() - centre) <= 1);
    QVERIFY(qAbs(label2->geometry().center().x() - centre) <= 1);
    const int blockHeight =
        label1->height() + label2->height() + TestUtil::child<QWidget>(window, "Panel_but")->height() + 20;
    QCOMPARE(label1->y(), (client->height() - blockHeight) / 2);
    QCOMPARE(label2->y(), label1->y() + label1->height() + 10);
    QCOMPARE(TestUtil::child<QFrame>(window, "Bevel1")->width(), client->width());
    for (const char *name : {"Panel_but", "Panel_inf", "Panel_les"}) {
        QWidget *panel = TestUtil::child<QWidget>(window, QString::fromLatin1(name));
        QVERIFY(qAbs(panel->geometry().center().x() - centre) <= 1);
        QCOMPARE(panel->y(), label2->y() + label2->height() + 10);
        QVERIFY(panel->geometry().bottom() < client->height());
    }
}

} // namespace

class TrainerMainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup() { HelpEngine::closeAll(); }
    void layoutArithmetic_data();
    void layoutArithmetic();
    void scsiWindow();
    void usbWindow();
    void firstActivation_data();
    void firstActivation();
    void panelSwitching();
    void usbTaskButtonOpensTask();
    void helpEntries_data();
    void helpEntries();
    void aboutBox_data();
    void aboutBox();
    void layoutOnResize_data();
    void layoutOnResize();
    void missingContentKeepsWindow_data();
    void missingContentKeepsWindow();
    void faultyQuestionFile();
    void exercisesHideMainWindow_data();
    void exercisesHideMainWindow();
    void closing();
    void ownDialogsWhenNoneGiven_data();
    void ownDialogsWhenNoneGiven();
    void givenDialogs();
    void returnsToTheGivenWindow();
};

void TrainerMainTest::initTestCase()
{
    Random::seed(9);
    FPracticum = new TFPracticum;
}

void TrainerMainTest::layoutArithmetic_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("label1");
    QTest::addColumn<QRect>("label2");
    QTest::addColumn<QRect>("panel");
    // labels 300x30 and 120x70, panel 190x200: block height 320
    QTest::addRow("400x400") << QSize(400, 400) << QRect(50, 40, 300, 30) << QRect(140, 80, 120, 70)
                             << QRect(105, 160, 190, 200);
    QTest::addRow("odd sizes") << QSize(391, 427) << QRect(45, 53, 300, 30) << QRect(135, 93, 120, 70)
                               << QRect(100, 173, 190, 200);
    QTest::addRow("smaller than the block")
        << QSize(200, 300) << QRect(-50, -10, 300, 30) << QRect(40, 30, 120, 70) << QRect(5, 110, 190, 200);
}

void TrainerMainTest::layoutArithmetic()
{
    QFETCH(QSize, client);
    QFETCH(QRect, label1);
    QFETCH(QRect, label2);
    QFETCH(QRect, panel);
    const TrainerLayout::Geometry g = TrainerLayout::arrange(client, QSize(300, 30), QSize(120, 70), QSize(190, 200));
    QCOMPARE(g.bevel, QRect(0, 0, client.width(), TrainerLayout::kBevelHeight));
    QCOMPARE(g.label1, label1);
    QCOMPARE(g.label2, label2);
    QCOMPARE(g.panel, panel);
}

void TrainerMainTest::scsiWindow()
{
    TMain_form main;
    QCOMPARE(main.objectName(), QStringLiteral("Main_form"));
    QCOMPARE(main.windowTitle(), QStringLiteral("SCSI"));
    QCOMPARE(main.minimumSize(), QSize(390, 450));
    QCOMPARE(TestUtil::child<QLabel>(&main, "Label1")->text(), QStringLiteral("Электронный учебник по интерфейсу"));
    QCOMPARE(TestUtil::child<QLabel>(&main, "Label2")->text(), QStringLiteral("SCSI"));
    QCOMPARE(TestUtil::child<QLabel>(&main, "Label1")->parentWidget()->palette().color(QPalette::Window).green() > 100,
             true);
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_but")),
             (QStringList{"bb_reg=Регистрация", "bb_inf=Информация", "BitBtn1=Вопросы", "bb_les=Задания",
                          "bb_stat=Статистика", "bb_exit=ВЫХОД"}));
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_inf")),
             (QStringList{"bb_about=О программе", "bb_scsi=Справочник", "bb_def=Порядок работы ", "bb_back=НАЗАД"}));
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_les")),
             (QStringList{"bb_les1=Задание 1", "bb_les2=Задание 2", "bb_back1=НАЗАД"}));
    auto *menu = main.menuBar();
    QCOMPARE(TestUtil::child<QMenuBar>(&main, "MMenu1"), menu);
    QStringList titles;
    for (QAction *action : menu->actions())
        titles << action->text();
    QCOMPARE(titles, (QStringList{"Файл", "Задания", "Помощь"}));
    QCOMPARE(actionTexts(menu->actions()[0]->menu()),
             (QStringList{"m_reg=Регистрация", "m_stat=Статистика", "-", "m_exit=Выход"}));
    QCOMPARE(actionTexts(menu->actions()[1]->menu()),
             (QStringList{"m_les1=Задание 1", "m_les2=Задание 2", "-", "m_quest=Вопросы"}));
    QCOMPARE(actionTexts(menu->actions()[2]->menu()),
             (QStringList{"m_h_scsi=Интерфейс SCSI", "-", "m_h_about=О программе"}));
}

void TrainerMainTest::usbWindow()
{
    TMain_formusb main;
    QCOMPARE(main.objectName(), QStringLiteral("Main_formusb"));
    QCOMPARE(main.windowTitle(), QStringLiteral("USB"));
    QCOMPARE(main.minimumSize(), QSize(390, 450));
    QCOMPARE(TestUtil::child<QLabel>(&main, "Label2")->text(), QStringLiteral("USB"));
    QCOMPARE(TestUtil::child<QLabel>(&main, "Label1")->parentWidget()->palette().color(QPalette::Window),
             QColor(Qt::white));
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_but")),
             (QStringList{"bb_reg=Регистрация", "bb_inf=Информация", "BitBtn1=Вопросы", "bb_les=Задание",
                          "bb_stat=Статистика", "bb_exit=ВЫХОД"}));
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_inf")),
             (QStringList{"bb_about=О программе", "bb_usb=Справочник", "bb_def=Порядок работы", "bb_back=НАЗАД"}));
    QCOMPARE(buttons(TestUtil::child<QWidget>(&main, "Panel_les")), (QStringList{"bb_les1=Задание", "bb_back1=НАЗАД"}));
    auto *menu = main.menuBar();
    QCOMPARE(TestUtil::child<QMenuBar>(&main, "MMenu1"), menu);
    QCOMPARE(actionTexts(menu->actions()[0]->menu()),
             (QStringList{"m_reg=Регистрация", "m_stat=Статистика", "-", "m_exit=Выход"}));
    QCOMPARE(actionTexts(menu->actions()[1]->menu()), (QStringList{"m_les1=Задание", "-", "m_quest=Вопросы"}));
    QCOMPARE(actionTexts(menu->actions()[2]->menu()),
             (QStringList{"m_h_usb=Интерфейс USB", "-", "m_h_about=О программе"}));
}

void TrainerMainTest::firstActivation_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addRow("SCSI") << true;
    QTest::addRow("USB") << false;
}

void TrainerMainTest::firstActivation()
{
    QFETCH(bool, scsi);
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    const QString about = scsi ? QStringLiteral("about_form") : QStringLiteral("about_form1");
    const QString reg = scsi ? QStringLiteral("Reg_form") : QStringLiteral("Reg_formusb");
    QStringList shown;
    bool visibleAtAbout = false;
    auto handler = [&](QWidget *modal) {
        if (modal->objectName() == about)
            visibleAtAbout = main->isVisible();
        greeting(QStringLiteral("Иванов"), &shown)(modal);
    };
    {
        TestUtil::ModalAnswerer answerer(handler);
        main->show();
        QTRY_VERIFY(main->firstActivationDone());
        QCOMPARE(answerer.modalNames(), (QStringList{about, reg}));
        QVERIFY(visibleAtAbout);
        QCOMPARE(shown, QStringList{QString()});
        QCOMPARE(main->record().surname, QStringLiteral("Иванов"));
    }
    {
        // later activations skip the greeting
        TestUtil::ModalAnswerer answerer(handler);
        main->hide();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QCoreApplication::processEvents(); // the greeting would be posted on activation
        QCOMPARE(answerer.count(), 0);
    }
    // entering the trainer again greets again, with the previous names filled in
    main->record().add(StudentRecord::QuestionsAsked, 5);
    main->close();
    QVERIFY(!main->firstActivationDone());
    {
        TestUtil::ModalAnswerer answerer(handler);
        visibleAtAbout = false;
        main->show();
        QTRY_VERIFY(main->firstActivationDone());
        QCOMPARE(answerer.modalNames(), (QStringList{about, reg}));
        QVERIFY(visibleAtAbout);
    }
    QCOMPARE(shown, (QStringList{QString(), QStringLiteral("Иванов")}));
    QCOMPARE(main->record().value(StudentRecord::QuestionsAsked), 5); // same student kept
}

void TrainerMainTest::panelSwitching()
{
    TMain_form main;
    main.resize(560, 500);
    TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов"), nullptr, QStringLiteral("scsi")));
    main.show();
    QTRY_VERIFY(main.firstActivationDone());
    auto *but = TestUtil::child<QWidget>(&main, "Panel_but");
    auto *inf = TestUtil::child<QWidget>(&main, "Panel_inf");
    auto *les = TestUtil::child<QWidget>(&main, "Panel_les");
    auto visible = [&] { return QList<bool>{but->isVisible(), inf->isVisible(), les->isVisible()}; };
    QCOMPARE(visible(), (QList<bool>{true, false, false}));
    TestUtil::saveScreenshot(&main, QStringLiteral("scsi_main_but"));
    TestUtil::child<QPushButton>(&main, "bb_inf")->click();
    QCOMPARE(visible(), (QList<bool>{false, true, false}));
    TestUtil::saveScreenshot(&main, QStringLiteral("scsi_main_inf"));
    TestUtil::child<QPushButton>(&main, "bb_back")->click();
    QCOMPARE(visible(), (QList<bool>{true, false, false}));
    TestUtil::child<QPushButton>(&main, "bb_les")->click();
    QCOMPARE(visible(), (QList<bool>{false, false, true}));
    TestUtil::saveScreenshot(&main, QStringLiteral("scsi_main_les"));
    TestUtil::child<QPushButton>(&main, "bb_back1")->click();
    QCOMPARE(visible(), (QList<bool>{true, false, false}));
    QCOMPARE(inf->pos(), but->pos());
    QCOMPARE(les->pos(), but->pos());

    TMain_formusb usb;
    usb.resize(560, 500);
    TestUtil::ModalAnswerer usbAnswerer(greeting(QStringLiteral("Иванов"), nullptr, QStringLiteral("usb")));
    usb.show();
    QTRY_VERIFY(usb.firstActivationDone());
    TestUtil::saveScreenshot(&usb, QStringLiteral("usb_main_but"));
    TestUtil::child<QPushButton>(&usb, "bb_inf")->click();
    QVERIFY(TestUtil::child<QWidget>(&usb, "Panel_inf")->isVisible());
    QVERIFY(!TestUtil::child<QWidget>(&usb, "Panel_but")->isVisible());
    TestUtil::saveScreenshot(&usb, QStringLiteral("usb_main_inf"));
    TestUtil::child<QPushButton>(&usb, "bb_back")->click();
    QVERIFY(TestUtil::child<QWidget>(&usb, "Panel_but")->isVisible());
}

void TrainerMainTest::usbTaskButtonOpensTask()
{
    TestUtil::WorkingFolder folder;
    TMain_formusb usb;
    // without the task files the guard names the missing file and no panel changes
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QPushButton>(&usb, "bb_les")->click();
    QCOMPARE(answerer.texts().size(), 1);
    QVERIFY(answerer.texts().first().startsWith(QStringLiteral("Cannot open file ")));
    QVERIFY(!TestUtil::child<QWidget>(&usb, "Panel_but")->isHidden());
    QVERIFY(TestUtil::child<QWidget>(&usb, "Panel_les")->isHidden());
}

void TrainerMainTest::helpEntries_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("helpFile");
    QTest::addRow("m_h_scsi") << true << "m_h_scsi"
                              << "scsi\\help\\vved.hlp";
    QTest::addRow("bb_scsi") << true << "bb_scsi"
                             << "scsi\\help\\vved.hlp";
    QTest::addRow("bb_def SCSI") << true << "bb_def"
                                 << "scsi\\help\\scsi_prog.hlp";
    QTest::addRow("m_h_usb") << false << "m_h_usb"
                             << "usb\\help\\usb.hlp";
    QTest::addRow("bb_usb") << false << "bb_usb"
                            << "usb\\help\\usb.hlp";
    QTest::addRow("bb_def USB") << false << "bb_def"
                                << "usb\\help\\usb_prog.hlp";
}

void TrainerMainTest::helpEntries()
{
    QFETCH(bool, scsi);
    QFETCH(QString, control);
    QFETCH(QString, helpFile);
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    HelpEngine::setHelpFile(QStringLiteral("glossary.hlp"));
    TestUtil::ModalAnswerer answerer;
    if (auto *action = main->findChild<QAction *>(control))
        action->trigger();
    else
        TestUtil::child<QPushButton>(main.get(), control)->click();
    QCOMPARE(HelpEngine::helpFile(), helpFile);
    QCOMPARE(answerer.count(), 0);
}

void TrainerMainTest::aboutBox_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addColumn<QString>("control");
    QTest::addRow("SCSI menu") << true << "m_h_about";
    QTest::addRow("SCSI button") << true << "bb_about";
    QTest::addRow("USB menu") << false << "m_h_about";
    QTest::addRow("USB button") << false << "bb_about";
}

void TrainerMainTest::aboutBox()
{
    QFETCH(bool, scsi);
    QFETCH(QString, control);
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    QStringList seen;
    int clicked = 0;
    TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
        seen << modal->windowTitle() << TestUtil::child<QLabel>(modal, "Label1")->text();
        QVERIFY(modal->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!modal->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        TestUtil::saveScreenshot(modal, modal->objectName());
        // a click on the second picture closes the box, as any click does
        QTest::mouseClick(TestUtil::child<QWidget>(modal, "Image2"), Qt::LeftButton);
        ++clicked;
    });
    if (auto *action = main->findChild<QAction *>(control))
        action->trigger();
    else
        TestUtil::child<QPushButton>(main.get(), control)->click();
    QCOMPARE(clicked, 1);
    QCOMPARE(answerer.modalNames(), QStringList{scsi ? QStringLiteral("about_form") : QStringLiteral("about_form1")});
    QCOMPARE(seen, (QStringList{QStringLiteral("О программе"),
                                scsi ? QStringLiteral("Электронный учебник по интерфейсу SCSI")
                                     : QStringLiteral("Электронный учебник по интерфейсу USB")}));
}

void TrainerMainTest::layoutOnResize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addRow("minimum") << QSize(390, 450);
    QTest::addRow("wide") << QSize(1000, 480);
    QTest::addRow("tall") << QSize(420, 900);
    QTest::addRow("odd") << QSize(613, 577);
}

void TrainerMainTest::layoutOnResize()
{
    QFETCH(QSize, size);
    TMain_form main;
    TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
    main.show();
    QTRY_VERIFY(main.firstActivationDone());
    main.resize(size);
    QTRY_COMPARE(main.size(), size);
    verifyCentred(&main);
    TestUtil::child<QPushButton>(&main, "bb_inf")->click();
    main.resize(size + QSize(31, 17));
    QTRY_COMPARE(main.size(), size + QSize(31, 17));
    verifyCentred(&main);
    main.resize(200, 200); // refused below the minimum
    QTRY_COMPARE(main.size(), QSize(390, 450));
    verifyCentred(&main);
    TestUtil::saveScreenshot(&main, QStringLiteral("scsi_main_minimum"));
}

void TrainerMainTest::missingContentKeepsWindow_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("message");
    QTest::addRow("SCSI questions") << true << "BitBtn1"
                                    << "Cannot open file scsi\\quest\\scsi.txt";
    QTest::addRow("USB questions") << false << "m_quest"
                                   << "Cannot open file usb\\quest\\usb.txt";
    QTest::addRow("SCSI task 1") << true << "m_les1"
                                 << "Cannot open file scsi\\quest\\scsi_les1.dat";
    QTest::addRow("SCSI task 2") << true << "m_les2"
                                 << "Cannot open file scsi\\quest\\scsi_les2.dat";
    QTest::addRow("USB task picture") << false << "m_les1"
                                      << "Cannot open file test1.jpg";
}

void TrainerMainTest::missingContentKeepsWindow()
{
    QFETCH(bool, scsi);
    QFETCH(QString, control);
    QFETCH(QString, message);
    TestUtil::WorkingFolder folder;
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
    main->show();
    QTRY_VERIFY(main->firstActivationDone());
    answerer.clear();
    if (auto *action = main->findChild<QAction *>(control))
        action->trigger();
    else
        TestUtil::child<QPushButton>(main.get(), control)->click();
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.icons().first(), QMessageBox::Critical);
    QVERIFY(main->isVisible());
    for (int i = 0; i < StudentRecord::kCounterCount; ++i)
        QCOMPARE(main->record().counters[size_t(i)], 0);
}

void TrainerMainTest::faultyQuestionFile()
{
    TestUtil::WorkingFolder folder;
    folder.writeCp1251(QStringLiteral("scsi/quest/scsi.txt"), QStringLiteral("3\r\nВопрос\r\nОтвет\r\n\r\n"));
    TMain_form main;
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QPushButton>(&main, "BitBtn1")->click();
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("ErrorBox")});
    QVERIFY2(answerer.texts().first().startsWith(QStringLiteral("Файл scsi\\quest\\scsi.txt: ")),
             qPrintable(answerer.texts().first()));
    QCOMPARE(main.record().value(StudentRecord::QuestionsAsked), 0);
}

void TrainerMainTest::exercisesHideMainWindow_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("amount");
    QTest::addRow("SCSI task 1") << true << "bb_les1"
                                 << "Form1" << int(StudentRecord::Task1Attempts) << 1;
    QTest::addRow("SCSI task 2") << true << "bb_les2"
                                 << "les2_form" << int(StudentRecord::Task2Attempts) << 1;
    QTest::addRow("SCSI questions") << true << "BitBtn1"
                                    << "Quest_form" << int(StudentRecord::QuestionsAsked) << 5;
    QTest::addRow("USB task") << false << "bb_les1"
                              << "Form11" << int(StudentRecord::Task1Attempts) << 1;
    QTest::addRow("USB questions") << false << "BitBtn1"
                                   << "Quest_formusb" << int(StudentRecord::QuestionsAsked) << 5;
}

// On the package's own content: the main window is hidden while the window is open.
void TrainerMainTest::exercisesHideMainWindow()
{
    QFETCH(bool, scsi);
    QFETCH(QString, control);
    QFETCH(QString, window);
    QFETCH(int, counter);
    QFETCH(int, amount);
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty() || !QFileInfo::exists(package + QStringLiteral("/scsi/quest/scsi.txt")))
        QSKIP("the package content is not built");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(package);
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    {
        TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
        main->show();
        QTRY_VERIFY(main->firstActivationDone());
    }
    if (control.startsWith(QLatin1String("bb_les")) && scsi)
        TestUtil::child<QPushButton>(main.get(), "bb_les")->click();
    bool hidden = false;
    QString opened;
    {
        TestUtil::ModalAnswerer answerer([&](QWidget *modal) {
            if (opened.isEmpty()) {
                opened = modal->objectName();
                hidden = !main->isVisible();
                TestUtil::saveScreenshot(modal, QStringLiteral("opened_") + modal->objectName());
            }
            modal->close();
        });
        TestUtil::child<QPushButton>(main.get(), control)->click();
    }
    QDir::setCurrent(previous);
    QCOMPARE(opened, window);
    QVERIFY(hidden);
    QVERIFY(main->isVisible());
    QCOMPARE(main->record().counters[size_t(counter)], amount);
}

void TrainerMainTest::closing()
{
    TMain_form main;
    main.setReturnWindow(FPracticum);
    TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
    FPracticum->hide();
    main.show();
    QTRY_VERIFY(main.firstActivationDone());
    TestUtil::child<QPushButton>(&main, "bb_exit")->click();
    QVERIFY(!main.isVisible());
    QVERIFY(FPracticum->isVisible());
    QVERIFY(!main.firstActivationDone());

    FPracticum->hide();
    TMain_formusb usb;
    usb.setReturnWindow(FPracticum);
    usb.show();
    QTRY_VERIFY(usb.firstActivationDone());
    usb.findChild<QAction *>(QStringLiteral("m_exit"))->trigger();
    QVERIFY(!usb.isVisible());
    QVERIFY(FPracticum->isVisible());
}

void TrainerMainTest::ownDialogsWhenNoneGiven_data()
{
    firstActivation_data();
}

// Outside the window set the window makes its own dialogs once and keeps them.
void TrainerMainTest::ownDialogsWhenNoneGiven()
{
    QFETCH(bool, scsi);
    const std::unique_ptr<TrainerMainWindow> main = trainer(scsi);
    QVERIFY(main->findChildren<RegistrationDialog *>().isEmpty());
    QList<QWidget *> shown;
    TestUtil::ModalAnswerer answerer([&shown](QWidget *modal) {
        shown << modal;
        static_cast<QDialog *>(modal)->reject();
    });
    for (int i = 0; i < 2; ++i) {
        main->findChild<QAction *>(QStringLiteral("m_reg"))->trigger();
        TestUtil::child<QPushButton>(main.get(), "bb_stat")->click();
    }
    const QString suffix = scsi ? QString() : QStringLiteral("usb");
    QCOMPARE(answerer.modalNames(),
             (QStringList{"Reg_form" + suffix, "Stat_form" + suffix, "Reg_form" + suffix, "Stat_form" + suffix}));
    QCOMPARE(shown[0]->parentWidget(), main.get());
    QCOMPARE(shown[1]->parentWidget(), main.get());
    QCOMPARE(shown[2], shown[0]);
    QCOMPARE(shown[3], shown[1]);
    QCOMPARE(main->findChildren<RegistrationDialog *>().size(), 1);
    QCOMPARE(main->findChildren<StatisticsDialog *>().size(), 1);
}

// In the window set the standing dialogs serve the window and it makes none.
void TrainerMainTest::givenDialogs()
{
    TMain_formusb main;
    TReg_formusb registration;
    TStat_formusb statistics;
    main.setDialogs(&registration, &statistics);
    QList<QWidget *> shown;
    TestUtil::ModalAnswerer answerer([&shown](QWidget *modal) {
        shown << modal;
        if (modal->objectName() == QLatin1String("Reg_formusb")) {
            TestUtil::child<QLineEdit>(modal, "E_fam")->setText(QStringLiteral("Петров"));
            TestUtil::child<QPushButton>(modal, "B_ok")->click();
        } else {
            static_cast<QDialog *>(modal)->reject();
        }
    });
    TestUtil::child<QPushButton>(&main, "bb_reg")->click();
    main.findChild<QAction *>(QStringLiteral("m_stat"))->trigger();
    QCOMPARE(shown, (QList<QWidget *>{&registration, &statistics}));
    QCOMPARE(main.record().surname, QStringLiteral("Петров"));
    QVERIFY(main.findChildren<RegistrationDialog *>().isEmpty());
    QVERIFY(main.findChildren<StatisticsDialog *>().isEmpty());
}

void TrainerMainTest::returnsToTheGivenWindow()
{
    QWidget selector;
    TMain_form main;
    {
        TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
        main.show();
        QTRY_VERIFY(main.firstActivationDone());
    }
    // nothing given: the window only closes
    main.close();
    QVERIFY(!main.isVisible());
    QVERIFY(!selector.isVisible());
    QVERIFY(!main.firstActivationDone());

    main.setReturnWindow(&selector);
    {
        TestUtil::ModalAnswerer answerer(greeting(QStringLiteral("Иванов")));
        main.show();
        QTRY_VERIFY(main.firstActivationDone());
    }
    TestUtil::child<QPushButton>(&main, "bb_exit")->click();
    QVERIFY(!main.isVisible());
    QVERIFY(selector.isVisible());
}

QTEST_MAIN(TrainerMainTest)
#include "tst_trainermain.moc"
