#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/random.h"
#include "scsi/tles2_form.h"
#include "taskrecords.h"
#include "testutil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QtEndian>

namespace {

const QString kDiskPath = QStringLiteral("scsi/quest/scsi_les2.dat");

const QByteArray kRead6 = QByteArray::fromHex("080012340800");
const QByteArray kRead12 = QByteArray::fromHex("a80000001000000000080000");
const QString kText6 = QStringLiteral("Прочитать командой READ(6) 8 блоков, начиная с логического блока 1234h, "
                                      "логическое устройство 0, байт управления 0.");
const QString kText12 = QStringLiteral("Прочитать командой READ(12) 8 блоков, начиная с логического блока 1000h, "
                                       "логическое устройство 0, байт управления 0.");

template <typename T> T *ctl(QWidget *form, const QString &name)
{
    return TestUtil::child<T>(form, name);
}

void chooseSize(Tles2_form &form, int code)
{
    ctl<QRadioButton>(&form, QStringLiteral("les2_rg1_%1").arg(code))->click();
}

// Fills the form as a student who knows the answer.
void fillRight(Tles2_form &form, int sizeCode, const QByteArray &bytes)
{
    chooseSize(form, sizeCode);
    const auto fields = DescriptorLayout::fields(sizeCode);
    for (int r = 0; r < fields.size(); ++r) {
        ctl<QComboBox>(&form, QStringLiteral("Name_CB%1").arg(r + 1))
            ->setCurrentText(QString::fromLatin1(fields[r].name));
        ctl<QComboBox>(&form, QStringLiteral("num_CB%1").arg(r + 1))->setCurrentText(QString::number(fields[r].byte));
        ctl<QSpinBox>(&form, QStringLiteral("Edit%1").arg(r + 1))->setValue(fields[r].bits);
    }
    for (int i = 0; i < bytes.size(); ++i)
        ctl<QLineEdit>(&form, QStringLiteral("z_e%1").arg(i))
            ->setText(QStringLiteral("%1").arg(quint8(bytes[i]), 8, 2, QLatin1Char('0')));
}

QPushButton *ready(Tles2_form &form)
{
    return ctl<QPushButton>(&form, QStringLiteral("Button1"));
}

} // namespace

class Tles2FormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void captionsAndControls();
    void sixByteLayoutAtStart();
    void sizeChoiceShowsRows_data();
    void sizeChoiceShowsRows();
    void hiddenRowsKeepContents();
    void rightAnswer();
    void wrongSize();
    void layoutBeforeValues();
    void hiddenRowsPlayNoPart();
    void nextTask();
    void valueEditsFilterKeys();
    void closeWithoutCheck();
    void exitAfterCheck();
    void missingFileDoesNotOpen();
    void badRecordDoesNotOpen();
    void emptyFileTellsStudent();
    void screenshot();
};

void Tles2FormTest::initTestCase()
{
    Random::seed(5);
}

