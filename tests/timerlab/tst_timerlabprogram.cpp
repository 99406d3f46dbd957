#include "timerlab/controlword.h"
#include "timerlab/labvariants.h"
#include "timerlab/pctimer.h"
#include "timerlab/portprogram.h"
#include "timerlab/simulationspeed.h"

#include <QtTest>

class TestTimerLabProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addRow("hex with h") << "9Ch" << 0x9C;
        QTest::addRow("hex with leading zero") << "0B6h" << 0xB6;
        QTest::addRow("hex with 0x") << "0x43" << 0x43;
        QTest::addRow("binary") << "00110110b" << 0x36;
        QTest::addRow("decimal") << "156" << 156;
        QTest::addRow("hex digit b is not binary") << "1Bh" << 0x1B;
        QTest::addRow("not a number") << "zz" << -1;
        QTest::addRow("empty") << "" << -1;
        QTest::addRow("binary with other digits is decimal") << "102b" << -1;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(PortProgram::parseNumber(text).value_or(-1), value);
    }

    void syntaxErrorsNameTheLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        QTest::addRow("unknown command") << "OUT 43h, 36h\nMOV AL, 36h"
                                         << "Строка 2: неизвестная команда «MOV» (допустимы OUT, IN, WAIT, GATE)";
        QTest::addRow("value above a byte") << "OUT 40h, 300"
                                            << "Строка 1: значение 300 не помещается в байт (0–255, 00h–0FFh)";
        QTest::addRow("port outside the timer")
            << "; comment\n\nIN 60h"
            << "Строка 3: порт 60h не относится к таймеру (допустимы 40h, 41h, 42h, 43h или 61h)";
        QTest::addRow("missing value") << "OUT 43h"
                                       << "Строка 1: после OUT нужны порт и значение через запятую: OUT 43h, 36h";
        QTest::addRow("bad wait")
            << "WAIT долго"
            << "Строка 1: после WAIT нужно число тактов или время: WAIT 100, WAIT 20 мкс, WAIT 5 мс";
        QTest::addRow("bad number") << "OUT 4Gh, 1"
                                    << "Строка 1: «4Gh» не является числом";
    }
    void syntaxErrorsNameTheLine()
    {
        QFETCH(QString, source);
        QFETCH(QString, message);
        PortProgram program;
        const auto error = PortProgram::parse(source, program);
        QVERIFY(error);
        QCOMPARE(error->message, message);
        QVERIFY(program.commands().isEmpty());
    }

    void programRunsAgainstTheTimer()
    {
        PortProgram program;
        QVERIFY(!PortProgram::parse(QStringLiteral("out 43h, 0B6h ; channel 2\n"
                                                   "OUT 42h, 0E8h\nOUT 42h, 03h\n"
                                                   "OUT 61h, 01h\n"
                                                   "WAIT 4\n"
                                                   "OUT 43h, 80h\nIN 42h\nIN AL, 42h\n"
                                                   "WAIT 1 мкс\n"
                                                   "OUT 43h, 0E8h\nIN 42h\n"),
                                    program));
        PcTimer timer;
        PortProgramRunner runner(program, timer);
        const auto results = runner.runAll();
        QCOMPARE(results.size(), 11);
        // Loaded on the first pulse after GATE2 rose, then three decrements by two.
        QCOMPARE(results[6].valueRead.value_or(-1), (1000 - 6) & 0xFF);
        QCOMPARE(results[7].valueRead.value_or(-1), (1000 - 6) >> 8);
        QCOMPARE(results[6].text, QStringLiteral("IN 42h -> 0E2h (1110 0010b)"));
        QCOMPARE(results[8].text, QStringLiteral("WAIT: 1 тактов CLK"));
        QCOMPARE(results[10].valueRead.value_or(-1), 0xB6);
        QCOMPARE(timer.time(), 5);
    }

    void waitUnits_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<qint64>("clocks");
        QTest::addRow("periods") << "WAIT 100" << qint64(100);
        QTest::addRow("periods named") << "WAIT 7 тактов" << qint64(7);
        QTest::addRow("microseconds") << "WAIT 20 мкс" << qint64(24);
        QTest::addRow("microseconds, latin") << "wait 20 us" << qint64(24);
        QTest::addRow("milliseconds") << "WAIT 2 мс" << qint64(2386);
        QTest::addRow("milliseconds, latin, decimal comma") << "WAIT 0,5 ms" << qint64(597);
    }
    void waitUnits()
    {
        QFETCH(QString, source);
        QFETCH(qint64, clocks);
        PortProgram program;
        QVERIFY(!PortProgram::parse(source, program));
        PcTimer timer;
        PortProgramRunner(program, timer).runAll();
        QCOMPARE(timer.time(), clocks);
    }

    void gateCommandNeedsFreeWiring()
    {
        PortProgram program;
        QVERIFY(!PortProgram::parse(QStringLiteral("GATE 1, 0"), program));
        PcTimer timer;
        PortProgramRunner pcRunner(program, timer);
        QVERIFY(!pcRunner.step().warning.isEmpty());
        QVERIFY(timer.gate(1));
        timer.setPcWiring(false);
        PortProgramRunner freeRunner(program, timer);
        QVERIFY(freeRunner.step().warning.isEmpty());
        QVERIFY(!timer.gate(1));
    }

    void controlWordsOfTask1_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("description");
        QTest::addRow("36h")
            << 0x36
            << "SC = 00: канал 0\nRW = 11: младший, затем старший байт\nM = 011: режим 3\nBCD = 0: двоичный счёт";
        QTest::addRow("74h")
            << 0x74
            << "SC = 01: канал 1\nRW = 11: младший, затем старший байт\nM = 010: режим 2\nBCD = 0: двоичный счёт";
        QTest::addRow("3Bh") << 0x3B
                             << "SC = 00: канал 0\nRW = 11: младший, затем старший байт\nM = 101: режим 5\nBCD = 1: "
                                "двоично-десятичный счёт";
        QTest::addRow("x10 is mode 2")
            << 0x1C << "SC = 00: канал 0\nRW = 01: только младший байт\nM = 110: режим 2\nBCD = 0: двоичный счёт";
        QTest::addRow("40h latches channel 1") << 0x40 << "SC = 01: канал 1\nRW = 00: команда фиксации счётчика";
        QTest::addRow("E4h reads back count of channel 1")
            << 0xE4
            << "SC = 11: команда обратного чтения (только i8254)\nCOUNT# = 1: счётчики не фиксировать\nSTATUS# = 0: "
               "фиксировать байты состояния\nCNT2 CNT1 CNT0 = 010: каналы 1";
    }
    void controlWordsOfTask1()
    {
        QFETCH(int, byte);
        QFETCH(QString, description);
        QCOMPARE(ControlWord::decode(uint8_t(byte)).describe(), description);
    }

    void variantChecks_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("mustMention");
        QTest::addRow("1: 50 Hz from channel 0") << 1 << 0x36 << "23864" << true << "погрешность";
        QTest::addRow("1: wrong mode") << 1 << 0x34 << "23864" << false << "режим 2, а по варианту нужен режим 3";
        QTest::addRow("1: LSB only cannot hold the count") << 1 << 0x16 << "23864" << false << "RW = 11";
        QTest::addRow("2: count of 119 in LSB-only format") << 2 << 0x54 << "119" << true << "только младший байт";
        QTest::addRow("4: delay counts N + 1") << 4 << 0x30 << "35794" << true << "29,9996 мс";
        QTest::addRow("4: far from the best count") << 4 << 0x30 << "30000" << false << "точнее всего N = 35794";
        QTest::addRow("7: BCD register value") << 7 << 0x37 << "2000h" << true << "1000,00 Гц";
        QTest::addRow("7: BCD needs BCD = 1") << 7 << 0x36 << "2000" << false << "BCD = 1";
        QTest::addRow("9: 40000 fits binary") << 9 << 0xB4 << "40000" << true << "100,00 Гц";
        QTest::addRow("11: BCD range") << 11 << 0x77 << "12000" << false << "вне допустимого диапазона 2…10000";
        QTest::addRow("latch command is not a mode word") << 3 << 0x80 << "1356" << false << "команда фиксации";
    }
    void variantChecks()
    {
        QFETCH(int, variant);
        QFETCH(int, word);
        QFETCH(QString, count);
        QFETCH(bool, right);
        QFETCH(QString, mustMention);
        const VariantVerdict verdict = checkVariant(labVariants()[variant - 1], uint8_t(word), count);
        const QString text = verdict.lines.join(QLatin1Char('\n'));
        QVERIFY2(text.contains(mustMention), qPrintable(text));
        QCOMPARE(verdict.right, right);
    }

    void speedCarriesFractions()
    {
        double carry = 0;
        qint64 total = 0;
        for (int i = 0; i < 100; ++i)
            total += SimulationSpeed::pulsesFor(1, 250, carry);
        QCOMPARE(total, 25);
        carry = 0;
        QCOMPARE(SimulationSpeed::pulsesFor(1e6, 10000, carry), 250000);
    }
};

QTEST_APPLESS_MAIN(TestTimerLabProgram)
#include "tst_timerlabprogram.moc"
