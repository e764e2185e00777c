#include "astro/lunation.h"

#include "astro/datetime.h"
#include "astro/moonphase.h"
#include "astro/timescales.h"

#include <cmath>
#include <stdexcept>

namespace somnar::astro {

namespace {

constexpr double kSearchEpoch = 8388.51399305556; // mean new moon of 1922-12-18 12:20:09
constexpr double kSynodicMonth = 29.530589;

}

int LunationNumber(double t, const YieldFunction &yield)
{
    if (!IsValidDateTime(t))
        throw std::domain_error("moment outside the years 100 to 9999");

    // nearbyint rounds halves to even in the default rounding mode.
    const double daysFromEpoch = std::nearbyint(t - kSearchEpoch);
    int n = static_cast<int>(std::nearbyint(daysFromEpoch / kSynodicMonth));
    const double tau = DateToJulianDay(t) + kNewMoonTolerance;
    for (;;) {
        if (yield)
            yield();
        const double opening = PhaseTime(n, NewMoon);
        const double closing = PhaseTime(n + 1, NewMoon);
        if (opening > tau)
            --n;
        else if (closing <= tau)
            ++n;
        else
            return n;
    }
}

double PreviousNewMoon(double t, const YieldFunction &yield)
{
    return JulianDayToDate(PhaseTime(LunationNumber(t, yield), NewMoon));
}

double NextNewMoon(double t, const YieldFunction &yield)
{
    const double opening = JulianDayToDate(PhaseTime(LunationNumber(t, yield), NewMoon));
    if (CompareDateTimes(opening, t) > 0)
        return opening;
    return JulianDayToDate(PhaseTime(LunationNumber(t, yield) + 1, NewMoon));
}

}
