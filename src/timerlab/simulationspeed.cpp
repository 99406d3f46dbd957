#include "timerlab/simulationspeed.h"

#include <cmath>
#include <iterator>

namespace {

constexpr double kPresets[] = {1, 2, 5, 10, 20, 50, 100, 1000, 10000, 100000};

} // namespace

namespace SimulationSpeed {

int presetCount()
{
    return int(std::size(kPresets)) + 1;
}

int realTimePreset()
{
    return presetCount() - 1;
}

double clocksPerSecond(int preset, double clockHz)
{
    if (preset < 0)
        preset = 0;
    if (preset >= realTimePreset())
        return clockHz;
    return kPresets[preset];
}

QString presetName(int preset)
{
    if (preset >= realTimePreset())
        return QStringLiteral("реальное время");
    const double value = clocksPerSecond(preset, 0);
    return QStringLiteral("%1 такт/с").arg(value, 0, 'f', 0);
}

qint64 pulsesFor(double clocksPerSecond, qint64 elapsedMs, double &carry)
{
    // At most a quarter of a second is caught up, so that a stalled window
    // does not come back with a burst of simulated time.
    const double ms = double(qMin<qint64>(elapsedMs, 250));
    const double exact = clocksPerSecond * ms / 1000.0 + carry;
    const double whole = std::floor(exact);
    carry = exact - whole;
    return qint64(whole);
}

} // namespace SimulationSpeed
