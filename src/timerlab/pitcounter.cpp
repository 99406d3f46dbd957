#include "timerlab/pitcounter.h"

namespace {

uint16_t toBcd(int value)
{
    return uint16_t((value / 1000 % 10) << 12 | (value / 100 % 10) << 8 | (value / 10 % 10) << 4 | (value % 10));
}

int fromBcd(uint16_t raw)
{
    return ((raw >> 12) & 15) * 1000 + ((raw >> 8) & 15) * 100 + ((raw >> 4) & 15) * 10 + (raw & 15);
}

} // namespace

void PitCounter::writeControl(const ControlWord &word)
{
    m_programmed = true;
    m_controlByte = word.byte;
    m_mode = word.mode;
    m_bcd = word.bcd;
    m_access = word.access;
    m_crValid = false;
    m_writeHigh = false;
    m_writeHold = false;
    m_nullCount = true;
    m_loaded = false;
    m_loadPending = false;
    m_strobeArmed = false;
    m_extraHighPulse = false;
    m_invalidCount = false;
    m_countLatched = false;
    m_statusLatched = false;
    m_readHigh = false;
    m_trigger = false;
    m_out = m_mode != 0;
}

void PitCounter::writeCount(uint8_t byte)
{
    if (!m_programmed)
        return;
    switch (m_access) {
    case ControlWord::Access::LowByte:
        m_cr = byte;
        break;
    case ControlWord::Access::HighByte:
        m_cr = uint16_t(byte << 8);
        break;
    case ControlWord::Access::LowThenHigh:
        if (!m_writeHigh) {
            m_cr = uint16_t((m_cr & 0xFF00) | byte);
            m_writeHigh = true;
            if (m_mode == 0) {
                m_out = false;
                m_writeHold = true;
            }
            return;
        }
        m_cr = uint16_t((m_cr & 0x00FF) | byte << 8);
        m_writeHigh = false;
        break;
    case ControlWord::Access::Latch:
        return;
    }
    m_crValid = true;
    m_nullCount = true;
    m_writeHold = false;
    switch (m_mode) {
    case 0:
        m_out = false;
        m_loadPending = true;
        break;
    case 4:
        m_loadPending = true;
        break;
    case 2:
    case 3:
        // A running counter takes the new count at the end of its period.
        if (!m_loaded)
            m_loadPending = true;
        break;
    default: // modes 1 and 5 wait for a GATE trigger
        break;
    }
}

int PitCounter::initialCount() const
{
    const int value = m_bcd ? fromBcd(m_cr) : m_cr;
    return value == 0 ? modulus() : value;
}

bool PitCounter::invalidBcd() const
{
    if (!m_bcd)
        return false;
    for (int shift = 0; shift < 16; shift += 4)
        if (((m_cr >> shift) & 15) > 9)
            return true;
    return false;
}

void PitCounter::load(bool evenForSquareWave)
{
    m_loadedCount = initialCount();
    m_nullCount = false;
    m_loadPending = false;
    m_invalidCount = (m_mode == 2 || m_mode == 3) && m_loadedCount == 1;
    m_loaded = !m_invalidCount;
    const int count = evenForSquareWave ? (m_loadedCount & ~1) : m_loadedCount;
    m_ce = count % modulus();
}

void PitCounter::decrement(int by)
{
    m_ce -= by;
    if (m_ce < 0)
        m_ce += modulus();
}

bool PitCounter::counting() const
{
    if (!m_programmed || !m_loaded || m_writeHold)
        return false;
    if (m_mode == 1 || m_mode == 5)
        return true;
    return m_gate;
}

void PitCounter::clockPulse()
{
    const bool trigger = m_trigger;
    m_trigger = false;
    if (!m_programmed)
        return;
    switch (m_mode) {
    case 0:
    case 4:
        if (m_mode == 4 && !m_out)
            m_out = true; // the strobe lasts one pulse
        if (m_loadPending) {
            load(false);
            m_strobeArmed = true;
            return;
        }
        if (!m_loaded || m_writeHold || !m_gate)
            return;
        decrement(1);
        if (m_ce == 0) {
            if (m_mode == 0)
                m_out = true;
            else if (m_strobeArmed) {
                m_out = false;
                m_strobeArmed = false;
            }
        }
        return;
    case 1:
    case 5:
        if (m_mode == 5 && !m_out)
            m_out = true;
        if (trigger && m_crValid) {
            load(false);
            if (m_mode == 1)
                m_out = false;
            m_strobeArmed = true;
            return;
        }
        if (!m_loaded)
            return;
        decrement(1);
        if (m_ce == 0 && m_strobeArmed) {
            m_out = m_mode == 1;
            m_strobeArmed = false;
        }
        return;
    case 2:
        if (m_loadPending || (trigger && m_crValid)) {
            load(false);
            m_out = true;
            return;
        }
        if (!m_loaded || !m_gate)
            return;
        if (m_ce == 1) { // end of the period: reload, with a newly written count if any
            load(false);
            m_out = true;
            return;
        }
        decrement(1);
        if (m_ce == 1)
            m_out = false;
        return;
    case 3:
        if (m_loadPending || (trigger && m_crValid)) {
            load(true);
            m_out = true;
            m_extraHighPulse = false;
            return;
        }
        if (!m_loaded || !m_gate)
            return;
        if (m_extraHighPulse) {
            m_extraHighPulse = false;
            m_out = false;
            load(true);
            return;
        }
        decrement(2);
        if (m_ce == 0) {
            if (m_out && (m_loadedCount & 1))
                m_extraHighPulse = true;
            else {
                m_out = !m_out;
                load(true);
            }
        }
        return;
    default:
        return;
    }
}

void PitCounter::setGate(bool level)
{
    if (level && !m_gate)
        m_trigger = true;
    m_gate = level;
    if (!level && m_programmed && (m_mode == 2 || m_mode == 3))
        m_out = true;
}

uint16_t PitCounter::countingElement() const
{
    return m_bcd ? toBcd(m_ce) : uint16_t(m_ce);
}

uint8_t PitCounter::statusByte() const
{
    return uint8_t((m_out ? 0x80 : 0) | (m_nullCount ? 0x40 : 0) | (m_controlByte & 0x3F));
}

void PitCounter::latchCount()
{
    if (!m_programmed || m_countLatched)
        return;
    m_outputLatch = countingElement();
    m_countLatched = true;
}

void PitCounter::latchStatus()
{
    if (!m_programmed || m_statusLatched)
        return;
    m_status = statusByte();
    m_statusLatched = true;
}

uint8_t PitCounter::read()
{
    if (m_statusLatched) {
        m_statusLatched = false;
        return m_status;
    }
    const uint16_t value = m_countLatched ? m_outputLatch : countingElement();
    bool whole = true;
    uint8_t byte = 0;
    switch (m_access) {
    case ControlWord::Access::HighByte:
        byte = uint8_t(value >> 8);
        break;
    case ControlWord::Access::LowThenHigh:
        byte = m_readHigh ? uint8_t(value >> 8) : uint8_t(value & 0xFF);
        whole = m_readHigh;
        m_readHigh = !m_readHigh;
        break;
    default:
        byte = uint8_t(value & 0xFF);
        break;
    }
    if (whole)
        m_countLatched = false;
    return byte;
}
