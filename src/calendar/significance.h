#pragma once

#include <QString>

// What the weekday, the day of the month and the lunar day say about a dream.
// Each lookup answers the empty string outside its range.

namespace somnar::calendar {

// Weekday 1 = Monday ... 7 = Sunday.
QString WeekDayStr(short weekday);
QString DreamByWeekDay(short weekday);
// Day of the month 1..31.
QString DreamByDay(short day);
// Lunar day 1..31.
QString DreamByMoon(short lunarDay);

}
