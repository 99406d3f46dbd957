#include "pci/lessoncellpainter.h"
#include "pci/lessonfiles.h"
#include "pci/lessongrid.h"
#include "pci/signalstates.h"
#include "pci/tlesson.h"
#include "platform/contenterror.h"
#include "platform/random.h"
#include "testutil.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace SignalStates;

namespace {

const QStringList kPins{"CLK", "AD", "C/BE#", "FRAME#", "IRDY#", "TRDY#", "DEVSEL#", "STOP#", "REQ#", "GNT#", "IDSEL"};

// The diagram every fixture task asks for: an address on AD over periods 1-3
// and FRAME# low for periods 2-4.
const QStringList kAnswer{"709666666", "?????????", "425344444", "444444444", "444444444",
                          "444444444", "444444444", "444444444", "444444444", "444444444"};

void writeLesson(const TestUtil::WorkingFolder &folder)
{
    folder.writeCp1251(QStringLiteral("pci/lesson/pins.txt"), kPins.join(QStringLiteral("\r\n")) + "\r\n");
    QStringList tasks;
    for (int k = 1; k <= 17; ++k)
        tasks << QStringLiteral("задачу номер %1.\"").arg(k);
    folder.writeCp1251(QStringLiteral("pci/lesson/task.txt"), tasks.join(QStringLiteral("\r\n")) + "\r\n");
    for (int k = 1; k <= 17; ++k)
        folder.writeCp1251(QStringLiteral("pci/lesson/answer%1.txt").arg(k), kAnswer.join(QStringLiteral("\r\n")));
}

QPoint centre(TLesson &lesson, int row, int column)
{
    return lesson.grid()->cellRect(row, column).center();
}

void rightClick(TLesson &lesson, int column)
{
    QTest::mouseClick(lesson.grid()->viewport(), Qt::RightButton, {}, centre(lesson, 5, column));
}

void selectRow(TLesson &lesson, int row)
{
    QTest::mouseClick(lesson.grid()->viewport(), Qt::LeftButton, {}, centre(lesson, row, 4));
}

// Draws the fixture answer with the mouse, as a student would.
void drawAnswer(TLesson &lesson)
{
    selectRow(lesson, 1);
    rightClick(lesson, 1);
    rightClick(lesson, 3);
    selectRow(lesson, 3);
    rightClick(lesson, 2);
    rightClick(lesson, 4);
}

QPushButton *button(TLesson &lesson, const char *name)
{
    return TestUtil::child<QPushButton>(&lesson, QString::fromLatin1(name));
}

QString label(TLesson &lesson, const char *name)
{
    return TestUtil::child<QLabel>(&lesson, QString::fromLatin1(name))->text();
}

QString taskText(TLesson &lesson)
{
    return LessonFiles::kTaskPrefix + QStringLiteral("задачу номер %1.\"").arg(lesson.rules().currentTask());
}

bool black(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::black);
}

QImage cellImage(int state, int column = 3, bool active = false, bool pending = false)
{
    QImage image(LessonGrid::CellWidth, LessonGrid::CellHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    LessonCellPainter::Cell cell{column, state, active, pending};
    LessonCellPainter::paint(painter, image.rect(), cell);
    return image;
}

} // namespace

class PciLessonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::seed(11); }
    void cellDrawing_data();
    void cellDrawing();
    void clockCell();
    void guidesAndActiveRow();
    void openingShowsTheFirstTask();
    void mouseEditingAndGridPixels();
    void rightAnswersToTheSummary();
    void wrongRetryGiveUpFlow();
    void escapeClearsAndEnterExits();
    void badFilesDoNotOpen_data();
    void badFilesDoNotOpen();
    void screenshot();
};

