#pragma once

// Instants of the Moon's phases. Reference: Meeus, Astronomical Algorithms, chapter 49
// (47 in the first edition): the mean phase with its periodic and planetary corrections.

namespace somnar::astro {

enum MoonPhase { NewMoon = 0, FirstQuarter = 1, FullMoon = 2, LastQuarter = 3 };

// Lunation 953 begins with the new moon of 2000-01-06.
inline constexpr int kLunationOf2000January = 953;

// Julian ephemeris day of phase `phase` (0..3) of lunation `lunation`. Callers use it as a
// Julian day as it stands (Delta T is not removed).
double PhaseTime(int lunation, int phase);

}
