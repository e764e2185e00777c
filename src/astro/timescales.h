#pragma once

// Julian days, dynamical time and the conversion of date-time values.
// Reference: J. Meeus, Astronomical Algorithms, chapters 7 and 10.

namespace somnar::astro {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// Date-time value -> Julian day. Before 1582-10-15 a fixed 10 days are added, the same shift
// that JulianDayToDate takes back.
double DateToJulianDay(double dateTime);
// Julian day -> date-time value; 0 (the zero date) outside 1757593.50001 .. 5373484.49998843.
double JulianDayToDate(double julianDay);
// Julian day of the civil date and time of `dateTime` (the year taken as 1 - year when
// beforeChrist is set), plus DeltaT unless universalOnly is set.
double JulianEphemerisDay(double dateTime, bool beforeChrist, bool universalOnly);
// TT - UT in days for a Julian day, by piecewise polynomial laws that meet with small jumps.
double DeltaT(double julianDay);

}