void PciLessonTest::cellDrawing_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<QPoint>>("drawn");
    QTest::addColumn<QList<QPoint>>("blank");
    // x-mid 25, transitions from x 20 to 30; y-high 4, y-mid 19, y-low 34
    const QPoint hl(10, 4), hr(40, 4), ml(10, 19), mr(40, 19), ll(10, 34), lr(40, 34);
    QTest::addRow("0 valid value") << 0 << QList<QPoint>{hl, hr, ll, lr} << QList<QPoint>{ml, mr};
    QTest::addRow("2 falling edge") << 2 << QList<QPoint>{hl, lr} << QList<QPoint>{hr, ll, ml};
    QTest::addRow("3 rising edge") << 3 << QList<QPoint>{ll, hr} << QList<QPoint>{hl, lr, ml};
    QTest::addRow("4 high") << 4 << QList<QPoint>{hl, hr} << QList<QPoint>{ll, lr, ml};
    QTest::addRow("5 low") << 5 << QList<QPoint>{ll, lr} << QList<QPoint>{hl, hr, ml};
    QTest::addRow("6 high impedance") << 6 << QList<QPoint>{ml, mr} << QList<QPoint>{hl, ll, hr, lr};
    QTest::addRow("7 value starts") << 7 << QList<QPoint>{ml, hr, lr} << QList<QPoint>{hl, ll, mr};
    QTest::addRow("8 value changes") << 8 << QList<QPoint>{hl, ll, hr, lr} << QList<QPoint>{ml, mr};
    QTest::addRow("9 value ends") << 9 << QList<QPoint>{hl, ll, mr} << QList<QPoint>{hr, lr, ml};
    QTest::addRow("10 don't care") << 10 << QList<QPoint>{} << QList<QPoint>{hl, hr, ml, mr, ll, lr};
}

