#include "platform/contenterror.h"
#include "platform/random.h"
#include "scsi/studentrecord.h"
#include "taskrecords.h"
#include "testutil.h"
#include "usb/tform11.h"
#include "usb/usbexercise.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kTaskFile = QStringLiteral("usb/quest/usb_les.dat");

UsbTaskRecord task(quint8 pid, quint8 address, quint8 endpoint, quint8 dataPid, quint8 data)
{
    return UsbTaskRecord::fromBytes(TaskRecords::usb("task", pid, address, endpoint, dataPid, data));
}

QByteArray jpeg(const QColor &colour)
{
    QImage image(553, 401, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// A working folder with the two pictures and one task: IN to address 5,
// endpoint 3, DATA1 with the byte A5h.
void writePackage(const TestUtil::WorkingFolder &folder)
{
    folder.write(QStringLiteral("test1.jpg"), jpeg(Qt::white));
    folder.write(QStringLiteral("error1.jpg"), jpeg(Qt::red));
    folder.write(kTaskFile, TaskRecords::usb("\xC7\xE0\xE4\xE0\xED\xE8\xE5", 0x69, 5, 3, 0x4B, 0xA5));
}

const UsbExercise::Answer kRight{QStringLiteral("01101001"), QStringLiteral("0000101"), QStringLiteral("0011"),
                                 QStringLiteral("01001011"), QStringLiteral("10100101")};

void type(TForm11 &form, const UsbExercise::Answer &answer)
{
    const QStringList names{"edit_pid", "edit_addr", "edit_endp", "edit_piddat", "edit_data"};
    const QStringList texts{answer.pid, answer.address, answer.endpoint, answer.dataPid, answer.data};
    for (int i = 0; i < 5; ++i) {
        auto *edit = TestUtil::child<QLineEdit>(&form, names[i]);
        edit->clear();
        QTest::keyClicks(edit, texts[i]);
    }
}

} // namespace

class UsbExerciseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(3); }
    void compareOrder_data();
    void compareOrder();
    void recordReader_data();
    void recordReader();
    void taskFiles_data();
    void taskFiles();
    void missingTaskFile();
    void counting();
    void windowControls();
    void rightCheck();
    void wrongCheckShowsErrorPicture();
    void wrongCheckThenCloseCountsOnce();
    void closeWithoutCheck();
    void enterWalksTheEdits();
    void escapeDoesNothing();
    void binaryEntry();
    void missingPictures_data();
    void missingPictures();
    void corruptErrorPicture();
    void emptyTaskFile();
    void shippedTasks();
    void shippedPackageWindow();
};

void UsbExerciseTest::compareOrder_data()
{
    QTest::addColumn<UsbExercise::Answer>("answer");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("difference");
    using F = UsbExercise::Fault;
    UsbExercise::Answer a = kRight;
    QTest::addRow("all right") << a << 5 << int(F::None);
    a = kRight;
    a.pid = QStringLiteral("11100001");
    a.address = QStringLiteral("1111111");
    QTest::addRow("pid first") << a << 5 << int(F::Pid);
    a = kRight;
    a.address = QStringLiteral("000101");
    a.data = QString();
    QTest::addRow("six-character address is 0") << a << 5 << int(F::Address);
    a = kRight;
    a.address = QStringLiteral("111111");
    QTest::addRow("six-character address matches 0") << a << 0 << int(F::None);
    a = kRight;
    a.endpoint = QStringLiteral("0010");
    QTest::addRow("endpoint") << a << 5 << int(F::Endpoint);
    a = kRight;
    a.endpoint = QStringLiteral("11");
    QTest::addRow("short endpoint is 0") << a << 5 << int(F::Endpoint);
    a = kRight;
    a.dataPid = QStringLiteral("11000011");
    QTest::addRow("data pid") << a << 5 << int(F::DataPid);
    a = kRight;
    a.data = QStringLiteral("1010010");
    QTest::addRow("seven-character byte is 0") << a << 5 << int(F::Data);
}

