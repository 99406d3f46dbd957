#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/random.h"
#include "scsi/phasechainview.h"
#include "scsi/tfmdlg1.h"
#include "scsi/tform1.h"
#include "scsi/thelp_panel.h"
#include "taskrecords.h"
#include "testutil.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QtEndian>

namespace {

const QString kDiskPath = QStringLiteral("scsi/quest/scsi_les1.dat");

// BUS FREE, ARBITRATION (BSY, DB), SELECTION (SEL, ATN, DB), MESSAGE OUT, COMMAND ...
const QList<PhaseStep> kAnswer{{0, 0},
                               {1, 1 | 256},
                               {2, 2 | 128 | 256},
                               {9, 1 | 4 | 8 | 32 | 64 | 128 | 256},
                               {4, 1 | 4 | 8 | 64 | 256},
                               {5, 1 | 4 | 16 | 64 | 256},
                               {7, 1 | 4 | 8 | 16 | 64 | 256},
                               {8, 1 | 4 | 8 | 16 | 32 | 64 | 256},
                               {0, 0}};

const QString kText = QStringLiteral("Инициатор читает блок данных с целевого устройства: арбитраж, выборка с "
                                     "сообщением IDENTIFY, команда READ, данные, состояние и сообщение COMMAND "
                                     "COMPLETE, затем шина освобождается.");

void addStep(TForm1 &form, const PhaseStep &step)
{
    TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"))->setCurrentIndex(step.phase);
    for (int i = 0; i < PhaseTable::kSignalCount; ++i)
        TestUtil::child<QCheckBox>(&form, QStringLiteral("CheckBox%1").arg(i + 1))
            ->setChecked(step.mask & PhaseTable::signalTable()[i].bit);
    TestUtil::child<QPushButton>(&form, QStringLiteral("Add_btn"))->click();
}

QPushButton *button(TForm1 &form, const char *name)
{
    return TestUtil::child<QPushButton>(&form, QString::fromLatin1(name));
}

QString edit(TForm1 &form, const char *name)
{
    return TestUtil::child<QLineEdit>(&form, QString::fromLatin1(name))->text();
}

} // namespace

class TForm1Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void captionsAndControls();
    void loadsTaskIntoControls();
    void addingDrawsAndKeepsTicks();
    void addingStopsAt21();
    void phaseBoxEnablesAdd();
    void verdict_data();
    void verdict();
    void nextTaskStartsEmpty();
    void resetDrawsNewTask();
    void closeWithoutCheckCountsOnce();
    void exitAfterCheckCountsNothingMore();
    void escapeDoesNotClose();
    void missingFileDoesNotOpen();
    void badRecordDoesNotOpen();
    void emptyFileTellsStudent();
    void hintPanel();
    void sizesDialog();
    void appliedParametersRedraw();
    void screenshots();
};

void TForm1Test::initTestCase()
{
    Random::seed(11);
}