void PciLessonTest::cellDrawing()
{
    QFETCH(int, state);
    QFETCH(QList<QPoint>, drawn);
    QFETCH(QList<QPoint>, blank);
    const QImage image = cellImage(state);
    for (const QPoint &p : drawn)
        QVERIFY2(black(image, p.x(), p.y()), qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    for (const QPoint &p : blank)
        QVERIFY2(image.pixelColor(p) == QColor(Qt::white),
                 qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    // the slope of an edge passes through the middle of the period
    if (state == FallingEdge || state == RisingEdge)
        QVERIFY(black(image, 25, 19) || black(image, 25, 18) || black(image, 24, 19));
}

void PciLessonTest::clockCell()
{
    QImage image(LessonGrid::CellWidth, LessonGrid::CellHeight, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    {
        QPainter painter(&image);
        LessonCellPainter::paint(painter, image.rect(), {4, ClockPeriod, false, false});
    }
    QVERIFY(black(image, 10, 4));  // high after the rise at the left edge
    QVERIFY(black(image, 40, 34)); // low after the fall in the middle
    QVERIFY(!black(image, 10, 34));
    QCOMPARE(image.pixelColor(10, 12), QColor(192, 192, 192)); // not cleared
    int red = 0;
    for (int y = 18; y < 36; ++y) {
        for (int x = 0; x < 20; ++x)
            red += image.pixelColor(x, y).red() > image.pixelColor(x, y).green() + 80;
    }
    QVERIFY2(red > 5, "the period number in red at the lower left");
}

void PciLessonTest::guidesAndActiveRow()
{
    const auto guidePixels = [](const QImage &image, const QColor &colour) {
        int n = 0;
        for (int y = 0; y < 36; ++y)
            n += image.pixelColor(25, y) == colour;
        return n;
    };
    const QImage plain = cellImage(High);
    QVERIFY(guidePixels(plain, LessonCellPainter::kGuide) > 5);
    QCOMPARE(plain.pixelColor(10, 12), QColor(Qt::white));
    int grey = 0;
    for (int x = 0; x < 51; ++x)
        grey += plain.pixelColor(x, 0) == LessonCellPainter::kGridLine;
    QVERIFY2(grey > 10 && grey < 45, "a dotted top line");

    const QImage active = cellImage(High, 3, true, false);
    QCOMPARE(active.pixelColor(10, 12), LessonCellPainter::kActiveFill);
    QCOMPARE(active.pixelColor(1, 12), QColor(Qt::white)); // the white outline
    QVERIFY(guidePixels(active, LessonCellPainter::kGuide) > 5);

    const QImage pending = cellImage(High, 3, true, true);
    QVERIFY(guidePixels(pending, LessonCellPainter::kPendingGuide) > 5);
    QCOMPARE(guidePixels(pending, LessonCellPainter::kGuide), 0);

    const QImage names = cellImage(High, 0);
    QCOMPARE(guidePixels(names, LessonCellPainter::kGuide), 0);
    QVERIFY(!black(names, 10, 4));
}

void PciLessonTest::openingShowsTheFirstTask()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    QCOMPARE(lesson.objectName(), QStringLiteral("Lesson"));
    QCOMPARE(lesson.windowTitle(), QStringLiteral("Электронный урок - задание № 1"));
    QCOMPARE(lesson.size(), QSize(632, 453));
    QCOMPARE(label(lesson, "Label1"), taskText(lesson));
    QVERIFY(lesson.rules().currentTask() >= 1 && lesson.rules().currentTask() <= 6);
    QCOMPARE(TestUtil::child<QGroupBox>(&lesson, "GroupBox1")->title(), QStringLiteral("Результаты"));
    QCOMPARE(label(lesson, "Label2"), QStringLiteral("Всего вопросов: 3"));
    QCOMPARE(label(lesson, "Label3"), QStringLiteral("Всего ответов: 0"));
    QCOMPARE(label(lesson, "Label4"), QStringLiteral("Верных ответов: 0"));
    QCOMPARE(label(lesson, "Label5"), QStringLiteral("Повторено: 0"));
    const QStringList captions{"&Готово", "&Очистить", "&Дальше", "&Ещё раз", "Сда&юсь", "&Справка", "&Выход"};
    const char *names[] = {"ReadyBt", "ClearBt", "NextBt", "RetryBt", "GiveupBt", "HelpBtn", "ExitBt"};
    const bool enabled[] = {true, true, false, false, false, true, true};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(button(lesson, names[i])->text(), captions.at(i));
        QCOMPARE(button(lesson, names[i])->isEnabled(), enabled[i]);
    }
    QVERIFY(button(lesson, "ExitBt")->isDefault());
    LessonGrid *grid = lesson.grid();
    QCOMPARE(grid->rowCount(), 11);
    QCOMPARE(grid->columnCount(), 10);
    QCOMPARE(grid->cellRect(2, 3), QRect(3 * 51, 2 * 36, 51, 36));
    for (int row = 0; row < 11; ++row)
        QCOMPARE(grid->item(row, 0)->text(), kPins.at(row));
    QCOMPARE(lesson.rules().activeRow(), 1);
}

void PciLessonTest::mouseEditingAndGridPixels()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    selectRow(lesson, 4);
    QCOMPARE(lesson.rules().activeRow(), 4);
    // right clicks in row 5 still edit row 4 and leave it selected
    rightClick(lesson, 2);
    QCOMPARE(lesson.rules().pendingColumn(), 2);
    rightClick(lesson, 5);
    QCOMPARE(lesson.rules().activeRow(), 4);
    QCOMPARE(lesson.rules().pendingColumn(), 0);
    const quint8 expected[] = {4, 2, 5, 5, 3, 4, 4, 4, 4};
    for (int column = 1; column <= 9; ++column)
        QCOMPARE(lesson.rules().state(4, column), expected[column - 1]);
    QCOMPARE(lesson.rules().state(5, 3), quint8(High));
    // a click on the clock row or the names does not change the row edited
    QTest::mouseClick(lesson.grid()->viewport(), Qt::LeftButton, {}, centre(lesson, 0, 3));
    QTest::mouseClick(lesson.grid()->viewport(), Qt::LeftButton, {}, centre(lesson, 7, 0));
    QCOMPARE(lesson.rules().activeRow(), 4);

    const QImage image = lesson.grid()->grab().toImage();
    const QRect low = lesson.grid()->cellRect(4, 3);
    QVERIFY(black(image, low.left() + 10, low.top() + 34));
    QCOMPARE(image.pixelColor(low.left() + 10, low.top() + 12), LessonCellPainter::kActiveFill);
    const QRect high = lesson.grid()->cellRect(5, 3);
    QVERIFY(black(image, high.left() + 10, high.top() + 4));
    QCOMPARE(image.pixelColor(high.left() + 10, high.top() + 12), QColor(Qt::white));
    const QRect clock = lesson.grid()->cellRect(0, 1);
    QVERIFY(black(image, clock.left() + 10, clock.top() + 4));
    QVERIFY(black(image, clock.left() + 40, clock.top() + 34));
}

