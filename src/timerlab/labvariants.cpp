#include "timerlab/labvariants.h"

#include "timerlab/controlword.h"
#include "timerlab/portprogram.h"

#include <QLocale>
#include <cmath>

namespace {

constexpr double kPc = 1193182.0;

const LabVariant kVariants[] = {
    {1, 0, 3, kPc, LabVariant::Goal::Frequency, 50.0, false, "частота 50 Гц"},
    {2, 1, 2, kPc, LabVariant::Goal::Frequency, 10000.0, false, "частота 10 кГц"},
    {3, 2, 3, kPc, LabVariant::Goal::Frequency, 880.0, false, "частота 880 Гц"},
    {4, 0, 0, kPc, LabVariant::Goal::Delay, 0.030, false, "OUT = 1 через 30 мс"},
    {5, 1, 1, 2e6, LabVariant::Goal::Pulse, 0.001, false, "импульс 1 мс"},
    {6, 2, 4, 1e6, LabVariant::Goal::Delay, 0.020, false, "строб через 20 мс"},
    {7, 0, 3, 2e6, LabVariant::Goal::Frequency, 1000.0, true, "частота 1 кГц"},
    {8, 1, 5, kPc, LabVariant::Goal::Delay, 0.005, false, "строб через 5 мс после фронта GATE"},
    {9, 2, 2, 4e6, LabVariant::Goal::Frequency, 100.0, false, "частота 100 Гц"},
    {10, 0, 3, 1.8432e6, LabVariant::Goal::Frequency, 300.0, false, "частота 300 Гц"},
    {11, 1, 3, 1e6, LabVariant::Goal::Frequency, 250.0, true, "частота 250 Гц"},
    {12, 2, 0, 2e6, LabVariant::Goal::Delay, 0.015, false, "OUT = 1 через 15 мс"},
};

QString number(double value, int decimals)
{
    QLocale russian(QLocale::Russian);
    russian.setNumberOptions(QLocale::OmitGroupSeparator);
    return russian.toString(value, 'f', decimals);
}

// What a count achieves: a frequency in hertz or a time in seconds.
double achieved(const LabVariant &v, int count)
{
    switch (v.goal) {
    case LabVariant::Goal::Frequency:
        return v.clockHz / count;
    case LabVariant::Goal::Delay:
        return (count + 1) / v.clockHz;
    case LabVariant::Goal::Pulse:
        return count / v.clockHz;
    }
    return 0;
}

double idealCount(const LabVariant &v)
{
    switch (v.goal) {
    case LabVariant::Goal::Frequency:
        return v.clockHz / v.target;
    case LabVariant::Goal::Delay:
        return v.target * v.clockHz - 1;
    case LabVariant::Goal::Pulse:
        return v.target * v.clockHz;
    }
    return 0;
}

QString describeAchieved(const LabVariant &v, double value)
{
    if (v.goal == LabVariant::Goal::Frequency)
        return number(value, value < 100 ? 3 : 2) + QStringLiteral(" Гц");
    return number(value * 1000, 4) + QStringLiteral(" мс");
}

int packedBcd(int value)
{
    return (value / 1000 % 10) << 12 | (value / 100 % 10) << 8 | (value / 10 % 10) << 4 | (value % 10);
}

} // namespace

const LabVariant *labVariants()
{
    return kVariants;
}

int labVariantCount()
{
    return int(std::size(kVariants));
}

