#include "shell/startup.h"
#include "shell/windowset.h"

#include "platform/contenterror.h"
#include "platform/guard.h"
#include "platform/helpengine.h"
#include "platform/messages.h"
#include "scsi/tmain_form.h"
#include "scsi/treg_form.h"
#include "shell/shellactions.h"
#include "shell/tfinterface.h"
#include "shell/tfpracticum.h"
#include "testutil.h"
#include "usb/tmain_formusb.h"
#include "usb/treg_formusb.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QTest>

// Start-up: the 31 standing windows, their order, names, captions, kinds and frames.
class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void createsWindowsInOrder();
    void returnsHiddenMainWindow();
    void clearsHelpFile();
    void windows_data();
    void windows();
    void globalsPointToTheWindows();
    void titlesAreTheCaptionsAlone();
    void trainersAreWiredToTheSet_data();
    void trainersAreWiredToTheSet();

private:
    QList<QObject *> m_created;
    QWidget *m_main = nullptr;
};

namespace {

// Records every widget's creation, in order.
class CreationRecorder : public QObject {
public:
    explicit CreationRecorder(QList<QObject *> *created)
        : m_created(created)
    {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Create)
            m_created->append(watched);
        return false;
    }

private:
    QList<QObject *> *m_created;
};

const QStringList kOrder = {
    "FInterface",   "Main_form",   "Reg_form",        "Stat_form",    "FPracticum", "ISAForm",         "AboutForm",
    "ATCyclesForm", "CyclesForm",  "CyclesparamForm", "InteractForm", "KontrQForm", "ResInteractForm", "ResultForm",
    "VvedenieForm", "WarningForm", "Intro",           "Lesson",       "Devices",    "Pciform",         "Pres",
    "Main_formusb", "Reg_formusb", "Stat_formusb",    "FExamQuest",   "FLection",   "FUkazaniya",      "FPosobie",
    "FSoderg",      "FPrandmet",   "FLabprakt"};

enum Frame { Frameless, CloseAndMinimise, CloseOnly, NoCloseBox, Tool, Any };

} // namespace

void StartupTest::initTestCase()
{
    ShellActions::setRecorder([](const QString &, const QString &) {});
    HelpEngine::setHelpFile(QStringLiteral("left over"));
    CreationRecorder recorder(&m_created);
    qApp->installEventFilter(&recorder);
    m_main = createWindowSet();
    qApp->removeEventFilter(&recorder);
}

void StartupTest::createsWindowsInOrder()
{
    const QList<QWidget *> windows = standingWindows();
    QCOMPARE(windows.size(), 31);
    QStringList names;
    for (QWidget *window : windows)
        names.append(window->objectName());
    QCOMPARE(names, kOrder);

    // the order in which the windows were really constructed
    QStringList constructed;
    for (QObject *object : std::as_const(m_created)) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (widget && windows.contains(widget))
            constructed.append(widget->objectName());
    }
    QCOMPARE(constructed, kOrder);
}

void StartupTest::returnsHiddenMainWindow()
{
    QCOMPARE(m_main, static_cast<QWidget *>(FInterface));
    QCOMPARE(m_main->objectName(), QStringLiteral("FInterface"));
    for (QWidget *window : standingWindows()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        QVERIFY2(window->isWindow(), qPrintable(window->objectName()));
        QVERIFY2(!window->parentWidget(), qPrintable(window->objectName()));
    }
}

void StartupTest::clearsHelpFile()
{
    QCOMPARE(HelpEngine::helpFile(), QString());
}

