#pragma once

#include "timerlab/pitcounter.h"

#include <QString>
#include <array>
#include <cstdint>

// The programmable interval timer chip: three counters and the control word
// register at the fourth address (A1 A0 = 11).
class Pit8254 {
public:
    enum class Variant {
        I8254, // read-back command, status byte
        I8253, // control words with SC = 11 are illegal and ignored
    };

    explicit Pit8254(Variant variant = Variant::I8254)
        : m_variant(variant)
    {}

    Variant variant() const { return m_variant; }
    void setVariant(Variant variant) { m_variant = variant; }

    // address 0..2: counters, 3: control word register.
    void write(int address, uint8_t byte);
    // Reading the control word register returns FFh (the bus is not driven).
    uint8_t read(int address);

    void setGate(int channel, bool level) { m_counters[size_t(channel)].setGate(level); }
    void clockPulse(int channel) { m_counters[size_t(channel)].clockPulse(); }
    const PitCounter &counter(int channel) const { return m_counters[size_t(channel)]; }

    // A word the chip ignored, in words the student understands; empty when none.
    QString lastWarning() const { return m_lastWarning; }

private:
    Variant m_variant;
    std::array<PitCounter, 3> m_counters;
    QString m_lastWarning;
};
