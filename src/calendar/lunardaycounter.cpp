#include "calendar/lunardaycounter.h"

#include "astro/datetime.h"
#include "astro/riseset.h"

#include <stdexcept>
#include <utility>

namespace somnar::calendar {

using namespace somnar::astro;

namespace {

// A lunation is shorter than 30 days; the moonrise walk adds a day at either end.
constexpr double kSearchMargin = 32;
// A kept list serves moments at least this far from its new moons, well beyond the search's
// half-second tolerance, so it answers exactly as a fresh search would.
constexpr double kKeptListMargin = 2.0 / kSecondsPerDay;

bool Before(double a, double b)
{
    return CompareDateTimes(a, b) < 0;
}

class RunningFlag {
public:
    explicit RunningFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }

private:
    bool &m_flag;
};

}

LunarDayCounter::LunarDayCounter(GeoLocation observer, const UtcOffsetSource &offset, YieldFunction yield)
    : m_observer(observer), m_offset(offset), m_yield(std::move(yield))
{
}

bool LunarDayCounter::MoonList(double universalMoment)
{
    if (m_running)
        return false;
    // The new moons around the moment, and the days searched for moonrises, must be dates.
    if (!IsValidDateTime(universalMoment) || !IsValidDateTime(AddDays(universalMoment, -kSearchMargin))
        || !IsValidDateTime(AddDays(universalMoment, kSearchMargin)))
        throw std::domain_error("the lunar day needs the new moons around the moment, within the years 100 to 9999");
    RunningFlag running(m_running);
    if (!holdsLunationOf(universalMoment, m_offset.currentOffsetMinutes()))
        collectBoundaries(universalMoment);
    return findLunarDay(RoundToSecond(UniversalToLocal(universalMoment, m_offset)));
}

bool LunarDayCounter::holdsLunationOf(double universalMoment, int offsetMinutes) const
{
    return !m_boundaries.empty() && offsetMinutes == m_listOffsetMinutes
        && Before(AddDays(m_openingUniversal, kKeptListMargin), universalMoment)
        && Before(universalMoment, AddDays(m_closingUniversal, -kKeptListMargin));
}

void LunarDayCounter::collectBoundaries(double universalMoment)
{
    const double opening = PreviousNewMoon(universalMoment, m_yield);
    double closing = NextNewMoon(universalMoment, m_yield);
    // A moment in the half second before a new moon already belongs to the lunation it opens;
    // that lunation closes at the new moon after it.
    if (!Before(opening, closing))
        closing = NextNewMoon(opening, m_yield);
    const double start = RoundToSecond(UniversalToLocal(opening, m_offset));
    const double end = RoundToSecond(UniversalToLocal(closing, m_offset));

    std::vector<double> list {start};
    // The local date is searched as a UT date, so east of Greenwich a moonrise early on the new
    // moon's own date lies in the UT day before: the walk starts a day early.
    const double last = AddDays(end, 1);
    for (double x = AddDays(start, -1); !Before(last, x); x = AddDays(x, 1)) {
        const RiseSetTimes times = RiseSet(DatePart(x), m_observer, kBodyMoon);
        if (!times.riseFound)
            continue;
        const double rise = RoundToSecond(UniversalToLocal(times.rise, m_offset));
        if (!Before(rise, start) && Before(rise, end))
            list.push_back(rise);
    }
    list.push_back(end);
    m_boundaries = std::move(list);
    m_openingUniversal = opening;
    m_closingUniversal = closing;
    m_listOffsetMinutes = m_offset.currentOffsetMinutes();
}

bool LunarDayCounter::findLunarDay(double localMoment)
{
    const double start = m_boundaries.front();
    if (!Before(start, localMoment)) {
        // At or before the opening new moon (within the tolerance of the search): lunar day 1.
        for (std::size_t i = 1; i < m_boundaries.size(); ++i) {
            if (Before(start, m_boundaries[i])) {
                m_lunarDay = {1, start, m_boundaries[i]};
                return true;
            }
        }
        return false;
    }
    for (std::size_t k = 1; k < m_boundaries.size(); ++k) {
        const double previous = m_boundaries[k - 1];
        const double boundary = m_boundaries[k];
        if (Before(previous, localMoment) && !Before(boundary, localMoment)) {
            m_lunarDay = {static_cast<short>(k), previous, boundary};
            return true;
        }
    }
    return false;
}

}
