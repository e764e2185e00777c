#include "calendar/calendartexts.h"

#include "astro/datetime.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace somnar::calendar {

namespace {

QDateTime ToQDateTime(double dateTime)
{
    const astro::CivilDateTime civil = astro::ToCivil(dateTime);
    return QDateTime(QDate(civil.year, civil.month, civil.day), QTime(civil.hour, civil.minute, civil.second));
}

double HoursSinceEpoch(double dateTime)
{
    return std::floor(std::round(astro::ToSerialDays(dateTime) * astro::kSecondsPerDay) / 3600);
}

}

QString LunarDayPeriodText(double start, double end)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString format = QStringLiteral("dd MMM yyyy hh:mm");
    return QStringLiteral(" (") + russian.toString(ToQDateTime(start), format) + QStringLiteral(" - ")
        + russian.toString(ToQDateTime(end), format) + QStringLiteral(")");
}

int GmtOffsetHours(double universalNow, double localNow)
{
    return static_cast<int>(HoursSinceEpoch(localNow) - HoursSinceEpoch(universalNow));
}

QString CoordinatesText(const PlaceSettings &place, int gmtHours)
{
    const QString northSouth = place.latitudeSign == -1 ? QStringLiteral("ю.ш.") : QStringLiteral("с.ш.");
    const QString eastWest = place.longitudeSign == -1 ? QStringLiteral("з.д.") : QStringLiteral("в.д");
    return QStringLiteral("%1°%2' %3  %4°%5' %6 %7 GMT")
        .arg(place.latitudeDegrees)
        .arg(place.latitudeMinutes)
        .arg(northSouth)
        .arg(place.longitudeDegrees)
        .arg(place.longitudeMinutes)
        .arg(eastWest)
        .arg(gmtHours);
}

}
