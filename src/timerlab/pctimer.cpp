#include "timerlab/pctimer.h"

PcTimer::PcTimer()
{
    reset();
}

void PcTimer::reset()
{
    const Pit8254::Variant variant = m_chip.variant();
    m_chip = Pit8254(variant);
    m_port61 = 0;
    m_time = 0;
    setPcWiring(m_pcWiring);
    for (int i = 0; i < 3; ++i) {
        m_outTraces[size_t(i)].reset(m_chip.counter(i).out());
        m_gateTraces[size_t(i)].reset(m_chip.counter(i).gate());
    }
}

void PcTimer::recordLevels()
{
    for (int i = 0; i < 3; ++i) {
        m_outTraces[size_t(i)].record(m_time, m_chip.counter(i).out());
        m_gateTraces[size_t(i)].record(m_time, m_chip.counter(i).gate());
    }
}

void PcTimer::setPcWiring(bool on)
{
    m_pcWiring = on;
    if (!on)
        return;
    m_clockHz = kPcClockHz;
    m_chip.setGate(0, true);
    m_chip.setGate(1, true);
    m_chip.setGate(2, m_port61 & 1);
    recordLevels();
}

void PcTimer::setGate(int channel, bool level)
{
    if (m_pcWiring)
        return;
    m_chip.setGate(channel, level);
    recordLevels();
}

void PcTimer::out(int port, uint8_t value)
{
    if (port >= 0x40 && port <= 0x43) {
        m_chip.write(port - 0x40, value);
        recordLevels(); // a control word or a count can change OUT at once
        return;
    }
    if (port == 0x61 && m_pcWiring) {
        m_port61 = value;
        m_chip.setGate(2, value & 1);
        recordLevels();
    }
}

uint8_t PcTimer::in(int port)
{
    if (port >= 0x40 && port <= 0x43)
        return m_chip.read(port - 0x40);
    if (port == 0x61 && m_pcWiring) {
        // Bit 4 toggles with every memory refresh request (about every 15 us, 18 clocks).
        const bool refresh = (m_time / 18) & 1;
        return uint8_t((m_port61 & 0x0F) | (refresh ? 0x10 : 0) | (m_chip.counter(2).out() ? 0x20 : 0));
    }
    return 0xFF;
}

void PcTimer::advance(qint64 pulses)
{
    for (qint64 i = 0; i < pulses; ++i) {
        m_chip.clockPulse(0);
        m_chip.clockPulse(1);
        m_chip.clockPulse(2);
        ++m_time;
        for (int c = 0; c < 3; ++c)
            m_outTraces[size_t(c)].record(m_time, m_chip.counter(c).out());
    }
}
