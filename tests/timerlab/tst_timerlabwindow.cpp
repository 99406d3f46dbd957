#include "timerlab/channelpanel.h"
#include "timerlab/programpanel.h"
#include "timerlab/timerlabwindow.h"
#include "timerlab/variantpanel.h"
#include "timerlab/waveformview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestTimerLabWindow : public QObject {
    Q_OBJECT

    template <typename T> static T *child(QWidget *parent, const QString &name)
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }

private Q_SLOTS:
    void initTestCase() { qputenv("QT_MEDIA_BACKEND", "ffmpeg"); }

    void channelPanelProgramsAndReadsTheCounter()
    {
        TimerLabWindow window;
        window.show();
        auto *word = child<QLineEdit>(&window, QStringLiteral("ControlWordEdit0"));
        word->setText(QStringLiteral("00110100b"));
        QVERIFY(child<QLabel>(&window, QStringLiteral("DecodedLabel0"))
                    ->text()
                    .contains(QStringLiteral("M = 010: режим 2")));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("WriteControlButton0")), Qt::LeftButton);
        child<QLineEdit>(&window, QStringLiteral("CountEdit0"))->setText(QStringLiteral("1000"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("LoadCountButton0")), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("StepButton")), Qt::LeftButton);
        QCOMPARE(int(window.timer().chip().counter(0).countingElement()), 998);
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("LatchButton0")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("ReadButton0")), Qt::LeftButton);
        QCOMPARE(child<QLabel>(&window, QStringLiteral("ReadResult0"))->text(),
                 QStringLiteral("IN 40h -> 0E6h (11100110b)"));
        const QString log = child<QPlainTextEdit>(&window, QStringLiteral("PortLog"))->toPlainText();
        QVERIFY2(log.contains(QStringLiteral("OUT 43h, 34h")) && log.contains(QStringLiteral("OUT 40h, 0E8h")) &&
                     log.contains(QStringLiteral("OUT 40h, 03h")),
                 qPrintable(log));
        QVERIFY(child<QLabel>(&window, QStringLiteral("StateLabel0"))
                    ->text()
                    .contains(QStringLiteral("Счётчик зафиксирован")));
    }

    void runAndPause()
    {
        TimerLabWindow window;
        auto *run = child<QPushButton>(&window, QStringLiteral("RunButton"));
        QTest::mouseClick(run, Qt::LeftButton);
        QVERIFY(window.running());
        QCOMPARE(run->text(), QStringLiteral("Пауза"));
        window.advanceFor(1000);
        QCOMPARE(window.timer().time(), 1); // 5 periods a second; a stalled second counts as a quarter
        QTest::mouseClick(run, Qt::LeftButton);
        QVERIFY(!window.running());
        QCOMPARE(run->text(), QStringLiteral("Пуск"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("ResetButton")), Qt::LeftButton);
        QCOMPARE(window.timer().time(), 0);
    }

    void programTabRunsTheExample()
    {
        TimerLabWindow window;
        auto *panel = child<ProgramPanel>(&window, QStringLiteral("ProgramPanel"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("ProgramRunButton")), Qt::LeftButton);
        QVERIFY2(panel->errorText().isEmpty(), qPrintable(panel->errorText()));
        QVERIFY(panel->resultsText().contains(QStringLiteral("IN 42h -> ")));
        QCOMPARE(TimerLabWindow::speakerTone(window.timer()), PcTimer::kPcClockHz / 2712);
        panel->editor()->setPlainText(QStringLiteral("OUT 43h, 36h\nJMP start"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("ProgramStepButton")), Qt::LeftButton);
        QCOMPARE(panel->errorText(),
                 QStringLiteral("Строка 2: неизвестная команда «JMP» (допустимы OUT, IN, WAIT, GATE)"));
    }

    void programsAreSavedAndLoaded()
    {
        TimerLabWindow window;
        auto *panel = child<ProgramPanel>(&window, QStringLiteral("ProgramPanel"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prog.txt"));
        panel->editor()->setPlainText(QStringLiteral("OUT 43h, 36h ; канал 0"));
        QVERIFY(panel->saveTo(file));
        panel->editor()->clear();
        QVERIFY(panel->loadFrom(file));
        QCOMPARE(panel->editor()->toPlainText(), QStringLiteral("OUT 43h, 36h ; канал 0"));
        QVERIFY(!panel->loadFrom(dir.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(panel->errorText().contains(QStringLiteral("missing.txt")));
    }

    void variantTabChecksTheAnswer()
    {
        TimerLabWindow window;
        auto *panel = child<VariantPanel>(&window, QStringLiteral("VariantPanel"));
        child<QComboBox>(&window, QStringLiteral("VariantBox"))->setCurrentIndex(2); // variant 3: 880 Hz
        child<QLineEdit>(&window, QStringLiteral("VariantControlWord"))->setText(QStringLiteral("0B6h"));
        child<QLineEdit>(&window, QStringLiteral("VariantCount"))->setText(QStringLiteral("1356"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("VariantCheckButton")), Qt::LeftButton);
        QVERIFY2(panel->verdictText().startsWith(QStringLiteral("Всё верно.")), qPrintable(panel->verdictText()));
        child<QLineEdit>(&window, QStringLiteral("VariantControlWord"))->setText(QStringLiteral("1FFh"));
        QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("VariantCheckButton")), Qt::LeftButton);
        QVERIFY(panel->verdictText().contains(QStringLiteral("не является байтом")));
    }

    void waveformShowsTheSquareWave()
    {
        TimerLabWindow window;
        window.timer().setPcWiring(false);
        window.timer().out(0x43, 0x16);
        window.timer().out(0x40, 4);
        window.timer().advance(40);
        WaveformView *view = window.waveform();
        view->resize(700, view->sizeHint().height());
        view->setPixelsPerClock(16);
        const QImage image = view->grab().toImage();
        const int outRow = WaveformView::kAxisHeight + WaveformView::rowOf(0, 2) * WaveformView::kRowHeight;
        // OUT0 changes after pulses 37 and 39 (drawn on their falling CLK edges).
        const double lastHigh = view->xOf(37.5);
        const double lastLow = view->xOf(39.5);
        const QColor highPixel = image.pixelColor(int(lastHigh), outRow + 4);
        const QColor lowPixel = image.pixelColor(int(lastLow), outRow + WaveformView::kRowHeight - 5);
        QVERIFY2(highPixel.blue() > 120 && highPixel.red() < 100, qPrintable(highPixel.name()));
        QVERIFY2(lowPixel.blue() > 120 && lowPixel.red() < 100, qPrintable(lowPixel.name()));
        if (qEnvironmentVariableIsSet("SHINO_SCREENSHOTS"))
            window.grab().save(qEnvironmentVariable("SHINO_SCREENSHOTS") + QStringLiteral("/timerlab.png"));
    }
};

QTEST_MAIN(TestTimerLabWindow)
#include "tst_timerlabwindow.moc"
