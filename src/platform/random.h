#pragma once

// The program's single pseudo-random generator. It seeds itself from the
// clock on first use; a test or benchmark seeds it explicitly so a run repeats.
namespace Random {

void seed(unsigned value);
// A uniform integer in 0 .. n-1 (0 when n <= 0).
int uniform(int n);
// A uniform integer in low .. high inclusive.
int between(int low, int high);

} // namespace Random
