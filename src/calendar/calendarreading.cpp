#include "calendar/calendarreading.h"

#include "astro/datetime.h"
#include "calendar/significance.h"

namespace somnar::calendar {

CalendarReading ReadCalendar(double localMoment, LunarDayCounter &counter)
{
    CalendarReading reading;
    reading.moment = localMoment;
    reading.weekday = static_cast<short>(astro::WeekdayMondayFirst(localMoment));
    reading.weekdayName = WeekDayStr(reading.weekday);
    reading.weekdayText = DreamByWeekDay(reading.weekday);
    reading.day = static_cast<short>(astro::ToCivil(astro::DatePart(localMoment)).day);
    reading.dayText = DreamByDay(reading.day);

    reading.lunarDayFound = counter.MoonList(astro::LocalToUniversal(localMoment, counter.offset()));
    reading.lunarDay = counter.lunarDay();
    reading.lunarText = DreamByMoon(reading.lunarDay.number);
    return reading;
}

double CalendarMoment(const QDateTime &clock)
{
    const QDate date = clock.date();
    const QTime time = clock.time();
    return astro::MakeDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

}
