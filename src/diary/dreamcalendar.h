#pragma once

#include "astro/timezone.h"
#include "calendar/calendarreading.h"
#include "calendar/lunardaycounter.h"
#include "location/programoptions.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace somnar::diary {

// The lunar calendar's three readings for dream moments at one town, as the calendar window
// and somnar-calendar give them for the same moment and place.
class DreamCalendar {
public:
    explicit DreamCalendar(const UserLocation &town, const astro::UtcOffsetSource &offset = astro::SystemOffset());
    ~DreamCalendar();

    // Nothing for a moment outside the calendar's years. When the lunar day cannot be found
    // the reading has lunarDayFound false and only its weekday and day of the month count.
    std::optional<calendar::CalendarReading> read(const QDateTime &moment);
    // Names the town and offset the lunar days were read for; a cached lunar day whose place
    // differs from this one is out of date.
    QString placeKey() const;

private:
    UserLocation m_town;
    const astro::UtcOffsetSource &m_offset;
    std::unique_ptr<calendar::LunarDayCounter> m_counter;
};

}