void TForm1Test::captionsAndControls()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Задание 1 ( фазы шины SCSI )"));
    QCOMPARE(TestUtil::child<QGroupBox>(&form, QStringLiteral("GroupBox1"))->title(),
             QStringLiteral("Расставьте фазы шины SCSI для следующего процесса( и укажите сигналы ):"));
    QVERIFY(TestUtil::child<QLabel>(&form, QStringLiteral("Question_label"))->wordWrap());
    QCOMPARE(TestUtil::child<QLabel>(&form, QStringLiteral("Label1"))->text(), QStringLiteral("Фаза шины :"));
    auto *phases = TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"));
    QVERIFY(!phases->isEditable());
    QCOMPARE(phases->count(), 10);
    QCOMPARE(phases->itemText(0), QStringLiteral("BUS FREE"));
    QCOMPARE(phases->itemText(5), QStringLiteral("DATA IN"));
    QCOMPARE(phases->itemText(9), QStringLiteral("MESSAGE OUT"));
    auto *signalGroup = TestUtil::child<QGroupBox>(&form, QStringLiteral("GroupBox2"));
    QCOMPARE(signalGroup->title(), QStringLiteral("Сигналы шины"));
    const QStringList captions{"BSY#", "SEL#", "REQ#", "C/D#", "I/O#", "MSG#", "ACK#", "ATN#", "DBx# DBPx#"};
    for (int i = 0; i < 9; ++i) {
        auto *box = TestUtil::child<QCheckBox>(signalGroup, QStringLiteral("CheckBox%1").arg(i + 1));
        QCOMPARE(box->text(), captions[i]);
    }
    QCOMPARE(button(form, "Add_btn")->text(), QStringLiteral("Добавить"));
    QCOMPARE(button(form, "res_but")->text(), QStringLiteral("Сброс"));
    QCOMPARE(button(form, "Ready_btn")->text(), QStringLiteral("ГОТОВО"));
    QVERIFY(button(form, "Add_btn")->isEnabled());
    auto *panel = TestUtil::child<QWidget>(&form, QStringLiteral("Panel1"));
    QCOMPARE(TestUtil::child<QLabel>(panel, QStringLiteral("Label2"))->text(), QStringLiteral("Кол-во заданий :"));
    QCOMPARE(TestUtil::child<QLabel>(panel, QStringLiteral("Label3"))->text(), QStringLiteral("Выполненно верно :"));
    QVERIFY(TestUtil::child<QLineEdit>(panel, QStringLiteral("e_all_les"))->isReadOnly());
    QVERIFY(TestUtil::child<QLineEdit>(panel, QStringLiteral("e_r_les"))->isReadOnly());
    QCOMPARE(edit(form, "e_all_les"), QStringLiteral("0"));
    QCOMPARE(edit(form, "e_r_les"), QStringLiteral("0"));
    auto *box = TestUtil::child<PhaseChainView>(&form, QStringLiteral("Main_Box"));
    QCOMPARE(box->size(), QSize(780, 311));

    auto *menu = TestUtil::child<QMenuBar>(&form, QStringLiteral("MainMenu1"));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Параметры"));
    const QList<QAction *> items = menu->actions()[0]->menu()->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QStringLiteral("size1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Размеры"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->objectName(), QStringLiteral("help_pan1"));
    QCOMPARE(items[2]->text(), QStringLiteral("Панель подсказки"));
    QCOMPARE(items[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    QVERIFY(items[2]->isCheckable());
    QVERIFY(!items[2]->isChecked());
}

void TForm1Test::loadsTaskIntoControls()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase(*Cp1251::encode(kText), kAnswer));
    StudentRecord record;
    TForm1 form(record);
    QCOMPARE(TestUtil::child<QLabel>(&form, QStringLiteral("Question_label"))->text(), kText);
    QCOMPARE(TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"))->currentIndex(), 0);
    QCOMPARE(form.exercise().task().answer(), kAnswer);
    QVERIFY(form.exercise().steps().isEmpty());
}

void TForm1Test::addingDrawsAndKeepsTicks()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    addStep(form, kAnswer[0]);
    addStep(form, kAnswer[1]);
    QCOMPARE(form.exercise().steps(), kAnswer.mid(0, 2));
    QVERIFY(TestUtil::child<QCheckBox>(&form, QStringLiteral("CheckBox1"))->isChecked());
    QVERIFY(TestUtil::child<QCheckBox>(&form, QStringLiteral("CheckBox9"))->isChecked());
    QCOMPARE(TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"))->currentIndex(), 1);
    // The chain survives a repaint: both circles are there in a fresh grab.
    auto *box = TestUtil::child<QWidget>(&form, QStringLiteral("Main_Box"));
    const QImage image = box->grab().toImage();
    QCOMPARE(QColor(image.pixel(56, 25)), QColor(0, 128, 0));
    QCOMPARE(QColor(image.pixel(161, 25)), QColor(0, 128, 0));
    QCOMPARE(QColor(image.pixel(266, 25)), QColor(Qt::white));
}

void TForm1Test::addingStopsAt21()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    TestUtil::ModalAnswerer answerer;
    for (int i = 0; i < 25; ++i)
        addStep(form, {i % 10, quint16(i % 3)});
    QCOMPARE(form.exercise().steps().size(), 21);
    QCOMPARE(answerer.count(), 0); // ignored without a message
}

void TForm1Test::phaseBoxEnablesAdd()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    button(form, "Add_btn")->setEnabled(false);
    TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"))->setCurrentIndex(4);
    QVERIFY(button(form, "Add_btn")->isEnabled());
}