void StartupTest::windows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("onTop");

    auto row = [](const char *name, const QString &caption, bool dialog, QSize size, bool fixed, Frame frame,
                  bool onTop = false) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << caption << dialog << size << fixed << int(frame)
                                  << onTop;
    };
    row("FInterface", "ПМК \"Шиноведение\"", false, {600, 400}, true, Frameless);
    row("FSoderg", "ПМК \"Шиноведение\"", false, {433, 135}, true, CloseAndMinimise);
    row("FPrandmet", "Программа и методика изучения курса", false, {432, 247}, true, CloseAndMinimise);
    row("FPosobie", "Учебное пособие \"Шиноведение\"", false, {703, 408}, true, CloseAndMinimise);
    row("FLabprakt", "Лабораторный практикум", false, {296, 55}, true, CloseAndMinimise);
    row("FUkazaniya", "Методические указания", false, {262, 191}, true, CloseAndMinimise);
    row("FPracticum", "Лабораторные практикумы", false, {248, 246}, true, Frameless);
    row("FExamQuest", "Экзаменационные вопросы", false, {536, 349}, true, CloseAndMinimise);
    row("FLection", "", false, {640, 450}, true, Frameless);
    row("ISAForm", "Компьютерная обучающая программа по шине ISA", false, {682, 468}, true, CloseAndMinimise);
    row("AboutForm", "AboutBox", true, {467, 331}, true, CloseOnly);
    row("ATCyclesForm", "ATCyclesForm", false, {760, 574}, false, NoCloseBox);
    row("CyclesForm", "Циклы шины", false, {691, 448}, true, NoCloseBox);
    row("CyclesparamForm", "Введите параметры цикла:", true, {686, 242}, true, NoCloseBox, true);
    row("InteractForm", "Изучение взаимодействия устройств на шине", false, {691, 519}, false, NoCloseBox);
    row("KontrQForm", "Контрольные вопросы", false, {475, 374}, false, NoCloseBox);
    row("ResInteractForm", "Результат", true, {260, 140}, true, CloseOnly, true);
    row("ResultForm", "Ваш результат:", true, {260, 170}, true, CloseOnly, true);
    row("VvedenieForm", "", false, {568, 428}, true, NoCloseBox);
    row("WarningForm", "Warning", true, {339, 315}, true, CloseOnly);
    row("Intro", "Информация", true, {520, 380}, true, Tool);
    row("Lesson", "Электронный урок - задание № 1", true, {632, 453}, true, Tool);
    row("Devices", "Операции на шине", true, {640, 520}, false, Any);
    row("Pciform", "\"Шина PCI\" Обучающая программа", false, {700, 500}, true, CloseAndMinimise);
    row("Pres", "О программе", true, {530, 330}, true, CloseOnly);
}

void StartupTest::windows()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, dialog);
    QFETCH(QSize, size);
    QFETCH(bool, fixed);
    QFETCH(int, frame);
    QFETCH(bool, onTop);

    QWidget *window = TestUtil::topLevel(name);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(qobject_cast<QDialog *>(window) != nullptr, dialog);
    // The ISA window's size is its client area; its menu bar lies above it.
    if (name == QLatin1String("ISAForm")) {
        const auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(bar);
        size.rheight() += bar->sizeHint().height();
    }
    QCOMPARE(window->size(), size);
    if (fixed) {
        QCOMPARE(window->minimumSize(), size);
        QCOMPARE(window->maximumSize(), size);
    }
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), onTop);
    switch (Frame(frame)) {
    case Frameless:
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        break;
    case CloseAndMinimise:
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        break;
    case CloseOnly:
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        break;
    case NoCloseBox:
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        break;
    case Tool:
        QCOMPARE(window->windowType(), Qt::Tool);
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        break;
    case Any:
        break;
    }
}

void StartupTest::globalsPointToTheWindows()
{
    const QList<QWidget *> windows = standingWindows();
    for (QWidget *window : windows)
        QCOMPARE(TestUtil::topLevel(window->objectName()), window);
}

void StartupTest::titlesAreTheCaptionsAlone()
{
    configureApplication();
    // With a display name set, the window system appends it to every title.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    QCOMPARE(QGuiApplication::applicationName(), QStringLiteral("Shinovedenie"));
    // Message boxes without a caption of their own still name the package.
    TestUtil::ModalAnswerer answerer;
    Messages::information(nullptr, QStringLiteral("Сообщение"));
    Guard::run(nullptr, [] { throw ContentError(QStringLiteral("Cannot open file x.txt")); });
    QCOMPARE(answerer.captions(), (QStringList{QStringLiteral("Шиноведение"), QStringLiteral("Шиноведение")}));
}

void StartupTest::trainersAreWiredToTheSet_data()
{
    QTest::addColumn<bool>("scsi");
    QTest::addRow("Main_form") << true;
    QTest::addRow("Main_formusb") << false;
}

// The trainers' home windows use the standing registration dialogs and return
// to the lab selector.
void StartupTest::trainersAreWiredToTheSet()
{
    QFETCH(bool, scsi);
    TrainerMainWindow *main = scsi ? static_cast<TrainerMainWindow *>(Main_form) : Main_formusb;
    QWidget *registration = scsi ? static_cast<QWidget *>(Reg_form) : Reg_formusb;
    QList<QWidget *> shown;
    {
        TestUtil::ModalAnswerer answerer([&shown](QWidget *modal) {
            shown << modal;
            static_cast<QDialog *>(modal)->reject();
        });
        main->show();
        QTRY_VERIFY(main->firstActivationDone());
    }
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], registration);
    FPracticum->hide();
    main->close();
    QVERIFY(!main->isVisible());
    QVERIFY(FPracticum->isVisible());
    FPracticum->hide();
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
