#pragma once

#include "astro/coordinates.h"

// The Moon's geocentric position. Reference: Meeus, Astronomical Algorithms (first edition),
// chapter 45 / second edition chapter 47: the truncated ELP-2000/82 series, tables 47.A and 47.B.

namespace somnar::astro {

inline constexpr double kKilometresPerAu = 149597870.691;

// Ecliptic longitude [0, 360), latitude reduced to [0, 360) like the longitude, distance in AU,
// for a Julian ephemeris day.
Ecliptic MoonPosition(double jde);
// Apparent right ascension [0, 360) and declination of date (FK5, nutation, true obliquity;
// no aberration or light time), distance in AU.
Equatorial ApparentMoonPosition(double jde);

}
