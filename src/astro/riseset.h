#pragma once

#include "astro/coordinates.h"

#include <array>

// Moonrise and moonset of one day: the altitude is sampled at the 25 whole hours and a parabola
// through each three consecutive samples locates the crossings of the standard altitude.
// Reference: Meeus, Astronomical Algorithms, chapters 3 (interpolation) and 15.

namespace somnar::astro {

inline constexpr short kBodyMoon = 9;

using HourlyMargins = std::array<double, 25>;

// A found event is a UT date-time value of the day. Otherwise the numbers carry the special
// values: rise 0 when only a set was found; with neither, rise +1 (above all day), -1 (below
// all day) or 0 (exactly on the standard altitude at noon) and set -1. All of them lie in 1899;
// the flags tell them from events without comparing dates.
struct RiseSetTimes {
    double rise = 0;
    double set = 0;
    bool riseFound = false;
    bool setFound = false;
};

// Standard altitude in degrees for a body code: 0 -> -50.3', 9 (the Moon) -> +8', else -34'.
double StandardAltitude(short body);
// Rise and set on the whole date of `day`, its midnight taken as 0h UT.
RiseSetTimes RiseSet(double day, const GeoLocation &observer, short body = kBodyMoon);
// The Moon's geocentric altitude minus h0 at hours 0..24 of the day (dynamical time of each hour).
HourlyMargins HourlyAltitudes(double day, const GeoLocation &observer, short body, double h0);
// The parabola search over the 23 overlapping three-hour windows.
RiseSetTimes FindRiseSet(double day, const HourlyMargins &margins);

}