void TForm1Test::verdict_data()
{
    QTest::addColumn<QList<PhaseStep>>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("right");
    QList<PhaseStep> missingSignal = kAnswer;
    missingSignal[3].mask &= ~quint16(64); // ACK forgotten in MESSAGE OUT
    QTest::addRow("right answer") << kAnswer
                                  << QStringLiteral("Последовательность фаз верная.\r\nСигналы проставленны верно.\r\n")
                                  << true;
    QTest::addRow("missing signal") << missingSignal
                                    << QStringLiteral(
                                           "Последовательность фаз верная.\r\nСигналы проставленны неверно.\r\n")
                                    << false;
    QTest::addRow("one phase too short") << kAnswer.mid(0, kAnswer.size() - 1)
                                         << QStringLiteral("Решение неверно.\r\nНеверное кол-во фаз.\r\n"
                                                           "Последовательность фаз неверная.\r\n"
                                                           "Сигналы проставленны верно.\r\n")
                                         << false;
}

// The window shows the rules' verdict in a box of its kind, counts once and
// turns its buttons; the texts themselves are the rules class's.
void TForm1Test::verdict()
{
    QFETCH(QList<PhaseStep>, steps);
    QFETCH(QString, message);
    QFETCH(bool, right);
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    for (const PhaseStep &step : steps)
        addStep(form, step);
    TestUtil::ModalAnswerer answerer;
    button(form, "Ready_btn")->click();
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{right ? QMessageBox::Information : QMessageBox::Critical});
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(record.value(StudentRecord::Task1Right), right ? 1 : 0);
    QCOMPARE(edit(form, "e_all_les"), QStringLiteral("1"));
    QCOMPARE(edit(form, "e_r_les"), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(button(form, "Ready_btn")->text(), QStringLiteral("Выход"));
    QCOMPARE(button(form, "res_but")->text(), QStringLiteral("Дальше ->"));
}

void TForm1Test::nextTaskStartsEmpty()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("long", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    for (const PhaseStep &step : kAnswer)
        addStep(form, step);
    TestUtil::ModalAnswerer answerer;
    button(form, "Ready_btn")->click();
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});

    folder.write(kDiskPath, TaskRecords::phase("short", kAnswer.mid(0, 2)));
    button(form, "res_but")->click();
    QCOMPARE(TestUtil::child<QLabel>(&form, QStringLiteral("Question_label"))->text(), QStringLiteral("short"));
    QCOMPARE(button(form, "Ready_btn")->text(), QStringLiteral("ГОТОВО"));
    QCOMPARE(button(form, "res_but")->text(), QStringLiteral("Сброс"));
    QVERIFY(form.exercise().steps().isEmpty());
    QVERIFY(!TestUtil::child<QCheckBox>(&form, QStringLiteral("CheckBox1"))->isChecked());
    QCOMPARE(TestUtil::child<QComboBox>(&form, QStringLiteral("Phase_box"))->currentIndex(), 0);
    const QImage image = TestUtil::child<QWidget>(&form, QStringLiteral("Main_Box"))->grab().toImage();
    QCOMPARE(QColor(image.pixel(56, 25)), QColor(Qt::white));

    addStep(form, kAnswer[0]);
    addStep(form, kAnswer[1]);
    button(form, "Ready_btn")->click();
    QCOMPARE(answerer.texts().last(),
             QStringLiteral("Последовательность фаз верная.\r\nСигналы проставленны верно.\r\n"));
    QCOMPARE(answerer.icons().last(), QMessageBox::Information);
    QCOMPARE(edit(form, "e_all_les"), QStringLiteral("2"));
    QCOMPARE(edit(form, "e_r_les"), QStringLiteral("2"));
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 2);
    QCOMPARE(record.value(StudentRecord::Task1Right), 2);
}

void TForm1Test::resetDrawsNewTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("first", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    addStep(form, kAnswer[1]);
    folder.write(kDiskPath, TaskRecords::phase("second", kAnswer));
    button(form, "res_but")->click();
    QCOMPARE(TestUtil::child<QLabel>(&form, QStringLiteral("Question_label"))->text(), QStringLiteral("second"));
    QVERIFY(form.exercise().steps().isEmpty());
    QCOMPARE(button(form, "res_but")->text(), QStringLiteral("Сброс"));
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
}

void TForm1Test::closeWithoutCheckCountsOnce()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    addStep(form, kAnswer[0]);
    QVERIFY(form.close()); // title-bar close
    QVERIFY(!form.isVisible());
    form.close();
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(record.value(StudentRecord::Task1Right), 0);
}

void TForm1Test::exitAfterCheckCountsNothingMore()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    TestUtil::ModalAnswerer answerer;
    QTimer::singleShot(0, &form, [&] {
        button(form, "Ready_btn")->click(); // check an empty chain
        button(form, "Ready_btn")->click(); // "Выход"
    });
    form.exec();
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 1);
    form.close();
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 1);
}

