#pragma once

#include <QString>
#include <QtGlobal>

// How fast simulated time runs against the wall clock while the simulation
// runs: from one CLK period a second (to watch every edge) to real time.
namespace SimulationSpeed {

int presetCount();
// CLK periods per second of wall time for a preset (0 is the slowest).
double clocksPerSecond(int preset, double clockHz);
QString presetName(int preset);
int realTimePreset();

// Whole CLK periods to run for `elapsedMs` of wall time; the fraction left
// over is carried in `carry` so that slow speeds still advance evenly.
qint64 pulsesFor(double clocksPerSecond, qint64 elapsedMs, double &carry);

} // namespace SimulationSpeed
