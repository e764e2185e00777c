#pragma once

#include "location/townlist.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace somnar {

// The list's column texts: "55° 45' с.ш." and "37° 35' в.д" (east without a final full stop).
QString LatitudeText(const TownRecord &town);
QString LongitudeText(const TownRecord &town);

// Read back from a column text: the degrees before the degree sign, the minutes after it
// (leading spaces skipped, up to the first character that cannot continue a number), and
// 1 when the text ends in "з.д." or "ю.ш.", else 0.
std::int16_t GeoH(const QString &text);
std::int16_t GeoM(const QString &text);
std::int16_t GeoP(const QString &text);

// Quick search: the first name that begins with the typed text (as typed, any letter case);
// the current row when the text is blank or nothing matches.
int FindTown(const QStringList &names, const QString &typed, int current);

}
