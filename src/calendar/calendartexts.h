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
// The offset from GMT in minutes east: whole hours as a signed number without a plus sign
// ("3", "-5", "0"), other zones with their minutes ("5:30", "-3:30", "5:45").
QString GmtOffsetText(int minutesEast);
// "55°45' с.ш.  37°35' в.д 3 GMT".
QString CoordinatesText(const PlaceSettings &place, int gmtMinutesEast);

}
