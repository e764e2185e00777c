#pragma once

#include "astro/coordinates.h"
#include "calendar/calendartexts.h"

#include <QString>

namespace somnar {

class SettingsStore;

namespace calendar {

// The user's town as the section "UserLocation" holds it.
struct CalendarPlace {
    QString cityName = QStringLiteral("Москва");
    PlaceSettings settings;

    // Signed decimal degrees, north and east positive, to four decimals.
    astro::GeoLocation location() const;
    bool operator==(const CalendarPlace &) const = default;
};

// Reads the town; a place out of range (degrees beyond 90 or 180, minutes beyond 59) gives the
// default town, Moscow, whole, so that name and coordinates always agree.
CalendarPlace ReadCalendarPlace(const SettingsStore &settings);

}

}
