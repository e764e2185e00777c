#include "calendar/window/calendarplace.h"

#include "app/settingsstore.h"
#include "astro/angles.h"

namespace somnar::calendar {

namespace {

bool InRange(int degrees, int minutes, int limit)
{
    return degrees >= 0 && minutes >= 0 && minutes <= 59 && degrees * 60 + minutes <= limit * 60;
}

}

astro::GeoLocation CalendarPlace::location() const
{
    return {astro::GeoValue(settings.latitudeDegrees, settings.latitudeMinutes, settings.latitudeSign),
            astro::GeoValue(settings.longitudeDegrees, settings.longitudeMinutes, settings.longitudeSign)};
}

CalendarPlace ReadCalendarPlace(const SettingsStore &store)
{
    const auto value = [&store](const char *name, int defaultValue) {
        return store.getInt(kLocationSection, QString::fromLatin1(name), defaultValue);
    };
    CalendarPlace place;
    PlaceSettings &s = place.settings;
    s.latitudeDegrees = value("SGraduses", 55);
    s.latitudeMinutes = value("SMinutes", 45);
    s.latitudeSign = astro::HemisphereSign(value("SM", 1) == -1);
    s.longitudeDegrees = value("DGraduses", 37);
    s.longitudeMinutes = value("DMinutes", 35);
    s.longitudeSign = astro::HemisphereSign(value("DM", 1) == -1);
    if (!InRange(s.latitudeDegrees, s.latitudeMinutes, 90) || !InRange(s.longitudeDegrees, s.longitudeMinutes, 180))
        return {};
    const QString city = store.get(kLocationSection, QStringLiteral("CityName"), place.cityName).trimmed();
    if (!city.isEmpty())
        place.cityName = city;
    return place;
}

}