void UsbExerciseTest::compareOrder()
{
    QFETCH(UsbExercise::Answer, answer);
    QFETCH(int, address);
    QFETCH(int, difference);
    QCOMPARE(int(UsbExercise::judge(answer, task(0x69, quint8(address), 3, 0x4B, 0xA5)).fault), difference);
}

void UsbExerciseTest::recordReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pid");
    QTest::addColumn<int>("data");
    QTest::addRow("text up to zero byte")
        << TaskRecords::usb("\xD8\xE8\xED\xE0\0junk", 0x2D, 1, 2, 0xC3, 7) << QStringLiteral("Шина") << 0x2D << 7;
    QByteArray full(UsbTaskRecord::kSize, 'a');
    full[0] = 'X';
    full[501] = char(0xE1);
    full[505] = char(0x11);
    QTest::addRow("no zero byte: field's end") << full << QString(500, QLatin1Char('a')) << 0xE1 << 0x11;
    QTest::addRow("short record padded") << QByteArray("\0abc", 4) << QStringLiteral("abc") << 0 << 0;
    QTest::addRow("hostile bytes") << QByteArray(UsbTaskRecord::kSize, '\xFF') << QString(500, QChar(0x044F)) << 0xFF
                                   << 0xFF;
}

void UsbExerciseTest::recordReader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, pid);
    QFETCH(int, data);
    const UsbTaskRecord task = UsbTaskRecord::fromBytes(bytes);
    QCOMPARE(task.text, text);
    QCOMPARE(int(task.pid), pid);
    QCOMPARE(int(task.data), data);
}

void UsbExerciseTest::taskFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("texts");
    QTest::addRow("empty") << QByteArray() << false << QStringList();
    QTest::addRow("shorter than a record") << QByteArray(505, 'x') << false << QStringList();
    QTest::addRow("one record") << TaskRecords::usb("one", 1, 2, 3, 4, 5) << true << QStringList{"one"};
    QTest::addRow("odd size: two records and a rest")
        << TaskRecords::usb("one", 1, 2, 3, 4, 5) + TaskRecords::usb("two", 1, 2, 3, 4, 5) + QByteArray(37, '\xFF')
        << true << QStringList{"one", "two"};
    QTest::addRow("hostile: no zero bytes")
        << QByteArray(3 * UsbTaskRecord::kSize + 1, '\x01') << true << QStringList{QString(500, QChar(1))};
}

void UsbExerciseTest::taskFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loaded);
    QFETCH(QStringList, texts);
    TestUtil::WorkingFolder folder;
    folder.write(kTaskFile, bytes);
    StudentRecord student;
    UsbExercise exercise(student);
    for (int round = 0; round < 10; ++round) {
        QCOMPARE(exercise.loadTask(), loaded);
        if (loaded)
            QVERIFY2(texts.contains(exercise.task().text), qPrintable(exercise.task().text.left(20)));
    }
}

void UsbExerciseTest::missingTaskFile()
{
    TestUtil::WorkingFolder folder;
    StudentRecord student;
    UsbExercise exercise(student);
    try {
        exercise.loadTask();
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file usb\\quest\\usb_les.dat"));
    }
}

void UsbExerciseTest::counting()
{
    StudentRecord student;
    {
        UsbExercise exercise(student);
        exercise.setTask(task(0x69, 5, 3, 0x4B, 0xA5));
        QVERIFY(!exercise.tally().checked());
        QVERIFY(exercise.check(kRight).right());
        QVERIFY(exercise.tally().checked());
        QVERIFY(exercise.tally().checkedThisOpening());
        exercise.next();
        QVERIFY(!exercise.tally().checked());
        UsbExercise::Answer wrong = kRight;
        wrong.data = QStringLiteral("00000000");
        QVERIFY(!exercise.check(wrong).right());
        QCOMPARE(exercise.tally().tasksGiven(), 2);
        QCOMPARE(exercise.tally().tasksRight(), 1);
        exercise.close();
        exercise.close();
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 2);
    QCOMPARE(student.value(StudentRecord::Task1Right), 1);
    UsbExercise unchecked(student);
    unchecked.close();
    unchecked.close();
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 3);
    QCOMPARE(student.value(StudentRecord::Task1Right), 1);
    QCOMPARE(student.value(StudentRecord::QuestionsAsked), 0);
}

