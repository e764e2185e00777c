#include "location/towntexts.h"

namespace somnar {

namespace {
const QChar kDegree(0x00B0);

// The number at the start of the text (after spaces), up to the first character that cannot
// continue it; 0 when there is none.
std::int16_t LeadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 128)
        ++end;
    bool ok = false;
    const int value = text.left(end).toInt(&ok);
    return ok && value >= INT16_MIN && value <= INT16_MAX ? std::int16_t(value) : std::int16_t(0);
}

QString CoordinateText(int degrees, int minutes, const QString &hemisphere)
{
    return QString::number(degrees) + kDegree + QLatin1Char(' ') + QString::number(minutes) + QStringLiteral("' ")
        + hemisphere;
}
}

QString LatitudeText(const TownRecord &town)
{
    return CoordinateText(town.latitudeDegrees, town.latitudeMinutes,
                          town.south == 1 ? QStringLiteral("ю.ш.") : QStringLiteral("с.ш."));
}

QString LongitudeText(const TownRecord &town)
{
    return CoordinateText(town.longitudeDegrees, town.longitudeMinutes,
                          town.west == 1 ? QStringLiteral("з.д.") : QStringLiteral("в.д"));
}

std::int16_t GeoH(const QString &text)
{
    const qsizetype degree = text.indexOf(kDegree);
    return LeadingNumber(QStringView(text).left(degree < 0 ? text.size() : degree));
}

std::int16_t GeoM(const QString &text)
{
    const qsizetype degree = text.indexOf(kDegree);
    return degree < 0 ? std::int16_t(0) : LeadingNumber(QStringView(text).mid(degree + 1));
}

std::int16_t GeoP(const QString &text)
{
    return text.endsWith(QStringLiteral("з.д.")) || text.endsWith(QStringLiteral("ю.ш.")) ? 1 : 0;
}

int FindTown(const QStringList &names, const QString &typed, int current)
{
    if (typed.trimmed().isEmpty())
        return current;
    for (int row = 0; row < names.size(); ++row) {
        if (names[row].startsWith(typed, Qt::CaseInsensitive))
            return row;
    }
    return current;
}

}
