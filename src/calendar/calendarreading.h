#pragma once

#include "calendar/lunardaycounter.h"

#include <QDateTime>
#include <QString>

namespace somnar::calendar {

// What the calendar shows for one local moment.
struct CalendarReading {
    double moment = 0;  // local date-time value
    short weekday = 0;  // 1 = Monday
    QString weekdayName;
    QString weekdayText;
    short day = 0;
    QString dayText;
    bool lunarDayFound = false;
    LunarDay lunarDay;  // local start and end
    QString lunarText;
};

// Applies the three selection rules: weekday and day of the month from the moment's local date,
// the lunar day from the new moons and moonrises around it. When the lunar day is not found the
// counter's previous lunar day is reported, as the window keeps it on screen.
CalendarReading ReadCalendar(double localMoment, LunarDayCounter &counter);

// The date-time value the calendar reads, from a wall-clock reading (its zone is ignored).
double CalendarMoment(const QDateTime &clock);

}