void UsbExerciseTest::windowControls()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    TForm11 form(student);
    QCOMPARE(form.objectName(), QStringLiteral("Form11"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Задание ( USB )"));
    QCOMPARE(TestUtil::child<QWidget>(&form, "GroupBox1")->property("title").toString(), QStringLiteral("Задание :"));
    QCOMPARE(TestUtil::child<QLabel>(&form, "Question_label")->text(), QStringLiteral("Задание"));
    auto *image = TestUtil::child<QLabel>(&form, "Image1");
    QCOMPARE(image->size(), QSize(553, 401));
    QCOMPARE(form.pictureFile(), QStringLiteral("test1.jpg"));
    const struct {
        const char *name;
        QRect rect;
        int maxLength;
    } edits[] = {{"edit_pid", {110, 92, 90, 22}, 8},
                 {"edit_addr", {220, 92, 90, 22}, 7},
                 {"edit_endp", {330, 92, 60, 22}, 4},
                 {"edit_piddat", {110, 262, 90, 22}, 8},
                 {"edit_data", {225, 262, 120, 22}, 8}};
    for (const auto &e : edits) {
        auto *edit = TestUtil::child<QLineEdit>(&form, QString::fromLatin1(e.name));
        QCOMPARE(edit->parentWidget(), image);
        QCOMPARE(edit->geometry(), e.rect);
        QCOMPARE(edit->maxLength(), e.maxLength);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(!edit->isReadOnly());
    }
    QCOMPARE(TestUtil::child<QPushButton>(&form, "Ready_btn")->text(), QStringLiteral("ГОТОВО"));
    QCOMPARE(TestUtil::child<QPushButton>(&form, "b_next")->text(), QStringLiteral("Дальше ->"));
    QVERIFY(TestUtil::child<QPushButton>(&form, "b_next")->isHidden());
    auto *panel = TestUtil::child<QWidget>(&form, "Panel1");
    QCOMPARE(TestUtil::child<QLabel>(panel, "Label1")->text(), QStringLiteral("Кол-во заданий :"));
    QCOMPARE(TestUtil::child<QLabel>(panel, "Label2")->text(), QStringLiteral("Выполненно верно :"));
    QCOMPARE(TestUtil::child<QLineEdit>(panel, "e_all_les")->text(), QStringLiteral("0"));
    QCOMPARE(TestUtil::child<QLineEdit>(panel, "e_r_les")->text(), QStringLiteral("0"));
    QVERIFY(TestUtil::child<QLineEdit>(panel, "e_all_les")->isReadOnly());
}

void UsbExerciseTest::rightCheck()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    {
        TForm11 form(student);
        form.show();
        type(form, kRight);
        TestUtil::saveScreenshot(&form, QStringLiteral("usb_form11_typed"));
        TestUtil::ModalAnswerer answerer;
        TestUtil::child<QPushButton>(&form, "Ready_btn")->click();
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Задание выполненно верно !")});
        QCOMPARE(answerer.icons().first(), QMessageBox::Information);
        QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
        QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_r_les")->text(), QStringLiteral("1"));
        QCOMPARE(TestUtil::child<QPushButton>(&form, "Ready_btn")->text(), QStringLiteral("ВЫХОД"));
        QVERIFY(TestUtil::child<QPushButton>(&form, "b_next")->isVisible());
        QVERIFY(TestUtil::child<QLineEdit>(&form, "edit_pid")->isReadOnly());
        QCOMPARE(form.pictureFile(), QStringLiteral("test1.jpg"));
        QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
        QCOMPARE(student.value(StudentRecord::Task1Right), 1);
        // "ВЫХОД" closes the window
        TestUtil::child<QPushButton>(&form, "Ready_btn")->click();
        QVERIFY(!form.isVisible());
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
}

void UsbExerciseTest::wrongCheckShowsErrorPicture()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    TForm11 form(student);
    form.show();
    UsbExercise::Answer wrong = kRight;
    wrong.endpoint = QStringLiteral("0001");
    type(form, wrong);
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QPushButton>(&form, "Ready_btn")->click();
    QCoreApplication::processEvents(); // a message the check posted would show now
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(form.pictureFile(), QStringLiteral("error1.jpg"));
    const QImage shown = TestUtil::child<QLabel>(&form, "Image1")->pixmap().toImage();
    QVERIFY(qAbs(shown.pixelColor(10, 10).red() - 255) < 10 && shown.pixelColor(10, 10).green() < 20);
    TestUtil::saveScreenshot(&form, QStringLiteral("usb_form11_wrong"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_r_les")->text(), QStringLiteral("0"));
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(student.value(StudentRecord::Task1Right), 0);

    TestUtil::child<QPushButton>(&form, "b_next")->click();
    QCOMPARE(form.pictureFile(), QStringLiteral("test1.jpg"));
    QVERIFY(TestUtil::child<QPushButton>(&form, "b_next")->isHidden());
    QCOMPARE(TestUtil::child<QPushButton>(&form, "Ready_btn")->text(), QStringLiteral("ГОТОВО"));
    QVERIFY(!TestUtil::child<QLineEdit>(&form, "edit_pid")->isReadOnly());
    QVERIFY(TestUtil::child<QLineEdit>(&form, "edit_endp")->text().isEmpty());
    QVERIFY(!form.exercise().tally().checked());
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));
}