void PciLessonTest::rightAnswersToTheSummary()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TestUtil::ModalAnswerer answerer;
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    for (int task = 1; task <= 3; ++task) {
        QCOMPARE(lesson.windowTitle(), QStringLiteral("Электронный урок - задание № %1").arg(task));
        QCOMPARE(label(lesson, "Label1"), taskText(lesson));
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(lesson.rules().state(row, 2), quint8(rowKind(row) == RowKind::Bus ? 6 : 4));
        drawAnswer(lesson);
        button(lesson, "ReadyBt")->click();
    }
    QCOMPARE(answerer.texts(), (QStringList{"Ответ верный", "Ответ верный", "Ответ верный",
                                            "Правильных ответов 3 из 3\r\nСделано 0 повторных попыток ответа"}));
    QCOMPARE(answerer.captions(),
             (QStringList{"Результат проверки", "Результат проверки", "Результат проверки", "Урок закончен"}));
    QCOMPARE(answerer.icons(), (QList<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Warning,
                                                         QMessageBox::Warning, QMessageBox::Information}));
    QVERIFY(!lesson.isVisible());
    QCOMPARE(lesson.result(), int(QDialog::Accepted));
    QCOMPARE(label(lesson, "Label4"), QStringLiteral("Верных ответов: 3"));
    QCOMPARE(label(lesson, "Label3"), QStringLiteral("Всего ответов: 3"));
}

void PciLessonTest::wrongRetryGiveUpFlow()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TestUtil::ModalAnswerer answerer;
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    // task 1: wrong, then "Дальше"
    button(lesson, "ReadyBt")->click();
    QCOMPARE(answerer.texts(), QStringList{"Ответ неверный"});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(label(lesson, "Label1"), QStringLiteral("Допущена ошибка в диаграммах сигналов: AD; FRAME#; "));
    QVERIFY(button(lesson, "RetryBt")->isEnabled() && button(lesson, "NextBt")->isEnabled());
    QVERIFY(!button(lesson, "ReadyBt")->isEnabled() && !button(lesson, "GiveupBt")->isEnabled());
    button(lesson, "NextBt")->click();
    QCOMPARE(lesson.windowTitle(), QStringLiteral("Электронный урок - задание № 2"));
    // task 2: wrong, retry, wrong again, give up
    button(lesson, "ReadyBt")->click();
    button(lesson, "RetryBt")->click();
    QCOMPARE(label(lesson, "Label1"), taskText(lesson));
    QVERIFY(button(lesson, "ReadyBt")->isEnabled() && !button(lesson, "RetryBt")->isEnabled());
    selectRow(lesson, 3);
    rightClick(lesson, 2);
    rightClick(lesson, 4);
    button(lesson, "ReadyBt")->click();
    QCOMPARE(label(lesson, "Label1"), QStringLiteral("Допущена ошибка в диаграммах сигналов: AD; "));
    QCOMPARE(label(lesson, "Label5"), QStringLiteral("Повторено: 1"));
    QVERIFY(button(lesson, "GiveupBt")->isEnabled() && !button(lesson, "RetryBt")->isEnabled());
    button(lesson, "GiveupBt")->click();
    QCOMPARE(label(lesson, "Label1"), QStringLiteral("П Р А В И Л Ь Н Ы Й   О Т В Е Т:"));
    QCOMPARE(lesson.rules().state(1, 1), quint8(ValueStarts));
    QCOMPARE(lesson.rules().state(2, 1), quint8(DontCare));
    QVERIFY(!button(lesson, "GiveupBt")->isEnabled());
    TestUtil::saveScreenshot(&lesson, QStringLiteral("pci_lesson_answer"));
    // task 3: right
    button(lesson, "NextBt")->click();
    drawAnswer(lesson);
    button(lesson, "ReadyBt")->click();
    QCOMPARE(answerer.texts().last(),
             QStringLiteral("Правильных ответов 1 из 3\r\nСделано 1 повторных попыток ответа"));
    QVERIFY(!lesson.isVisible());
}

