#include "timerlab/pit8254.h"

void Pit8254::write(int address, uint8_t byte)
{
    m_lastWarning.clear();
    if (address >= 0 && address <= 2) {
        if (!m_counters[size_t(address)].programmed())
            m_lastWarning =
                QStringLiteral("Канал %1 не запрограммирован: байт %2h пропущен (сначала запишите управляющее слово)")
                    .arg(address)
                    .arg(byte, 2, 16, QLatin1Char('0'))
                    .toUpper();
        m_counters[size_t(address)].writeCount(byte);
        return;
    }
    if (address != 3)
        return;
    const ControlWord word = ControlWord::decode(byte);
    switch (word.kind) {
    case ControlWord::Kind::ModeSet:
        m_counters[size_t(word.channel)].writeControl(word);
        break;
    case ControlWord::Kind::CounterLatch:
        m_counters[size_t(word.channel)].latchCount();
        break;
    case ControlWord::Kind::ReadBack:
        if (m_variant == Variant::I8253) {
            m_lastWarning =
                QStringLiteral("В i8253 нет команды обратного чтения: слово с SC = 11 недопустимо и пропущено");
            break;
        }
        for (size_t i = 0; i < 3; ++i) {
            if (!word.readBackChannels[i])
                continue;
            // Status first, so that a read returns the status byte before the count.
            if (word.readBackStatus)
                m_counters[i].latchStatus();
            if (word.readBackCount)
                m_counters[i].latchCount();
        }
        break;
    }
}

uint8_t Pit8254::read(int address)
{
    m_lastWarning.clear();
    if (address >= 0 && address <= 2)
        return m_counters[size_t(address)].read();
    return 0xFF;
}