void UsbExerciseTest::wrongCheckThenCloseCountsOnce()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    {
        TForm11 form(student);
        form.show();
        TestUtil::child<QPushButton>(&form, "Ready_btn")->click(); // empty edits: wrong
        QCOMPARE(form.pictureFile(), QStringLiteral("error1.jpg"));
        form.close();
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(student.value(StudentRecord::Task1Right), 0);
}

void UsbExerciseTest::closeWithoutCheck()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    {
        TForm11 form(student);
        QTimer::singleShot(0, &form, [&form] { form.reject(); });
        form.exec();
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
    {
        TForm11 form(student);
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        form.exec();
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 2);
    QCOMPARE(student.value(StudentRecord::Task1Right), 0);
}

void UsbExerciseTest::enterWalksTheEdits()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    TestUtil::ModalAnswerer answerer;
    TForm11 form(student);
    form.show();
    auto *ready = TestUtil::child<QPushButton>(&form, "Ready_btn");
    QVERIFY(!ready->isDefault());
    const QStringList names{"edit_pid", "edit_addr", "edit_endp", "edit_piddat", "edit_data"};
    const QStringList texts{kRight.pid, kRight.address, kRight.endpoint, kRight.dataPid, kRight.data};
    // A half-typed answer: Enter in each edit but the last moves on and counts nothing.
    for (int i = 0; i < 4; ++i) {
        auto *edit = TestUtil::child<QLineEdit>(&form, names[i]);
        edit->setFocus();
        QTest::keyClicks(edit, texts[i].left(3));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form.focusWidget(), TestUtil::child<QLineEdit>(&form, names[i + 1]));
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.exercise().tally().tasksGiven(), 0);
        QCOMPARE(student.value(StudentRecord::Task1Attempts), 0);
        QVERIFY(!edit->isReadOnly());
    }
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(form.pictureFile(), TForm11::packetPicture());
    QCOMPARE(ready->text(), QStringLiteral("ГОТОВО"));

    // Enter in the data byte checks the answer once.
    type(form, kRight);
    auto *data = TestUtil::child<QLineEdit>(&form, "edit_data");
    QTest::keyClick(data, Qt::Key_Return);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Задание выполненно верно !")});
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(student.value(StudentRecord::Task1Right), 1);
    // A second Enter neither checks again nor closes the window.
    QTest::keyClick(data, Qt::Key_Return);
    QVERIFY(form.isVisible());
    QCOMPARE(form.exercise().tally().tasksGiven(), 1);
    QCOMPARE(answerer.count(), 1);
    // Space on the focused button presses it: "ВЫХОД".
    ready->setFocus();
    QTest::keyClick(ready, Qt::Key_Space);
    QVERIFY(!form.isVisible());
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
}

