#include "calendar/calendartexts.h"

#include "astro/datetime.h"

#include <QDateTime>
#include <QLocale>

#include <cstdlib>

namespace somnar::calendar {

namespace {

QDateTime ToQDateTime(double dateTime)
{
    const astro::CivilDateTime civil = astro::ToCivil(dateTime);
    return QDateTime(QDate(civil.year, civil.month, civil.day), QTime(civil.hour, civil.minute, civil.second));
}

}

QString LunarDayPeriodText(double start, double end)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString format = QStringLiteral("dd MMM yyyy hh:mm");
    return QStringLiteral(" (") + russian.toString(ToQDateTime(start), format) + QStringLiteral(" - ")
        + russian.toString(ToQDateTime(end), format) + QStringLiteral(")");
}

QString GmtOffsetText(int minutesEast)
{
    const int hours = minutesEast / 60;
    const int minutes = std::abs(minutesEast % 60);
    if (minutes == 0)
        return QString::number(hours);
    const QString sign = minutesEast < 0 ? QStringLiteral("-") : QString();
    return sign + QStringLiteral("%1:%2").arg(std::abs(hours)).arg(minutes, 2, 10, QLatin1Char('0'));
}

QString CoordinatesText(const PlaceSettings &place, int gmtMinutesEast)
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
        .arg(GmtOffsetText(gmtMinutesEast));
}

}
