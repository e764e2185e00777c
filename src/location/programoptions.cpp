#include "location/programoptions.h"

#include "app/settingsstore.h"
#include "astro/angles.h"

namespace somnar {

double UserLocation::latitude() const
{
    return astro::GeoValue(latitudeDegrees, latitudeMinutes, latitudeSign);
}

double UserLocation::longitude() const
{
    return astro::GeoValue(longitudeDegrees, longitudeMinutes, longitudeSign);
}

namespace {
struct Coordinate {
    int degrees;
    int minutes;
    int sign;
};

Coordinate ReadCoordinate(const SettingsStore &settings, const char *degreesName, const char *minutesName,
                          const char *signName, Coordinate defaults, int maxDegrees)
{
    const auto value = [&](const char *name, int defaultValue) {
        return settings.getInt(kLocationSection, QString::fromLatin1(name), defaultValue);
    };
    const Coordinate read{value(degreesName, defaults.degrees), value(minutesName, defaults.minutes),
                          value(signName, 1) == -1 ? -1 : 1};
    if (read.degrees < 0 || read.degrees > maxDegrees || read.minutes < 0 || read.minutes > 59)
        return defaults;
    return read;
}
}

ProgramOptions ReadProgramOptions(const SettingsStore &settings)
{
    ProgramOptions options;
    UserLocation &location = options.location;
    location.cityName = settings.get(kLocationSection, QStringLiteral("CityName"), location.cityName);
    const Coordinate latitude = ReadCoordinate(settings, "SGraduses", "SMinutes", "SM",
                                               {location.latitudeDegrees, location.latitudeMinutes, 1}, 90);
    const Coordinate longitude = ReadCoordinate(settings, "DGraduses", "DMinutes", "DM",
                                                {location.longitudeDegrees, location.longitudeMinutes, 1}, 180);
    location.latitudeDegrees = latitude.degrees;
    location.latitudeMinutes = latitude.minutes;
    location.latitudeSign = latitude.sign;
    location.longitudeDegrees = longitude.degrees;
    location.longitudeMinutes = longitude.minutes;
    location.longitudeSign = longitude.sign;
    options.closeToTray = settings.getBool(kMainSection, QStringLiteral("ToTray"), false);
    options.menuTransp = settings.getInt(kMainSection, QStringLiteral("MenuTransp"), 205);
    return options;
}

bool SaveProgramOptions(SettingsStore &settings, const ProgramOptions &options)
{
    const UserLocation &location = options.location;
    bool saved = settings.save(kLocationSection, QStringLiteral("CityName"), location.cityName);
    saved = settings.save(kLocationSection, QStringLiteral("DGraduses"), location.longitudeDegrees) && saved;
    saved = settings.save(kLocationSection, QStringLiteral("DMinutes"), location.longitudeMinutes) && saved;
    saved = settings.save(kLocationSection, QStringLiteral("DM"), location.longitudeSign) && saved;
    saved = settings.save(kLocationSection, QStringLiteral("SGraduses"), location.latitudeDegrees) && saved;
    saved = settings.save(kLocationSection, QStringLiteral("SMinutes"), location.latitudeMinutes) && saved;
    saved = settings.save(kLocationSection, QStringLiteral("SM"), location.latitudeSign) && saved;
    saved = settings.save(kMainSection, QStringLiteral("ToTray"), options.closeToTray) && saved;
    saved = settings.save(kMainSection, QStringLiteral("MenuTransp"), options.menuTransp) && saved;
    return saved;
}

}