void UsbExerciseTest::escapeDoesNothing()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    TestUtil::ModalAnswerer answerer;
    {
        TForm11 form(student);
        bool stillOpen = false;
        QString typed;
        QTimer::singleShot(0, &form, [&] {
            auto *pid = TestUtil::child<QLineEdit>(&form, "edit_pid");
            QTest::keyClicks(pid, QStringLiteral("0110"));
            QTest::keyClick(pid, Qt::Key_Escape);
            QTest::keyClick(&form, Qt::Key_Escape);
            stillOpen = form.isVisible();
            typed = pid->text();
            form.done(QDialog::Accepted);
        });
        form.exec();
        QVERIFY(stillOpen);
        QCOMPARE(typed, QStringLiteral("0110"));
        QCOMPARE(answerer.count(), 0);
    }
    // Only the closing counts, once.
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
}

void UsbExerciseTest::binaryEntry()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    StudentRecord student;
    TForm11 form(student);
    form.show();
    auto *edit = TestUtil::child<QLineEdit>(&form, "edit_addr");
    QTest::keyClicks(edit, QStringLiteral("1a0 2b1x"));
    QCOMPARE(edit->text(), QStringLiteral("101"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("10"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QTest::keyClicks(edit, QStringLiteral("111111111"));
    QCOMPARE(edit->text(), QStringLiteral("1111111"));

    auto *data = TestUtil::child<QLineEdit>(&form, "edit_data");
    QGuiApplication::clipboard()->setText(QStringLiteral("1a0b1 x"));
    data->setFocus();
    QTest::keyClick(data, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(data->text(), QStringLiteral("101"));
}

void UsbExerciseTest::missingPictures_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("message");
    QTest::addRow("packet picture") << QStringLiteral("test1.jpg") << QStringLiteral("Cannot open file test1.jpg");
    QTest::addRow("task file") << QStringLiteral("usb/quest/usb_les.dat")
                               << QStringLiteral("Cannot open file usb\\quest\\usb_les.dat");
}

void UsbExerciseTest::missingPictures()
{
    QFETCH(QString, missing);
    QFETCH(QString, message);
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    QFile::remove(folder.path() + QLatin1Char('/') + missing);
    StudentRecord student;
    try {
        TForm11 form(student);
        QFAIL("the window was created");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), message);
    }
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 0);
}

void UsbExerciseTest::corruptErrorPicture()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    folder.write(QStringLiteral("error1.jpg"), jpeg(Qt::red).left(300));
    StudentRecord student;
    TForm11 form(student);
    form.show();
    TestUtil::ModalAnswerer answerer;
    TestUtil::child<QPushButton>(&form, "Ready_btn")->click();
    QCOMPARE(answerer.count(), 1);
    QVERIFY2(answerer.texts().first().startsWith(QStringLiteral("Файл error1.jpg: ")),
             qPrintable(answerer.texts().first()));
    QCOMPARE(form.pictureFile(), QStringLiteral("test1.jpg"));
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
    QCOMPARE(TestUtil::child<QLineEdit>(&form, "e_all_les")->text(), QStringLiteral("1"));

    // the packet picture broken in the meantime: "Дальше ->" changes nothing
    folder.write(QStringLiteral("test1.jpg"), QByteArray("broken"));
    answerer.clear();
    TestUtil::child<QPushButton>(&form, "b_next")->click();
    QCOMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().first().startsWith(QStringLiteral("Файл test1.jpg: ")));
    QVERIFY(TestUtil::child<QPushButton>(&form, "b_next")->isVisible());
    QCOMPARE(TestUtil::child<QPushButton>(&form, "Ready_btn")->text(), QStringLiteral("ВЫХОД"));
}

