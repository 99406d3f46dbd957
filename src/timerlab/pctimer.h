#pragma once

#include "timerlab/pit8254.h"
#include "timerlab/signaltrace.h"

#include <QtGlobal>
#include <array>
#include <cstdint>

// The timer as the IBM PC wires it: ports 40h–43h, CLK = 1.193182 MHz on all
// three channels, GATE0 = GATE1 = 1, GATE2 and the speaker enable from port
// 61h bits 0 and 1, OUT2 read back in port 61h bit 5. Without the PC wiring
// every GATE is set by hand and the clock frequency is free.
class PcTimer {
public:
    static constexpr double kPcClockHz = 1193182.0;

    PcTimer();

    void reset();
    Pit8254 &chip() { return m_chip; }
    const Pit8254 &chip() const { return m_chip; }

    bool pcWiring() const { return m_pcWiring; }
    void setPcWiring(bool on);
    double clockHz() const { return m_clockHz; }
    void setClockHz(double hz) { m_clockHz = hz; }

    static bool isTimerPort(int port) { return (port >= 0x40 && port <= 0x43) || port == 0x61; }
    // Port 61h can be written only with the PC wiring.
    bool acceptsPort(int port) const { return (port >= 0x40 && port <= 0x43) || (port == 0x61 && m_pcWiring); }
    void out(int port, uint8_t value);
    uint8_t in(int port);

    // GATE of a channel; with the PC wiring channels 0 and 1 stay at 1 and
    // channel 2 follows port 61h.
    void setGate(int channel, bool level);
    bool gate(int channel) const { return m_chip.counter(channel).gate(); }
    bool speakerEnabled() const { return m_port61 & 2; }
    // The level at the speaker: OUT2 AND the speaker enable.
    bool speakerLevel() const { return speakerEnabled() && m_chip.counter(2).out(); }

    // Runs CLK pulses on all three channels, recording OUT and GATE.
    void advance(qint64 pulses);
    qint64 time() const { return m_time; }
    const SignalTrace &outTrace(int channel) const { return m_outTraces[size_t(channel)]; }
    const SignalTrace &gateTrace(int channel) const { return m_gateTraces[size_t(channel)]; }

private:
    Pit8254 m_chip;
    bool m_pcWiring = true;
    double m_clockHz = kPcClockHz;
    uint8_t m_port61 = 0;
    qint64 m_time = 0;
    std::array<SignalTrace, 3> m_outTraces;
    std::array<SignalTrace, 3> m_gateTraces;

    void recordLevels();
};
