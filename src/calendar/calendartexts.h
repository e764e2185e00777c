#pragma once

#include <QString>

namespace somnar::calendar {

// The observer's place as the settings hold it: degrees, minutes and a sign (+1 north or east,
// -1 south or west).
struct PlaceSettings {
    int latitudeDegrees = 55;
    int latitudeMinutes = 45;
    int latitudeSign = 1;
    int longitudeDegrees = 37;
    int longitudeMinutes = 35;
    int longitudeSign = 1;
};

// " (start - end)" with both moments as "dd MMM yyyy hh:mm", Russian month abbreviations.
QString LunarDayPeriodText(double start, double end);
// Whole hours between the current UT and the current local time, counted as hour boundaries
// crossed (so +5:30 counts 5 or 6 by the minute).
int GmtOffsetHours(double universalNow, double localNow);
// "55°45' с.ш.  37°35' в.д 3 GMT".
QString CoordinatesText(const PlaceSettings &place, int gmtHours);

}
