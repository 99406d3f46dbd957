// The device-interaction exercise window: the schematic as painted, the
// answer checks through the result window, the counters and the mark.
#include "isa/interactschematic.h"
#include "platform/random.h"
#include "tst_isawindows.h"

#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using TestUtil::child;
using namespace InteractSchematic;

namespace {

const QColor kBackground(Qt::white);

QImage painted(const State &state)
{
    QImage image(409, 437, QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter, state, kBackground, image.size());
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

QString enabledButtons()
{
    QString state;
    for (QPushButton *button : {InteractForm->BitBtn1, InteractForm->BitBtn2, InteractForm->BitBtn3,
                                InteractForm->BitBtn5, InteractForm->BitBtn6})
        state += button->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

QString counters()
{
    return InteractForm->Label11->text() + QLatin1Char('/') + InteractForm->Label12->text() + QLatin1Char('/') +
           InteractForm->Label13->text();
}

void setBoxes(const InteractAnswers::Row &row)
{
    for (int k = 0; k < InteractAnswers::SignalCount; ++k)
        InteractForm->signalBox(k)->setChecked(row[k]);
}

InteractAnswers::Row rightRow()
{
    return InteractForm->exercise().rightAnswer();
}

InteractAnswers::Row wrongRow()
{
    InteractAnswers::Row row = rightRow();
    row[12] = !row[12];
    return row;
}

// Answers with a row, then presses the result window's OK.
void answer(const InteractAnswers::Row &row)
{
    setBoxes(row);
    InteractForm->BitBtn1->click();
    QVERIFY(ResInteractForm->isVisible());
    ResInteractForm->BitBtn1->click();
}

bool allBoxesEnabled(bool enabled)
{
    for (int k = 0; k < InteractAnswers::SignalCount; ++k) {
        if (InteractForm->signalBox(k)->isEnabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

class TestIsaInteract : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Random::seed(5);
        m_windows = std::make_unique<IsaWindows>();
        ISAForm->show();
        ISAForm->N7->trigger();
    }

    void cleanup() { m_windows.reset(); }

    void plainSchematic()
    {
        const QImage image = painted(State{});
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(at(image, 0, lineY(k)), Grey);
            QCOMPARE(at(image, 345, lineY(k)), Grey);
            QCOMPARE(at(image, 200, lineY(k)), Grey);
            QCOMPARE(at(image, 347, lineY(k)), kBackground);
        }
        // Buses and their arrowheads.
        for (int y : {10, 25, 55, 70})
            QCOMPARE(at(image, 200, y), Grey);
        QCOMPARE(at(image, 3, 17), Grey);
        QCOMPARE(at(image, 407, 62), Grey);
        // The divider between the processor and the DMA controller.
        QCOMPARE(at(image, 360, 155), Grey);
        QCOMPARE(at(image, 361, 300), Grey);
        QCOMPARE(at(image, 360, 390), kBackground);
        // Data drops pass the address bus; address drops start below it.
        QCOMPARE(at(image, 65, 40), Grey);
        QCOMPARE(at(image, 65, 62), kBackground);
        QCOMPARE(at(image, 305, 80), Grey);
        QCOMPARE(at(image, 95, 80), Grey);
        QCOMPARE(at(image, 95, 40), kBackground);
        QCOMPARE(at(image, 345, 85), Grey);
        // Blue labels inside the buses.
        bool blue = false;
        for (int x = 120; x < 250 && !blue; ++x)
            for (int y = 11; y < 25 && !blue; ++y)
                blue = at(image, x, y).blue() > 200 && at(image, x, y).red() < 120 && at(image, x, y).green() < 120;
        QVERIFY(blue);
    }

    void tapsAndLines_data()
    {
        QTest::addColumn<int>("devices");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("taps");
        const int memoryAndProcessor = InteractAnswers::Memory | InteractAnswers::Processor;
        QTest::addRow("TC in task 1") << memoryAndProcessor << 15 << QList<int>({235, 350});
        QTest::addRow("CLK in task 1") << memoryAndProcessor << 0 << QList<int>({160, 275});
        QTest::addRow("BALE in task 3") << (InteractAnswers::IoDevice | InteractAnswers::Processor) << 1
                                        << QList<int>({45, 280});
        QTest::addRow("-DACK in task 4") << (InteractAnswers::IoDevice | InteractAnswers::Memory) << 14
                                         << QList<int>({110, 230});
        QTest::addRow("-REFRESH in task 5") << int(InteractAnswers::Memory) << 11 << QList<int>({215});
    }
    void tapsAndLines()
    {
        QFETCH(int, devices);
        QFETCH(int, row);
        QFETCH(QList<int>, taps);
        State state;
        state.devices = devices;
        state.marked[row] = true;
        const QImage image = painted(state);
        const int y = lineY(row);
        QCOMPARE(at(image, 0, y), Red);
        QCOMPARE(at(image, 345, y), Red);
        for (int k = 0; k < 16; ++k) {
            if (k != row)
                QCOMPARE(at(image, 20, lineY(k)), Grey);
        }
        for (int x : taps) {
            QCOMPARE(at(image, x, TapTop), Red);
            QCOMPARE(at(image, x, y - 8), Red);
            QCOMPARE(at(image, x + 1, y + 2), Red);
            QCOMPARE(at(image, x - 1, y + 2), Red);
            QCOMPARE(at(image, x, y + 4), kBackground);
            // The tap crosses every line above its own.
            for (int k = 0; k < row; ++k)
                QCOMPARE(at(image, x, lineY(k)), Red);
        }
        // No tap below the devices the task does not use.
        for (auto device : {InteractAnswers::IoDevice, InteractAnswers::Memory, InteractAnswers::Processor}) {
            if (!(devices & device))
                QCOMPARE(at(image, tapX(device, row), y - 8), kBackground);
        }
    }

    void unmarkingErasesTapsAndRepaintsTheLinesAbove()
    {
        State state;
        state.devices = InteractAnswers::Memory | InteractAnswers::Processor;
        state.marked[3] = true;
        state.marked[15] = true;
        const QImage both = painted(state);
        QCOMPARE(at(both, 235, lineY(9)), Red);
        QCOMPARE(at(both, 175, lineY(2)), Red); // row 3's memory tap
        state.marked[15] = false;
        const QImage one = painted(state);
        QCOMPARE(at(one, 235, 300), kBackground);
        QCOMPARE(at(one, 235, lineY(9)), Grey);
        QCOMPARE(at(one, 235, lineY(3)), Red);
        QCOMPARE(at(one, 200, lineY(15)), Grey);
        QCOMPARE(at(one, 175, lineY(2)), Red);
    }

    void startingTheExercise()
    {
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(InteractForm->isVisible());
        QCOMPARE(InteractForm->windowTitle(), QStringLiteral("Изучение взаимодействия устройств на шине"));
        QCOMPARE(InteractForm->Label3->text(), QStringLiteral("Задание 1:"));
        QCOMPARE(InteractForm->Label4->text(), InteractAnswers::title(1, InteractForm->exercise().variant()));
        QCOMPARE(counters(), QStringLiteral("0/0/0"));
        QCOMPARE(InteractForm->Label10->text(), QStringLiteral("5"));
        QCOMPARE(enabledButtons(), QStringLiteral("11110"));
        for (int k = 0; k < 16; ++k) {
            QCheckBox *box = InteractForm->signalBox(k);
            QCOMPARE(box->objectName(), InteractAnswers::checkBoxName(k));
            QCOMPARE(box->pos(), QPoint(0, 232 + 16 * k));
            QCOMPARE(box->text(), InteractAnswers::signalCaption(k));
            // The row's line lies level with its box.
            const int lineInWindow = InteractForm->PaintBox1->y() + lineY(k);
            QVERIFY(lineInWindow >= box->y() && lineInWindow < box->y() + box->height());
        }
        QCOMPARE(InteractForm->PaintBox1->geometry(), QRect(112, 52, 409, 437));
    }

    void marksSurviveARepaint()
    {
        QCheckBox *tc = InteractForm->signalBox(15);
        QTest::mouseClick(tc, Qt::LeftButton, {}, QPoint(6, tc->height() / 2));
        QVERIFY(tc->isChecked());
        QImage image = InteractForm->PaintBox1->grab().toImage();
        QCOMPARE(image.pixelColor(200, lineY(15)), Red);
        QCOMPARE(image.pixelColor(235, 300), Red);
        // Covered and uncovered: the marks are drawn again.
        InteractForm->hide();
        InteractForm->show();
        InteractForm->PaintBox1->repaint();
        image = InteractForm->PaintBox1->grab().toImage();
        QCOMPARE(image.pixelColor(235, 300), Red);
        QTest::mouseClick(tc, Qt::LeftButton, {}, QPoint(6, tc->height() / 2));
        image = InteractForm->PaintBox1->grab().toImage();
        QCOMPARE(image.pixelColor(200, lineY(15)), Grey);
        QCOMPARE(image.pixelColor(235, 300), InteractForm->palette().color(QPalette::Window));
        QCOMPARE(image.pixelColor(235, lineY(4)), Grey);
    }

    void rightAnswerAtFirstTry()
    {
        setBoxes(rightRow());
        InteractForm->BitBtn1->click();
        QCOMPARE(enabledButtons(), QStringLiteral("00000"));
        QVERIFY(allBoxesEnabled(false));
        QVERIFY(ResInteractForm->isVisible());
        QCOMPARE(ResInteractForm->windowTitle(), QStringLiteral("Результат"));
        QCOMPARE(ResInteractForm->Label1->text(), QStringLiteral("Допущено ошибок:"));
        QCOMPARE(ResInteractForm->Label2->text(), QStringLiteral("0"));
        QCOMPARE(ResInteractForm->Label3->text(), QStringLiteral("Абсолютно верно!"));
        ResInteractForm->BitBtn1->click();
        QVERIFY(!ResInteractForm->isVisible());
        QCOMPARE(counters(), QStringLiteral("1/1/0"));
        QCOMPARE(enabledButtons(), QStringLiteral("00100"));
        QVERIFY(allBoxesEnabled(false));
        QVERIFY(InteractForm->signalBox(0)->isChecked());
        QCOMPARE(InteractForm->PaintBox1->state().marked, InteractAnswers::Row{});
        InteractForm->BitBtn3->click();
        QCOMPARE(InteractForm->Label3->text(), QStringLiteral("Задание 2:"));
        QCOMPARE(enabledButtons(), QStringLiteral("11110"));
        QVERIFY(allBoxesEnabled(true));
        QVERIFY(!InteractForm->signalBox(0)->isChecked());
    }

    void wrongThenRight()
    {
        setBoxes(wrongRow());
        InteractForm->BitBtn1->click();
        QCOMPARE(ResInteractForm->Label2->text(), QStringLiteral("1"));
        QCOMPARE(ResInteractForm->Label3->text(), QStringLiteral("Попробуйте еще раз!"));
        ResInteractForm->BitBtn1->click();
        QCOMPARE(counters(), QStringLiteral("0/0/1"));
        QCOMPARE(enabledButtons(), QStringLiteral("11110"));
        QVERIFY(allBoxesEnabled(true));
        QVERIFY(!InteractForm->signalBox(0)->isChecked());
        answer(rightRow());
        QCOMPARE(counters(), QStringLiteral("1/1/1"));
    }

    void twoWrongThenGiveUp()
    {
        answer(wrongRow());
        setBoxes({});
        InteractForm->BitBtn1->click();
        QCOMPARE(ResInteractForm->Label3->text(), QStringLiteral("Смотрите правильный ответ!"));
        ResInteractForm->BitBtn1->click();
        QCOMPARE(counters(), QStringLiteral("1/0/1"));
        QCOMPARE(enabledButtons(), QStringLiteral("00010"));
        InteractForm->BitBtn5->click();
        QCOMPARE(enabledButtons(), QStringLiteral("00100"));
        const InteractAnswers::Row right = rightRow();
        for (int k = 0; k < 16; ++k)
            QCOMPARE(InteractForm->signalBox(k)->isChecked(), right[k]);
        const QImage image = InteractForm->PaintBox1->grab().toImage();
        for (int k = 0; k < 16; ++k)
            QCOMPARE(image.pixelColor(20, lineY(k)), right[k] ? Red : Grey);
        InteractForm->BitBtn3->click();
        QCOMPARE(counters(), QStringLiteral("1/0/1"));
        QCOMPARE(InteractForm->Label3->text(), QStringLiteral("Задание 2:"));
    }

    void clearUnchecksWithoutCounting()
    {
        setBoxes(rightRow());
        InteractForm->BitBtn2->click();
        for (int k = 0; k < 16; ++k)
            QVERIFY(!InteractForm->signalBox(k)->isChecked());
        QCOMPARE(InteractForm->PaintBox1->state().marked, InteractAnswers::Row{});
        QCOMPARE(counters(), QStringLiteral("0/0/0"));
    }

    void fullRunToTheMark()
    {
        for (int task = 1; task <= 5; ++task) {
            QCOMPARE(InteractForm->Label3->text(), QStringLiteral("Задание %1:").arg(task));
            const int devices = InteractAnswers::devices(task);
            QCOMPARE(InteractForm->PaintBox1->state().devices, devices);
            answer(rightRow());
            if (task < 5)
                InteractForm->BitBtn3->click();
        }
        QCOMPARE(counters(), QStringLiteral("5/5/0"));
        QVERIFY(ResInteractForm->isVisible());
        QCOMPARE(ResInteractForm->Label1->text(), QStringLiteral("Ваша оценка"));
        QCOMPARE(ResInteractForm->Label2->text(), QStringLiteral("10"));
        QCOMPARE(ResInteractForm->Label3->text(), QStringLiteral("(по десятибальной шкале)"));
        QCOMPARE(enabledButtons(), QStringLiteral("00000"));
        // Closing the result window counts as its OK.
        ResInteractForm->close();
        QVERIFY(!ResInteractForm->isVisible());
        QCOMPARE(enabledButtons(), QStringLiteral("00001"));
        QCOMPARE(ResInteractForm->Label1->text(), QStringLiteral("Допущено ошибок:"));
        InteractForm->BitBtn6->click();
        QVERIFY(!InteractForm->isVisible());
        QVERIFY(ISAForm->isVisible());
        // A new start resets the counters.
        ISAForm->N7->trigger();
        QCOMPARE(counters(), QStringLiteral("0/0/0"));
        QCOMPARE(enabledButtons(), QStringLiteral("11110"));
    }

    void skippingEveryTask()
    {
        for (int task = 1; task <= 5; ++task)
            InteractForm->BitBtn3->click();
        QCOMPARE(counters(), QStringLiteral("5/0/0"));
        QVERIFY(ResInteractForm->isVisible());
        QCOMPARE(ResInteractForm->Label2->text(), QStringLiteral("0"));
        QVERIFY(allBoxesEnabled(false));
        ResInteractForm->BitBtn1->click();
        QCOMPARE(enabledButtons(), QStringLiteral("00001"));
    }

    void windowsLeftOnlyThroughButtons()
    {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(InteractForm, &escape);
        QVERIFY(!InteractForm->close());
        QVERIFY(InteractForm->isVisible());
        setBoxes(wrongRow());
        InteractForm->BitBtn1->click();
        QApplication::sendEvent(ResInteractForm, &escape);
        QVERIFY(ResInteractForm->isVisible());
        QCOMPARE(counters(), QStringLiteral("0/0/0"));
        ResInteractForm->BitBtn1->click();
        QCOMPARE(counters(), QStringLiteral("0/0/1"));
    }

    void screenshots()
    {
        setBoxes(rightRow());
        TestUtil::saveScreenshot(InteractForm, QStringLiteral("InteractForm"));
        InteractForm->BitBtn1->click();
        TestUtil::saveScreenshot(ResInteractForm, QStringLiteral("ResInteractForm"));
    }

private:
    std::unique_ptr<IsaWindows> m_windows;
};

QTEST_MAIN(TestIsaInteract)
#include "tst_isainteract.moc"