void Tles2FormTest::captionsAndControls()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    QCOMPARE(form.objectName(), QStringLiteral("les2_form"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Задание 2  ( заполнение дескриптора )"));
    QCOMPARE(ctl<QGroupBox>(&form, "GroupBox1")->title(), QStringLiteral("Заполните блок дескриптора комманды :"));
    QVERIFY(ctl<QLabel>(&form, "les2_label1")->wordWrap());
    auto *sizes = ctl<QGroupBox>(&form, "les2_rg1");
    QCOMPARE(sizes->title(), QStringLiteral("Размерность дескриптора"));
    const QList<QRadioButton *> radios = sizes->findChildren<QRadioButton *>();
    QCOMPARE(radios.size(), 3);
    QCOMPARE(radios[0]->text(), QStringLiteral("6 байт"));
    QCOMPARE(radios[1]->text(), QStringLiteral("10 байт"));
    QCOMPARE(radios[2]->text(), QStringLiteral("12 байт"));
    QVERIFY(radios[0]->x() < radios[1]->x() && radios[1]->x() < radios[2]->x()); // three columns
    QCOMPARE(radios[0]->y(), radios[2]->y());
    QCOMPARE(ctl<QLabel>(&form, "Label1")->text(), QStringLiteral("Название поля"));
    QCOMPARE(ctl<QLabel>(&form, "Label2")->text(), QStringLiteral("№ байта"));
    QCOMPARE(ctl<QLabel>(&form, "Label3")->text(), QStringLiteral("Кол - во разрядов"));
    QCOMPARE(ctl<QLabel>(&form, "Label4")->text(), QStringLiteral("Значения в двоичном виде"));
    for (int r = 1; r <= 13; ++r) {
        auto *name = ctl<QComboBox>(&form, QStringLiteral("Name_CB%1").arg(r));
        QCOMPARE(name->count(), 6);
        QCOMPARE(name->itemText(0), QString());
        QCOMPARE(name->itemText(5), QStringLiteral("Control"));
        auto *number = ctl<QComboBox>(&form, QStringLiteral("num_CB%1").arg(r));
        QCOMPARE(number->count(), 13);
        QCOMPARE(number->itemText(12), QStringLiteral("11"));
        auto *bits = ctl<QSpinBox>(&form, QStringLiteral("Edit%1").arg(r));
        QCOMPARE(bits->minimum(), 0);
        QCOMPARE(bits->maximum(), 8);
        QCOMPARE(bits->text(), QStringLiteral("0"));
    }
    for (int i = 0; i < 12; ++i) {
        auto *value = ctl<QLineEdit>(&form, QStringLiteral("z_e%1").arg(i));
        QCOMPARE(value->maxLength(), 8);
        QCOMPARE(value->text(), QStringLiteral("00000000"));
    }
    QCOMPARE(ready(form)->text(), QStringLiteral("ГОТОВО"));
    QCOMPARE(ready(form)->geometry().top(), 450);
    QCOMPARE(ready(form)->height(), 100);
    auto *next = ctl<QPushButton>(&form, "b_next");
    QCOMPARE(next->text(), QStringLiteral("Дальше ->"));
    QVERIFY(next->isHidden());
    auto *panel = ctl<QWidget>(&form, "Panel1");
    QCOMPARE(ctl<QLabel>(panel, "Label19")->text(), QStringLiteral("Кол-во заданий :"));
    QCOMPARE(ctl<QLabel>(panel, "Label20")->text(), QStringLiteral("Выполненно верно :"));
    QVERIFY(ctl<QLineEdit>(panel, "e_all_les")->isReadOnly());
    QVERIFY(ctl<QLineEdit>(panel, "e_r_les")->isReadOnly());
    QCOMPARE(ctl<QLineEdit>(panel, "e_all_les")->text(), QStringLiteral("0"));
}

void Tles2FormTest::sixByteLayoutAtStart()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor(*Cp1251::encode(kText12), 2, kRead12));
    StudentRecord record;
    Tles2_form form(record);
    QCOMPARE(ctl<QLabel>(&form, "les2_label1")->text(), kText12);
    QVERIFY(ctl<QRadioButton>(&form, "les2_rg1_0")->isChecked());
    QVERIFY(!ctl<QWidget>(&form, "Name_CB7")->isHidden());
    QVERIFY(ctl<QWidget>(&form, "Name_CB8")->isHidden());
    QVERIFY(ctl<QWidget>(&form, "Edit8")->isHidden());
    QVERIFY(!ctl<QWidget>(&form, "z_e5")->isHidden());
    QVERIFY(ctl<QWidget>(&form, "z_e6")->isHidden());
}

void Tles2FormTest::sizeChoiceShowsRows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("bytes");
    QTest::addRow("6 байт") << 0 << 7 << 6;
    QTest::addRow("10 байт") << 1 << 11 << 10;
    QTest::addRow("12 байт") << 2 << 13 << 12;
}

void Tles2FormTest::sizeChoiceShowsRows()
{
    QFETCH(int, code);
    QFETCH(int, rows);
    QFETCH(int, bytes);
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    chooseSize(form, code == 0 ? 2 : 0);
    chooseSize(form, code);
    for (int r = 1; r <= 13; ++r) {
        for (const char *prefix : {"Name_CB", "num_CB", "Edit"})
            QCOMPARE(ctl<QWidget>(&form, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(r))->isVisible(),
                     r <= rows);
    }
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(ctl<QWidget>(&form, QStringLiteral("z_e%1").arg(i))->isVisible(), i < bytes);
        QCOMPARE(ctl<QWidget>(&form, QStringLiteral("byte_label%1").arg(i))->isVisible(), i < bytes);
    }
    for (int bit = 0; bit < 8; ++bit)
        QVERIFY(ctl<QWidget>(&form, QStringLiteral("bit_label%1").arg(bit))->isVisible());
}

