#include "timerlab/controlword.h"

#include <QStringList>

ControlWord ControlWord::decode(uint8_t byte)
{
    ControlWord w;
    w.byte = byte;
    const int sc = (byte >> 6) & 3;
    if (sc == 3) {
        w.kind = Kind::ReadBack;
        w.readBackCount = !(byte & 0x20);
        w.readBackStatus = !(byte & 0x10);
        for (int i = 0; i < 3; ++i)
            w.readBackChannels[i] = byte & (2 << i);
        return w;
    }
    w.channel = sc;
    w.access = static_cast<Access>((byte >> 4) & 3);
    if (w.access == Access::Latch) {
        w.kind = Kind::CounterLatch;
        return w;
    }
    const int m = (byte >> 1) & 7;
    w.mode = (m & 2) ? (m & 3) : m; // 110 and 111 are modes 2 and 3
    w.bcd = byte & 1;
    return w;
}

QString ControlWord::accessName(Access access)
{
    switch (access) {
    case Access::Latch:
        return QStringLiteral("фиксация счётчика");
    case Access::LowByte:
        return QStringLiteral("только младший байт");
    case Access::HighByte:
        return QStringLiteral("только старший байт");
    case Access::LowThenHigh:
        return QStringLiteral("младший, затем старший байт");
    }
    return {};
}

static QString bits(uint8_t value, int count)
{
    return QString::number(value, 2).rightJustified(count, QLatin1Char('0'));
}

QString ControlWord::describe() const
{
    QStringList lines;
    const QString sc = bits(byte >> 6, 2);
    switch (kind) {
    case Kind::ReadBack: {
        lines << QStringLiteral("SC = 11: команда обратного чтения (только i8254)");
        lines << QStringLiteral("COUNT# = %1: %2")
                     .arg(readBackCount ? 0 : 1)
                     .arg(readBackCount ? QStringLiteral("фиксировать счётчики")
                                        : QStringLiteral("счётчики не фиксировать"));
        lines << QStringLiteral("STATUS# = %1: %2")
                     .arg(readBackStatus ? 0 : 1)
                     .arg(readBackStatus ? QStringLiteral("фиксировать байты состояния")
                                         : QStringLiteral("состояние не фиксировать"));
        QStringList chosen;
        for (int i = 0; i < 3; ++i)
            if (readBackChannels[i])
                chosen << QString::number(i);
        lines << QStringLiteral("CNT2 CNT1 CNT0 = %1: %2")
                     .arg(bits((byte >> 1) & 7, 3),
                          chosen.isEmpty() ? QStringLiteral("ни один канал не выбран")
                                           : QStringLiteral("каналы ") + chosen.join(QStringLiteral(", ")));
        if (byte & 1)
            lines << QStringLiteral("D0 = 1: бит должен быть равен 0");
        break;
    }
    case Kind::CounterLatch:
        lines << QStringLiteral("SC = %1: канал %2").arg(sc).arg(channel);
        lines << QStringLiteral("RW = 00: команда фиксации счётчика");
        break;
    case Kind::ModeSet:
        lines << QStringLiteral("SC = %1: канал %2").arg(sc).arg(channel);
        lines << QStringLiteral("RW = %1: %2").arg(bits((byte >> 4) & 3, 2), accessName(access));
        lines << QStringLiteral("M = %1: режим %2").arg(bits((byte >> 1) & 7, 3)).arg(mode);
        lines << QStringLiteral("BCD = %1: %2")
                     .arg(bcd ? 1 : 0)
                     .arg(bcd ? QStringLiteral("двоично-десятичный счёт") : QStringLiteral("двоичный счёт"));
        break;
    }
    return lines.join(QLatin1Char('\n'));
}
