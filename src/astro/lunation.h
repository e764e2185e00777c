#pragma once

#include <functional>

// Lunations: the new moons that open and close the lunation holding a moment. New-moon instants
// are the phase times in dynamical time, used as Universal Time as they stand.

namespace somnar::astro {

// Called once per search step so that a window can serve its pending events.
using YieldFunction = std::function<void()>;

// A moment is compared with the new moons after being advanced by this much (about half a
// second), so a moment just before a new moon already counts in the new lunation.
inline constexpr double kNewMoonTolerance = 0.00001158 / 2;

// n such that the new moon of lunation n is at or before t (plus the tolerance) and that of
// n + 1 after it. t is a UT date-time value; throws std::domain_error outside years 100..9999.
int LunationNumber(double t, const YieldFunction &yield = {});
// New moon opening the lunation that holds t, as a date-time value.
double PreviousNewMoon(double t, const YieldFunction &yield = {});
// First new moon later than t.
double NextNewMoon(double t, const YieldFunction &yield = {});

}
