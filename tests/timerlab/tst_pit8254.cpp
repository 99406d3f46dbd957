#include "timerlab/pctimer.h"
#include "timerlab/pit8254.h"

#include <QtTest>

// Waveforms are written one character per CLK pulse: the level of OUT after
// the pulse's falling edge, as the datasheet's figures draw them.
class TestPit8254 : public QObject {
    Q_OBJECT

private:
    static QString run(Pit8254 &pit, int channel, int pulses)
    {
        QString levels;
        for (int i = 0; i < pulses; ++i) {
            pit.clockPulse(channel);
            levels += pit.counter(channel).out() ? QLatin1Char('1') : QLatin1Char('0');
        }
        return levels;
    }
    static void program(Pit8254 &pit, int channel, int mode, int count, bool bcd = false)
    {
        pit.write(3, uint8_t(channel << 6 | 0x30 | mode << 1 | (bcd ? 1 : 0)));
        pit.write(channel, uint8_t(count & 0xFF));
        pit.write(channel, uint8_t(count >> 8));
    }

private Q_SLOTS:
    void waveforms_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("trigger");
        QTest::addColumn<QString>("afterControlWord");
        QTest::addColumn<QString>("out");
        // Mode 0: OUT low from the control word, high N + 1 pulses after the count is written.
        QTest::addRow("mode 0, N = 4") << 0 << 4 << false << "0"
                                       << "00001111";
        // Mode 1: a low pulse of N periods starting one pulse after the GATE trigger.
        QTest::addRow("mode 1, N = 3") << 1 << 3 << true << "1"
                                       << "0001111";
        // Mode 2: low for one period at the end of every N periods.
        QTest::addRow("mode 2, N = 3") << 2 << 3 << false << "1"
                                       << "110110110";
        // Mode 3: N/2 high and N/2 low; an odd N is high one period longer.
        QTest::addRow("mode 3, N = 4") << 3 << 4 << false << "1"
                                       << "1100110011";
        QTest::addRow("mode 3, N = 5") << 3 << 5 << false << "1"
                                       << "1110011100111";
        QTest::addRow("mode 3, N = 6") << 3 << 6 << false << "1"
                                       << "111000111000";
        // Mode 4: one low strobe N + 1 pulses after the count is written, then high for good.
        QTest::addRow("mode 4, N = 3") << 4 << 3 << false << "1"
                                       << "111011111";
        // Mode 5: the same strobe, N + 1 pulses after the GATE trigger.
        QTest::addRow("mode 5, N = 3") << 5 << 3 << true << "1"
                                       << "111011111";
    }
    void waveforms()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(bool, trigger);
        QFETCH(QString, afterControlWord);
        QFETCH(QString, out);
        Pit8254 pit;
        pit.setGate(0, !trigger);
        pit.write(3, uint8_t(0x10 | mode << 1)); // channel 0, LSB only
        QCOMPARE(pit.counter(0).out() ? QStringLiteral("1") : QStringLiteral("0"), afterControlWord);
        pit.write(0, uint8_t(count));
        if (trigger) {
            QCOMPARE(run(pit, 0, 3), afterControlWord.repeated(3)); // nothing happens before the trigger
            pit.setGate(0, true);
        }
        QCOMPARE(run(pit, 0, int(out.size())), out);
    }

    void countingElementFollowsTheDatasheet_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("values");
        QTest::addRow("mode 0 counts through 0 and wraps") << 0 << 4 << QList<int>{4, 3, 2, 1, 0, 0xFFFF, 0xFFFE};
        QTest::addRow("mode 2 reloads after 1") << 2 << 3 << QList<int>{3, 2, 1, 3, 2, 1, 3};
        QTest::addRow("mode 3 counts by two") << 3 << 6 << QList<int>{6, 4, 2, 6, 4, 2, 6};
        QTest::addRow("mode 3 odd count loads N - 1") << 3 << 5 << QList<int>{4, 2, 0, 4, 2, 4, 2, 0};
        QTest::addRow("count 0 means 65536") << 2 << 0 << QList<int>{0, 0xFFFF, 0xFFFE};
    }
    void countingElementFollowsTheDatasheet()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(QList<int>, values);
        Pit8254 pit;
        program(pit, 1, mode, count);
        QList<int> seen;
        for (qsizetype i = 0; i < values.size(); ++i) {
            pit.clockPulse(1);
            seen << pit.counter(1).countingElement();
        }
        QCOMPARE(seen, values);
    }

    void gateControlsCounting_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("out");
        // Pulses: 2 with GATE = 1, 3 with GATE = 0, then 6 with GATE = 1.
        QTest::addRow("mode 0 holds the count while GATE = 0") << 0
                                                               << QStringLiteral("00"
                                                                                 "000"
                                                                                 "011111");
        QTest::addRow("mode 1 starts on the rising edge") << 1
                                                          << QStringLiteral("11"
                                                                            "111"
                                                                            "000011");
        QTest::addRow("mode 2: GATE = 0 forces OUT high, the rising edge reloads") << 2
                                                                                   << QStringLiteral("11"
                                                                                                     "111"
                                                                                                     "111011");
        QTest::addRow("mode 3: GATE = 0 forces OUT high, the rising edge reloads") << 3
                                                                                   << QStringLiteral("10"
                                                                                                     "111"
                                                                                                     "110011");
        QTest::addRow("mode 4 holds the count while GATE = 0") << 4
                                                               << QStringLiteral("11"
                                                                                 "111"
                                                                                 "101111");
        QTest::addRow("mode 5 starts on the rising edge") << 5
                                                          << QStringLiteral("11"
                                                                            "111"
                                                                            "111101");
    }
    void gateControlsCounting()
    {
        QFETCH(int, mode);
        QFETCH(QString, out);
        Pit8254 pit;
        program(pit, 2, mode, 4);
        pit.clockPulse(2); // the load pulse, GATE = 1 from power-up
        QString seen;
        const auto pulse = [&pit, &seen] {
            pit.clockPulse(2);
            seen += pit.counter(2).out() ? QLatin1Char('1') : QLatin1Char('0');
        };
        pulse();
        pulse();
        pit.setGate(2, false);
        for (int i = 0; i < 3; ++i)
            pulse();
        pit.setGate(2, true);
        for (int i = 0; i < 6; ++i)
            pulse();
        QCOMPARE(seen, out);
    }

    void gateLowInModes2And3SetsOutHighAtOnce()
    {
        Pit8254 pit;
        program(pit, 0, 2, 2);
        pit.clockPulse(0);
        pit.clockPulse(0);
        QVERIFY(!pit.counter(0).out());
        pit.setGate(0, false);
        QVERIFY(pit.counter(0).out());
    }

    void retriggeringRestartsTheOneShot_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("out");
        QTest::addRow("mode 1 stays low N periods after the last trigger") << 1
                                                                           << QStringLiteral("00"
                                                                                             "00011");
        QTest::addRow("mode 5 strobes N + 1 periods after the last trigger") << 5
                                                                             << QStringLiteral("11"
                                                                                               "11101");
    }
    void retriggeringRestartsTheOneShot()
    {
        QFETCH(int, mode);
        QFETCH(QString, out);
        Pit8254 pit;
        pit.setGate(0, false);
        program(pit, 0, mode, 3);
        pit.setGate(0, true);
        QString seen = run(pit, 0, 2);
        pit.setGate(0, false);
        pit.setGate(0, true);
        seen += run(pit, 0, 5);
        QCOMPARE(seen, out);
    }

    void newCountInMode2TakesEffectAtTheEndOfThePeriod()
    {
        Pit8254 pit;
        program(pit, 0, 2, 4);
        QCOMPARE(run(pit, 0, 2), QStringLiteral("11")); // loaded 4, now 3
        pit.write(0, 2);
        pit.write(0, 0);
        QVERIFY(pit.counter(0).nullCount());
        QCOMPARE(run(pit, 0, 2 + 6), QStringLiteral("10"
                                                    "101010"));
        QVERIFY(!pit.counter(0).nullCount());
    }

    void newCountInMode0IsLoadedOnTheNextPulse()
    {
        Pit8254 pit;
        program(pit, 0, 0, 100);
        run(pit, 0, 10);
        pit.write(0, 3); // LSB: counting stops, OUT stays low
        QCOMPARE(pit.counter(0).countingElement(), 91);
        QCOMPARE(run(pit, 0, 2), QStringLiteral("00"));
        QCOMPARE(pit.counter(0).countingElement(), 91);
        pit.write(0, 0); // MSB: loaded on the next pulse
        QCOMPARE(run(pit, 0, 5), QStringLiteral("00011"));
    }

    void controlWordMidCountStopsTheCounter()
    {
        Pit8254 pit;
        program(pit, 1, 3, 4);
        run(pit, 1, 3);
        QVERIFY(!pit.counter(1).out());
        pit.write(3, 0x70); // channel 1, LSB then MSB, mode 0
        QVERIFY(!pit.counter(1).out());
        QVERIFY(pit.counter(1).nullCount());
        const int held = pit.counter(1).countingElement();
        run(pit, 1, 5);
        QCOMPARE(int(pit.counter(1).countingElement()), held);
        pit.write(3, 0x76); // mode 3 again: OUT high at once, waiting for a count
        QVERIFY(pit.counter(1).out());
        QCOMPARE(run(pit, 1, 4), QStringLiteral("1111"));
    }

    void invalidCountOfOneInModes2And3_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addRow("mode 2") << 2;
        QTest::addRow("mode 3") << 3;
    }
    void invalidCountOfOneInModes2And3()
    {
        QFETCH(int, mode);
        Pit8254 pit;
        program(pit, 0, mode, 1);
        QCOMPARE(run(pit, 0, 6), QStringLiteral("111111"));
        QVERIFY(pit.counter(0).invalidCount());
        QVERIFY(!pit.counter(0).counting());
    }

    void latchFreezesTheValueUntilRead()
    {
        Pit8254 pit;
        program(pit, 0, 2, 1000);
        run(pit, 0, 10); // loaded on the first pulse, nine decrements
        pit.write(3, 0x00);
        run(pit, 0, 5);
        pit.write(3, 0x00); // ignored: the first latched value is unread
        run(pit, 0, 5);
        QCOMPARE(int(pit.read(0)), 991 & 0xFF);
        QCOMPARE(int(pit.read(0)), 991 >> 8);
        // Unlatched reads show the live counter again.
        QCOMPARE(int(pit.read(0)), 981 & 0xFF);
        QCOMPARE(int(pit.read(0)), 981 >> 8);
    }

    void readAndWriteFlipFlopsAreSeparate()
    {
        Pit8254 pit;
        program(pit, 0, 0, 0x1234);
        pit.clockPulse(0);
        pit.write(3, 0x00);
        QCOMPARE(int(pit.read(0)), 0x34); // read LSB
        pit.write(0, 0x78);               // write new LSB (mode 0: counting stops)
        QCOMPARE(int(pit.read(0)), 0x12); // read MSB
        pit.write(0, 0x56);               // write new MSB
        pit.clockPulse(0);
        QCOMPARE(int(pit.counter(0).countingElement()), 0x5678);
    }

    void singleByteFormats_data()
    {
        QTest::addColumn<int>("access");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<int>("readBack");
        QTest::addRow("LSB only") << 1 << 0x9C << 0x009C << 0x9C;
        QTest::addRow("MSB only") << 2 << 0x9C << 0x9C00 << 0x9C;
    }
    void singleByteFormats()
    {
        QFETCH(int, access);
        QFETCH(int, written);
        QFETCH(int, loaded);
        QFETCH(int, readBack);
        Pit8254 pit;
        pit.write(3, uint8_t(access << 4)); // channel 0, mode 0
        pit.write(0, uint8_t(written));
        pit.clockPulse(0);
        QCOMPARE(int(pit.counter(0).countingElement()), loaded);
        pit.write(3, 0x00);
        QCOMPARE(int(pit.read(0)), readBack);
    }

    void readBackLatchesStatusThenCount()
    {
        Pit8254 pit;
        pit.write(3, 0xB6);                                             // channel 2, LSB then MSB, mode 3, binary
        QCOMPARE(int(pit.counter(2).statusByte()), 0x80 | 0x40 | 0x36); // NULL COUNT until loaded
        pit.write(2, 0xE8);
        pit.write(2, 0x03); // 1000
        pit.clockPulse(2);
        pit.write(3, 0xE8); // status of channel 2
        QCOMPARE(int(pit.read(2)), 0xB6);
        run(pit, 2, 2);
        pit.write(3, 0xC8); // count and status of channel 2
        QCOMPARE(int(pit.read(2)), 0xB6);
        QCOMPARE(int(pit.read(2)), 996 & 0xFF);
        QCOMPARE(int(pit.read(2)), 996 >> 8);
        run(pit, 2, 500);
        QVERIFY(!pit.counter(2).out());
        pit.write(3, 0xE8);
        QCOMPARE(int(pit.read(2)), 0x36);
    }

    void readBackIsIllegalOnThe8253()
    {
        Pit8254 pit(Pit8254::Variant::I8253);
        pit.write(3, 0xB6);
        pit.write(3, 0xE8);
        QVERIFY(!pit.lastWarning().isEmpty());
        QVERIFY(!pit.counter(2).statusLatched());
    }

    void bcdCountsInDecimalAndWraps()
    {
        Pit8254 pit;
        program(pit, 0, 0, 0x0002, true);
        QList<int> seen;
        for (int i = 0; i < 5; ++i) {
            pit.clockPulse(0);
            seen << pit.counter(0).countingElement();
        }
        QCOMPARE(seen, (QList<int>{0x0002, 0x0001, 0x0000, 0x9999, 0x9998}));
        program(pit, 0, 2, 0x0000, true);
        QCOMPARE(pit.counter(0).initialCount(), 10000);
        program(pit, 0, 3, 0x1A00, true);
        QVERIFY(pit.counter(0).invalidBcd());
    }

    void pcWiringDrivesGate2AndReadsOut2()
    {
        PcTimer pc;
        pc.out(0x43, 0xB6);
        pc.out(0x42, 0x04);
        pc.out(0x42, 0x00);
        pc.advance(3);
        QCOMPARE(pc.in(0x61) & 0x20, 0x20);
        QVERIFY(!pc.speakerLevel());
        pc.out(0x61, 0x03); // GATE2 rises: the count is reloaded on the next pulse
        pc.advance(3);
        QVERIFY(!pc.chip().counter(2).out());
        QCOMPARE(pc.in(0x61) & 0x20, 0);
        pc.out(0x61, 0x02); // GATE2 = 0 forces OUT2 high in mode 3
        QVERIFY(pc.speakerLevel());
        pc.setGate(0, false); // not wired: ignored
        QVERIFY(pc.gate(0));
    }

    void tracesRecordChanges()
    {
        PcTimer pc;
        pc.setPcWiring(false);
        pc.out(0x43, 0x16); // channel 0, LSB, mode 3
        pc.out(0x40, 4);
        pc.advance(10);
        const SignalTrace &out = pc.outTrace(0);
        QCOMPARE(out.changesBetween(1, 11), (QVector<qint64>{3, 5, 7, 9}));
        QVERIFY(out.levelAt(2));
        QVERIFY(!out.levelAt(3));
    }
};

QTEST_APPLESS_MAIN(TestPit8254)
#include "tst_pit8254.moc"