void TForm1Test::escapeDoesNotClose()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
    form.close();
}

void TForm1Test::missingFileDoesNotOpen()
{
    TestUtil::WorkingFolder folder;
    StudentRecord record;
    try {
        TForm1 form(record);
        QFAIL("window opened");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi_les1.dat"));
    }
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
}

void TForm1Test::badRecordDoesNotOpen()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", {}));
    StudentRecord record;
    QVERIFY_THROWS_EXCEPTION(ContentError, TForm1 form(record));
}

void TForm1Test::emptyFileTellsStudent()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, QByteArray(100, '\0'));
    StudentRecord record;
    TestUtil::ModalAnswerer answerer;
    TForm1 form(record);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Файл пуст - scsi\\quest\\scsi_les1.dat")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(TestUtil::child<QLabel>(&form, QStringLiteral("Question_label"))->text(), QString());
    addStep(form, {0, 0});
    QCOMPARE(form.exercise().steps().size(), 1);
}

void TForm1Test::hintPanel()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    auto *action = TestUtil::child<QAction>(&form, QStringLiteral("help_pan1"));
    auto *panel = TestUtil::child<Thelp_panel>(&form, QStringLiteral("help_panel"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Панель подсказки"));
    QVERIFY(panel->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!panel->isVisible());
    const QList<QLabel *> labels = panel->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 10);
    QCOMPARE(labels[0]->text(), QStringLiteral("BF - Bus Free"));
    QCOMPARE(labels[9]->text(), QStringLiteral("MO - Message OUT"));
    QCOMPARE(labels[1]->y() - labels[0]->y(), 20);

    action->trigger();
    QVERIFY(action->isChecked());
    QVERIFY(panel->isVisible());
    action->trigger();
    QVERIFY(!action->isChecked());
    QVERIFY(!panel->isVisible());
    action->trigger();
    QVERIFY(panel->isVisible());
    panel->close(); // its own title-bar button
    QVERIFY(!panel->isVisible());
    QVERIFY(!action->isChecked());
    action->trigger();
    QVERIFY(panel->isVisible());
    form.close();
    QVERIFY(!panel->isVisible());
}

void TForm1Test::sizesDialog()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QAction>(&form, QStringLiteral("size1"))->trigger();
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("FMDlg1")});
}

void TForm1Test::appliedParametersRedraw()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase("t", kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    addStep(form, kAnswer[0]);
    addStep(form, kAnswer[1]);
    // In the dialog: a bigger gap and bigger labels, then "Применить".
    TestUtil::ModalAnswerer answerer([](QWidget *modal) {
        TestUtil::child<QSpinBox>(modal, QStringLiteral("E_dist"))->setValue(150);
        TestUtil::child<QSpinBox>(modal, QStringLiteral("E_font"))->setValue(18);
        TestUtil::child<QPushButton>(modal, QStringLiteral("Button1"))->click();
        TestUtil::child<QPushButton>(modal, QStringLiteral("Button_exit1"))->click();
    });
    form.size1Click();
    QCOMPARE(answerer.modalNames(), QStringList{QStringLiteral("FMDlg1")});
    // The label size is applied with the rest.
    QCOMPARE(form.exercise().parameters(), (ChainParameters{150, 40, 10, 18}));
    const QImage image = TestUtil::child<QWidget>(&form, QStringLiteral("Main_Box"))->grab().toImage();
    QCOMPARE(QColor(image.pixel(175, 12)), QColor(Qt::white)); // no longer at the old place
    QCOMPARE(QColor(image.pixel(246, 25)), QColor(0, 128, 0)); // 50 + 190 + 6
}

void TForm1Test::screenshots()
{
    if (qEnvironmentVariableIsEmpty("SHINO_SCREENSHOTS"))
        QSKIP("SHINO_SCREENSHOTS not set");
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::phase(*Cp1251::encode(kText), kAnswer));
    StudentRecord record;
    TForm1 form(record);
    form.show();
    for (const PhaseStep &step : kAnswer)
        addStep(form, step);
    TestUtil::saveScreenshot(&form, QStringLiteral("Form1"));
    auto *panel = TestUtil::child<Thelp_panel>(&form, QStringLiteral("help_panel"));
    TestUtil::child<QAction>(&form, QStringLiteral("help_pan1"))->trigger();
    TestUtil::saveScreenshot(panel, QStringLiteral("help_panel"));
    form.close();
}

QTEST_MAIN(TForm1Test)
#include "tst_tform1.moc"
