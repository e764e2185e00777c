#pragma once

#include <QString>

namespace somnar::calendartool {

// Parses YYYY-MM-DDTHH:MM:SS, or YYYY-MM-DD for midnight, into a date-time value. Throws
// UsageError for a malformed date or a year outside 100 to 9999.
double ParseMoment(const QString &text);
// YYYY-MM-DDTHH:MM:SS of a date-time value, to the nearest second.
QString FormatMoment(double dateTime);
QString FormatDate(double dateTime);
// A date-time number in full precision (%.17g), whatever the locale.
QString FormatNumber(double value);

}