void Tles2FormTest::hiddenRowsKeepContents()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    chooseSize(form, 2);
    ctl<QComboBox>(&form, "Name_CB12")->setCurrentText(QStringLiteral("Length"));
    ctl<QLineEdit>(&form, "z_e11")->setText(QStringLiteral("11110000"));
    chooseSize(form, 0);
    chooseSize(form, 2);
    QCOMPARE(ctl<QComboBox>(&form, "Name_CB12")->currentText(), QStringLiteral("Length"));
    QCOMPARE(ctl<QLineEdit>(&form, "z_e11")->text(), QStringLiteral("11110000"));
}

void Tles2FormTest::rightAnswer()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 2, kRead12));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    fillRight(form, 2, kRead12);
    // The counters the student sees while the verdict is up.
    QStringList countsUnderVerdict;
    TestUtil::ModalAnswerer answerer([&form, &countsUnderVerdict](QWidget *modal) {
        countsUnderVerdict << ctl<QLineEdit>(&form, "e_all_les")->text() << ctl<QLineEdit>(&form, "e_r_les")->text();
        qobject_cast<QMessageBox *>(modal)->buttons().first()->click();
    });
    const QRect before = ready(form)->geometry();
    ready(form)->click();
    QCOMPARE(countsUnderVerdict, (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Задание выполнено верно ")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 1);
    QCOMPARE(record.value(StudentRecord::Task2Right), 1);
    QCOMPARE(record.value(StudentRecord::Task1Attempts), 0);
    QCOMPARE(ctl<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
    QCOMPARE(ctl<QLineEdit>(&form, "e_r_les")->text(), QStringLiteral("1"));
    QCOMPARE(ready(form)->text(), QStringLiteral("Выход"));
    QCOMPARE(ready(form)->geometry(), QRect(before.x(), 500, before.width(), 50));
    auto *next = ctl<QPushButton>(&form, "b_next");
    QVERIFY(next->isVisible());
    QCOMPARE(next->geometry(), QRect(before.x(), 450, before.width(), 50));
}

void Tles2FormTest::wrongSize()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    fillRight(form, 0, kRead6);
    chooseSize(form, 1);
    TestUtil::ModalAnswerer answerer;
    ready(form)->click();
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Неверно выбрана размерность дескриптора !")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 1);
    QCOMPARE(record.value(StudentRecord::Task2Right), 0);
    QCOMPARE(ctl<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
    QCOMPARE(ctl<QLineEdit>(&form, "e_r_les")->text(), QStringLiteral("0"));
    QCOMPARE(ready(form)->text(), QStringLiteral("Выход"));
    QCOMPARE(ready(form)->height(), 50);
}

void Tles2FormTest::layoutBeforeValues()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    fillRight(form, 0, kRead6);
    ctl<QComboBox>(&form, "num_CB3")->setCurrentText(QStringLiteral("2")); // LBA in row 3 with byte 2
    ctl<QLineEdit>(&form, "z_e0")->setText(QStringLiteral("11111111"));
    TestUtil::ModalAnswerer answerer;
    ready(form)->click();
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Поля дескриптора проставлены неверно !")});

    // Next task, the layout right and one value wrong.
    ctl<QPushButton>(&form, "b_next")->click();
    fillRight(form, 0, kRead6);
    ctl<QLineEdit>(&form, "z_e2")->setText(QStringLiteral("0001001")); // seven characters: 0, not 12h
    ready(form)->click();
    QCOMPARE(answerer.texts().last(), QStringLiteral("Неверно заполнен дескриптор !"));
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 2);
    QCOMPARE(record.value(StudentRecord::Task2Right), 0);
}

void Tles2FormTest::hiddenRowsPlayNoPart()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    chooseSize(form, 2);
    ctl<QComboBox>(&form, "Name_CB9")->setCurrentText(QStringLiteral("OpCode"));
    ctl<QSpinBox>(&form, "Edit13")->setValue(5);
    ctl<QLineEdit>(&form, "z_e7")->setText(QStringLiteral("10101010"));
    fillRight(form, 0, kRead6);
    TestUtil::ModalAnswerer answerer;
    ready(form)->click();
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Задание выполнено верно ")});
}

