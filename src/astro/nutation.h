#pragma once

// Nutation and the obliquity of the ecliptic for a Julian ephemeris day.
// Reference: Meeus, Astronomical Algorithms, chapter 22 (IAU 1980 theory, 63-term table 22.A;
// mean obliquity after Laskar, equation 22.3).

namespace somnar::astro {

enum class NutationComponent { Longitude, Obliquity };

// Delta psi or delta epsilon in degrees.
double Nutation(double jde, NutationComponent which);
// Mean obliquity in degrees, or the true obliquity (plus nutation in obliquity) when asked.
double Obliquity(double jde, bool trueObliquity);

}