void UsbExerciseTest::emptyTaskFile()
{
    TestUtil::WorkingFolder folder;
    writePackage(folder);
    folder.write(kTaskFile, QByteArray(100, 'x'));
    StudentRecord student;
    TestUtil::ModalAnswerer answerer;
    TForm11 form(student);
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Файл пуст - usb\\quest\\usb_les.dat")});
    QVERIFY(TestUtil::child<QLabel>(&form, "Question_label")->text().isEmpty());
}

void UsbExerciseTest::shippedTasks()
{
    const QString path = TestUtil::packageFolder() + QStringLiteral("/usb/quest/usb_les.dat");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the package content is not built");
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size() % UsbTaskRecord::kSize, 0);
    QVERIFY(bytes.size() >= UsbTaskRecord::kSize);
    const QList<int> tokens{0xE1, 0x69, 0x2D};
    const QList<int> dataPids{0xC3, 0x4B};
    for (int i = 0; i < bytes.size() / UsbTaskRecord::kSize; ++i) {
        const QByteArray raw = bytes.mid(i * UsbTaskRecord::kSize, UsbTaskRecord::kSize);
        const UsbTaskRecord task = UsbTaskRecord::fromBytes(raw);
        const QByteArray name = "task " + QByteArray::number(i + 1);
        QVERIFY2(raw.indexOf('\0', 1) > 1 && raw.indexOf('\0', 1) <= UsbRecordFormat::kTextLength, name.constData());
        QVERIFY2(!task.text.trimmed().isEmpty(), name.constData());
        QVERIFY2(tokens.contains(task.pid), name.constData());
        QVERIFY2(task.address < 128, name.constData());
        QVERIFY2(task.endpoint < 16, name.constData());
        QVERIFY2(dataPids.contains(task.dataPid), name.constData());
    }
}

// The window on the package's own files: the packet picture and a real task.
void UsbExerciseTest::shippedPackageWindow()
{
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty() || !QFileInfo::exists(package + QStringLiteral("/test1.jpg")) ||
        !QFileInfo::exists(package + QStringLiteral("/error1.jpg")) ||
        !QFileInfo::exists(package + QStringLiteral("/usb/quest/usb_les.dat")))
        QSKIP("the package content is not built");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(package);
    StudentRecord student;
    {
        TForm11 form(student);
        form.show();
        QVERIFY(!form.exercise().task().text.isEmpty());
        QCOMPARE(TestUtil::child<QLabel>(&form, "Image1")->pixmap().size(), QSize(553, 401));
        TestUtil::saveScreenshot(&form, QStringLiteral("usb_form11_package"));
        // every shipped task text fits its label
        auto *label = TestUtil::child<QLabel>(&form, "Question_label");
        const QByteArray bytes = [] {
            QFile file(QStringLiteral("usb/quest/usb_les.dat"));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        for (int i = 0; i < bytes.size() / UsbTaskRecord::kSize; ++i) {
            const QString text = UsbTaskRecord::fromBytes(bytes.mid(i * UsbTaskRecord::kSize)).text;
            const QRect needed =
                label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
            QVERIFY2(needed.height() <= label->height(), qPrintable(text));
        }
        TestUtil::child<QLineEdit>(&form, "edit_pid")->setText(QStringLiteral("1111"));
        TestUtil::child<QPushButton>(&form, "Ready_btn")->click();
        QCOMPARE(form.pictureFile(), QStringLiteral("error1.jpg"));
        TestUtil::saveScreenshot(&form, QStringLiteral("usb_form11_package_wrong"));
        form.close();
    }
    QDir::setCurrent(previous);
    QCOMPARE(student.value(StudentRecord::Task1Attempts), 1);
}

QTEST_MAIN(UsbExerciseTest)
#include "tst_usbexercise.moc"
