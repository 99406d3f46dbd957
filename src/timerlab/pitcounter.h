#pragma once

#include "timerlab/controlword.h"

#include <cstdint>

// One counter of the 8253/8254 programmable interval timer, exact to the
// datasheet at the level of CLK pulses: a pulse is the rising edge (GATE is
// sampled) followed by the falling edge (the count is loaded or decremented).
// Counts are kept as numbers; in BCD the counter counts 0..9999 and is read
// and written as packed decimal digits.
class PitCounter {
public:
    // Programs the counter (a mode-set control word for this counter).
    void writeControl(const ControlWord &word);
    // A byte written to the counter's address (LSB, MSB or LSB then MSB).
    void writeCount(uint8_t byte);
    // A byte read from the counter's address: a latched status byte first,
    // then the latched count or, unlatched, the live counting element.
    uint8_t read();
    // Counter latch command; ignored while an earlier latched count is unread.
    void latchCount();
    // Read-back status latch; ignored while an earlier status is unread.
    void latchStatus();

    void setGate(bool level);
    void clockPulse();

    bool programmed() const { return m_programmed; }
    bool out() const { return m_out; }
    bool gate() const { return m_gate; }
    int mode() const { return m_mode; }
    bool bcd() const { return m_bcd; }
    ControlWord::Access access() const { return m_access; }
    uint8_t controlByte() const { return m_controlByte; }
    bool nullCount() const { return m_nullCount; }
    uint8_t statusByte() const;
    // The counting element as the chip would present it (packed BCD in BCD mode).
    uint16_t countingElement() const;
    // The count register as written (raw bytes).
    uint16_t countRegister() const { return m_cr; }
    // The count the register stands for: 1..65536 (binary) or 1..10000 (BCD).
    int initialCount() const;
    bool countWritten() const { return m_crValid; }
    // A count waiting for its second byte (format LSB then MSB).
    bool waitingForHighByte() const { return m_writeHigh; }
    bool countLatched() const { return m_countLatched; }
    bool statusLatched() const { return m_statusLatched; }
    // Counting is going on: a count is loaded and the mode lets it run.
    bool counting() const;
    // A count of 1 in modes 2 and 3 is not allowed: the counter does not run.
    bool invalidCount() const { return m_invalidCount; }
    // A BCD count with a digit above 9.
    bool invalidBcd() const;

private:
    int modulus() const { return m_bcd ? 10000 : 65536; }
    void load(bool evenForSquareWave);
    void decrement(int by);

    bool m_programmed = false;
    uint8_t m_controlByte = 0;
    int m_mode = 0;
    bool m_bcd = false;
    ControlWord::Access m_access = ControlWord::Access::LowByte;

    uint16_t m_cr = 0;        // count register, raw
    bool m_crValid = false;   // a whole count was written since the control word
    bool m_writeHigh = false; // write flip-flop: next byte is the MSB
    bool m_writeHold = false; // mode 0: counting stops between the LSB and MSB writes
    bool m_nullCount = true;

    int m_ce = 0;          // counting element, 0..modulus-1 (0 stands for the full modulus)
    int m_loadedCount = 0; // the count loaded last (1..modulus)
    bool m_loaded = false; // the counting element holds a count
    bool m_loadPending = false;
    bool m_strobeArmed = false;    // modes 4 and 5: one strobe per loaded count
    bool m_extraHighPulse = false; // mode 3, odd count: the high half lasts one pulse more
    bool m_invalidCount = false;

    bool m_out = false;
    bool m_gate = true;
    bool m_trigger = false; // a GATE rising edge since the last pulse

    uint16_t m_outputLatch = 0;
    bool m_countLatched = false;
    bool m_readHigh = false; // read flip-flop: next byte is the MSB
    uint8_t m_status = 0;
    bool m_statusLatched = false;
};
