#pragma once

// The program's single pseudo-random generator.
namespace Random {

// Reseeds from the clock, unless a fixed seed has been set (tests).
void seedFromClock();
// Fixes the seed and makes later seedFromClock() calls do nothing, so a test
// run repeats exactly.
void setFixedSeed(unsigned seed);
// A uniform integer in 0 .. n-1 (0 when n <= 0).
int uniform(int n);
// A uniform integer in low .. high inclusive.
int between(int low, int high);

} // namespace Random