void PciLessonTest::escapeClearsAndEnterExits()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lesson));
    selectRow(lesson, 3);
    rightClick(lesson, 2);
    rightClick(lesson, 4);
    QCOMPARE(lesson.rules().state(3, 2), quint8(FallingEdge));
    QTest::keyClick(lesson.grid(), Qt::Key_Escape);
    QVERIFY(lesson.isVisible());
    QCOMPARE(lesson.rules().state(3, 2), quint8(High));
    QTest::keyClick(lesson.grid(), Qt::Key_Down);
    QCOMPARE(lesson.rules().activeRow(), 4);
    QTest::keyClick(lesson.grid(), Qt::Key_Return);
    QVERIFY(!lesson.isVisible());
    QCOMPARE(lesson.result(), int(QDialog::Accepted));
}

void PciLessonTest::badFilesDoNotOpen_data()
{
    QTest::addColumn<QStringList>("remove");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addRow("no names") << QStringList{"pins.txt"} << "" << QByteArray()
                              << "Cannot open file pci\\lesson\\pins.txt";
    QTest::addRow("no tasks") << QStringList{"task.txt"} << "" << QByteArray()
                              << "Cannot open file pci\\lesson\\task.txt";
    QTest::addRow("no answers to tasks 1-6")
        << QStringList{"answer1.txt", "answer2.txt", "answer3.txt", "answer4.txt", "answer5.txt", "answer6.txt"} << ""
        << QByteArray() << "Cannot open file pci\\lesson\\answer";
    QTest::addRow("short names") << QStringList{} << "pins.txt" << QByteArray("CLK\r\nAD\r\n")
                                 << "Файл pci\\lesson\\pins.txt: строк 2, нужно 11";
    QTest::addRow("empty tasks") << QStringList{} << "task.txt" << QByteArray()
                                 << "Файл pci\\lesson\\task.txt: строк 0, нужно 17";
    QTest::addRow("binary tasks") << QStringList{} << "task.txt" << QByteArray("\x00\x01\xff\x80", 4)
                                  << "Файл pci\\lesson\\task.txt: строк 1, нужно 17";
}

void PciLessonTest::badFilesDoNotOpen()
{
    QFETCH(QStringList, remove);
    QFETCH(QString, replace);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    for (const QString &name : remove)
        QVERIFY(QFile::remove(folder.path() + QStringLiteral("/pci/lesson/") + name));
    if (!replace.isEmpty())
        folder.write(QStringLiteral("pci/lesson/") + replace, bytes);
    TLesson lesson;
    try {
        lesson.run();
        QFAIL("the lesson opened");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
    }
    QVERIFY(!lesson.isVisible());
}

void PciLessonTest::screenshot()
{
    TestUtil::WorkingFolder folder;
    writeLesson(folder);
    TLesson lesson;
    lesson.FormShow();
    lesson.show();
    drawAnswer(lesson);
    selectRow(lesson, 5);
    rightClick(lesson, 4);
    rightClick(lesson, 8);
    selectRow(lesson, 6);
    rightClick(lesson, 5);
    TestUtil::saveScreenshot(&lesson, QStringLiteral("pci_lesson"));
    QVERIFY(lesson.isVisible());
}

QTEST_MAIN(PciLessonTest)
#include "tst_pcilesson.moc"