VariantVerdict checkVariant(const LabVariant &v, uint8_t controlWord, const QString &countText)
{
    VariantVerdict verdict;
    verdict.exactCount = idealCount(v);
    const int limit = v.bcd ? 10000 : 65536;
    const int minimum = (v.mode == 2 || v.mode == 3) ? 2 : 1;
    {
        const int low = std::max(minimum, int(std::floor(verdict.exactCount)));
        const int high = std::min(limit, low + 1);
        const double errLow = std::fabs(achieved(v, low) - v.target);
        const double errHigh = std::fabs(achieved(v, high) - v.target);
        verdict.bestCount = errHigh < errLow ? high : low;
    }
    bool right = true;
    auto good = [&verdict](const QString &text) { verdict.lines << QStringLiteral("верно: ") + text; };
    auto bad = [&verdict, &right](const QString &text) {
        verdict.lines << QStringLiteral("ошибка: ") + text;
        right = false;
    };

    const ControlWord word = ControlWord::decode(controlWord);
    const QString wordText = hexByte(controlWord);
    if (word.kind != ControlWord::Kind::ModeSet) {
        bad(QStringLiteral("%1 — не слово выбора режима (%2)")
                .arg(wordText, word.kind == ControlWord::Kind::ReadBack
                                   ? QStringLiteral("это команда обратного чтения")
                                   : QStringLiteral("это команда фиксации счётчика")));
    } else {
        if (word.channel == v.channel)
            good(QStringLiteral("канал %1 (SC = %2)")
                     .arg(v.channel)
                     .arg(QString::number(v.channel, 2).rightJustified(2, QLatin1Char('0'))));
        else
            bad(QStringLiteral("слово выбирает канал %1, а по варианту нужен канал %2")
                    .arg(word.channel)
                    .arg(v.channel));
        if (word.mode == v.mode)
            good(QStringLiteral("режим %1").arg(v.mode));
        else
            bad(QStringLiteral("слово задаёт режим %1, а по варианту нужен режим %2").arg(word.mode).arg(v.mode));
        if (word.bcd == v.bcd)
            good(v.bcd ? QStringLiteral("двоично-десятичный счёт (BCD = 1)")
                       : QStringLiteral("двоичный счёт (BCD = 0)"));
        else
            bad(v.bcd ? QStringLiteral("по варианту счёт двоично-десятичный: BCD = 1")
                      : QStringLiteral("по варианту счёт двоичный: BCD = 0"));
    }

    // The count: decimal as a number of periods, or a register value in hex.
    const QString trimmed = countText.trimmed();
    std::optional<int> count;
    const bool asRegister = trimmed.endsWith(QLatin1Char('h'), Qt::CaseInsensitive) ||
                            trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    if (const auto parsed = PortProgram::parseNumber(trimmed)) {
        if (!asRegister)
            count = *parsed;
        else if (*parsed <= 0xFFFF) {
            int value = *parsed;
            if (v.bcd) {
                bool digits = true;
                for (int shift = 0; shift < 16; shift += 4)
                    digits = digits && ((value >> shift) & 15) <= 9;
                if (!digits) {
                    bad(QStringLiteral("%1 не является двоично-десятичным числом: каждая тетрада — цифра 0–9")
                            .arg(trimmed));
                    verdict.right = false;
                    return verdict;
                }
                value =
                    ((value >> 12) & 15) * 1000 + ((value >> 8) & 15) * 100 + ((value >> 4) & 15) * 10 + (value & 15);
            }
            count = value == 0 ? limit : value;
        }
    }
    if (!count) {
        bad(QStringLiteral("коэффициент «%1» не является числом").arg(trimmed));
        verdict.right = false;
        return verdict;
    }
    const int n = *count;
    if (n < minimum || n > limit) {
        bad(QStringLiteral("N = %1 вне допустимого диапазона %2…%3 для режима %4 при %5 счёте")
                .arg(n)
                .arg(minimum)
                .arg(limit)
                .arg(v.mode)
                .arg(v.bcd ? QStringLiteral("двоично-десятичном") : QStringLiteral("двоичном")));
        verdict.right = false;
        return verdict;
    }
    good(QStringLiteral("N = %1 в допустимом диапазоне %2…%3").arg(n).arg(minimum).arg(limit));

    if (word.kind == ControlWord::Kind::ModeSet) {
        const int raw = v.bcd ? packedBcd(n % limit) : n % 65536;
        if (word.access == ControlWord::Access::LowByte && raw > 0xFF)
            bad(QStringLiteral("формат «только младший байт» не загрузит %1: нужен формат RW = 11").arg(hexByte(raw)));
        else if (word.access == ControlWord::Access::HighByte && (raw & 0xFF) != 0)
            bad(QStringLiteral("формат «только старший байт» загрузит %1 вместо %2: нужен формат RW = 11")
                    .arg(hexByte(raw & 0xFF00))
                    .arg(hexByte(raw)));
        else
            good(QStringLiteral("формат загрузки: %1").arg(ControlWord::accessName(word.access)));
    }

    const double got = achieved(v, n);
    const double error = (got - v.target) / v.target * 100;
    const QString errorText = QStringLiteral("%1 %").arg(number(error, 3));
    if (n == verdict.bestCount || std::abs(n - verdict.exactCount) < 1.0)
        good(QStringLiteral("получается %1, погрешность %2").arg(describeAchieved(v, got), errorText));
    else
        bad(QStringLiteral("получается %1, погрешность %2; точнее всего N = %3 (%4)")
                .arg(describeAchieved(v, got), errorText)
                .arg(verdict.bestCount)
                .arg(describeAchieved(v, achieved(v, verdict.bestCount))));
    verdict.right = right;
    return verdict;
}
