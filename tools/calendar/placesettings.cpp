#include "placesettings.h"

#include "app/settingsstore.h"
#include "astro/angles.h"
#include "commandline.h"

#include <cmath>

namespace somnar::calendartool {

namespace {

double SavedCoordinate(const SettingsStore &store, const QString &degreesName, int defaultDegrees,
                       const QString &minutesName, int defaultMinutes, const QString &signName, double limit)
{
    const int degrees = store.getInt(kLocationSection, degreesName, defaultDegrees);
    const int minutes = store.getInt(kLocationSection, minutesName, defaultMinutes);
    const int sign = astro::HemisphereSign(store.getInt(kLocationSection, signName, 1) == -1);
    const double value = astro::GeoValue(degrees, minutes, sign);
    if (degrees < 0 || minutes < 0 || minutes > 59 || std::fabs(value) > limit)
        throw UsageError {QStringLiteral("the saved place (%1 %2, %3 %4 in %5) is out of range; give --lat and --lon")
                              .arg(degreesName)
                              .arg(degrees)
                              .arg(minutesName)
                              .arg(minutes)
                              .arg(store.filePath())};
    return value;
}

}

astro::GeoLocation ObserverLocation(std::optional<double> latitude, std::optional<double> longitude)
{
    if (latitude && longitude)
        return {*latitude, *longitude};
    const SettingsStore &store = SettingsStore::instance();
    astro::GeoLocation location;
    location.latitude = latitude ? *latitude
                                 : SavedCoordinate(store, QStringLiteral("SGraduses"), 55, QStringLiteral("SMinutes"),
                                                   45, QStringLiteral("SM"), 90);
    location.longitude = longitude ? *longitude
                                   : SavedCoordinate(store, QStringLiteral("DGraduses"), 37, QStringLiteral("DMinutes"),
                                                     35, QStringLiteral("DM"), 180);
    return location;
}

}
