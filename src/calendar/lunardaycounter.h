#pragma once

#include "astro/coordinates.h"
#include "astro/lunation.h"
#include "astro/timezone.h"

#include <vector>

namespace somnar::calendar {

// A lunar day with its start and end as local date-time values, to the whole second.
struct LunarDay {
    short number = 0;
    double start = 0;
    double end = 0;
};

// Counts lunar days at one observer location: lunar day 1 runs from the new moon to the first
// moonrise after it, each later day from one moonrise to the next, and the last ends at the
// next new moon.
class LunarDayCounter {
public:
    LunarDayCounter(astro::GeoLocation observer, const astro::UtcOffsetSource &offset,
                    astro::YieldFunction yield = {});

    // Builds the boundary list of the lunation holding `universalMoment` and finds the lunar
    // day of that moment. The list is kept and used again while later moments fall well inside
    // the same lunation at the same offset from UT. False (and the previous lunar day kept) when the moment falls in no
    // interval or a calculation is already running (the yield lets events in). Throws
    // std::domain_error when the lunation reaches beyond the years 100 to 9999.
    bool MoonList(double universalMoment);

    // Local date-time values: the opening new moon, the moonrises, the closing new moon.
    const std::vector<double> &boundaries() const { return m_boundaries; }
    const LunarDay &lunarDay() const { return m_lunarDay; }
    const astro::UtcOffsetSource &offset() const { return m_offset; }

private:
    bool holdsLunationOf(double universalMoment, int offsetMinutes) const;
    void collectBoundaries(double universalMoment);
    bool findLunarDay(double localMoment);

    astro::GeoLocation m_observer;
    const astro::UtcOffsetSource &m_offset;
    astro::YieldFunction m_yield;
    std::vector<double> m_boundaries;
    // The lunation the list was built for: its new moons in UT and the offset used.
    double m_openingUniversal = 0;
    double m_closingUniversal = 0;
    int m_listOffsetMinutes = 0;
    LunarDay m_lunarDay;
    bool m_running = false;
};

}