void Tles2FormTest::nextTask()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("first", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    fillRight(form, 2, kRead12);
    TestUtil::ModalAnswerer answerer;
    ready(form)->click();
    folder.write(kDiskPath, TaskRecords::descriptor("second", 1, {}));
    ctl<QPushButton>(&form, "b_next")->click();
    QCOMPARE(ctl<QLabel>(&form, "les2_label1")->text(), QStringLiteral("second"));
    QCOMPARE(ready(form)->text(), QStringLiteral("ГОТОВО"));
    QCOMPARE(ready(form)->geometry().top(), 450);
    QCOMPARE(ready(form)->height(), 100);
    QVERIFY(ctl<QPushButton>(&form, "b_next")->isHidden());
    QVERIFY(ctl<QRadioButton>(&form, "les2_rg1_0")->isChecked());
    QVERIFY(ctl<QWidget>(&form, "Name_CB8")->isHidden());
    for (int r = 1; r <= 13; ++r) {
        QCOMPARE(ctl<QComboBox>(&form, QStringLiteral("Name_CB%1").arg(r))->currentIndex(), 0);
        QCOMPARE(ctl<QComboBox>(&form, QStringLiteral("num_CB%1").arg(r))->currentIndex(), 0);
        QCOMPARE(ctl<QSpinBox>(&form, QStringLiteral("Edit%1").arg(r))->text(), QStringLiteral("0"));
    }
    for (int i = 0; i < 12; ++i)
        QCOMPARE(ctl<QLineEdit>(&form, QStringLiteral("z_e%1").arg(i))->text(), QStringLiteral("00000000"));
    QCOMPARE(ctl<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
}

void Tles2FormTest::valueEditsFilterKeys()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    auto *value = ctl<QLineEdit>(&form, "z_e3");
    value->setFocus();
    value->setCursorPosition(8);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(value, Qt::Key_Backspace);
    QCOMPARE(value->text(), QString());
    QTest::keyClicks(value, QStringLiteral("1x0y0z0-0+1.1 1"));
    QCOMPARE(value->text(), QStringLiteral("10000111"));
    QTest::keyClick(value, Qt::Key_Backspace);
    QTest::keyClick(value, Qt::Key_0);
    QCOMPARE(value->text(), QStringLiteral("10000110"));
}

void Tles2FormTest::closeWithoutCheck()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QVERIFY(form.close());
    form.close();
    QCOMPARE(record.counters, (std::array<qint32, 6>{0, 0, 0, 0, 1, 0}));
}

void Tles2FormTest::exitAfterCheck()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 0, kRead6));
    StudentRecord record;
    Tles2_form form(record);
    TestUtil::ModalAnswerer answerer;
    QTimer::singleShot(0, &form, [&] {
        ready(form)->click();
        ready(form)->click(); // "Выход"
    });
    form.exec();
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(record.counters, (std::array<qint32, 6>{0, 0, 0, 0, 1, 0}));
}

void Tles2FormTest::missingFileDoesNotOpen()
{
    TestUtil::WorkingFolder folder;
    StudentRecord record;
    try {
        Tles2_form form(record);
        QFAIL("window opened");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file scsi\\quest\\scsi_les2.dat"));
    }
    QCOMPARE(record.value(StudentRecord::Task2Attempts), 0);
}

void Tles2FormTest::badRecordDoesNotOpen()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor("t", 3, {}));
    StudentRecord record;
    QVERIFY_THROWS_EXCEPTION(ContentError, Tles2_form form(record));
}

void Tles2FormTest::emptyFileTellsStudent()
{
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, QByteArray());
    StudentRecord record;
    TestUtil::ModalAnswerer answerer;
    Tles2_form form(record);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Файл пуст - scsi\\quest\\scsi_les2.dat")});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Information});
    QVERIFY(ctl<QRadioButton>(&form, "les2_rg1_0")->isChecked());
}

void Tles2FormTest::screenshot()
{
    if (qEnvironmentVariableIsEmpty("SHINO_SCREENSHOTS"))
        QSKIP("SHINO_SCREENSHOTS not set");
    TestUtil::WorkingFolder folder;
    folder.write(kDiskPath, TaskRecords::descriptor(*Cp1251::encode(kText12), 2, kRead12));
    StudentRecord record;
    Tles2_form form(record);
    form.show();
    fillRight(form, 2, kRead12);
    TestUtil::saveScreenshot(&form, QStringLiteral("les2_form"));
    TestUtil::ModalAnswerer answerer;
    ready(form)->click();
    TestUtil::saveScreenshot(&form, QStringLiteral("les2_form_checked"));
    chooseSize(form, 0);
    TestUtil::saveScreenshot(&form, QStringLiteral("les2_form_6"));
}

QTEST_MAIN(Tles2FormTest)
#include "tst_tles2_form.moc"
