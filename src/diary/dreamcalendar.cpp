#include "diary/dreamcalendar.h"

#include "astro/datetime.h"

#include <stdexcept>

namespace somnar::diary {

DreamCalendar::DreamCalendar(const UserLocation &town, const astro::UtcOffsetSource &offset)
    : m_town(town),
      m_offset(offset),
      m_counter(std::make_unique<calendar::LunarDayCounter>(astro::GeoLocation {town.latitude(), town.longitude()},
                                                            offset))
{
}

DreamCalendar::~DreamCalendar() = default;

std::optional<calendar::CalendarReading> DreamCalendar::read(const QDateTime &moment)
{
    if (!moment.isValid() || moment.date().year() < astro::kFirstYear || moment.date().year() > astro::kLastYear)
        return std::nullopt;
    try {
        calendar::CalendarReading reading = calendar::ReadCalendar(calendar::CalendarMoment(moment), *m_counter);
        if (!reading.lunarDayFound) {
            reading.lunarDay = {};
            reading.lunarText.clear();
        }
        return reading;
    } catch (const std::domain_error &) {
        // The lunation reaches past the calendar's years: near the ends of its range.
        return std::nullopt;
    }
}

QString DreamCalendar::placeKey() const
{
    return QStringLiteral("%1 %2 %3")
        .arg(m_town.latitude(), 0, 'f', 4)
        .arg(m_town.longitude(), 0, 'f', 4)
        .arg(m_offset.currentOffsetMinutes());
}

}
