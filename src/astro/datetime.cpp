#include "astro/datetime.h"

#include <cmath>

namespace somnar::astro {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's civil-days algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

constexpr long long kEpochFromUnix = -25569; // 1899-12-30 counted from 1970-01-01

}

double ToSerialDays(double dateTime)
{
    if (dateTime >= 0)
        return dateTime;
    const double whole = std::trunc(dateTime);
    return whole + (whole - dateTime);
}

double FromSerialDays(double serialDays)
{
    if (serialDays >= 0)
        return serialDays;
    const double whole = std::floor(serialDays);
    return whole - (serialDays - whole);
}

double SerialDayFromCivil(int year, int month, int day)
{
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day))
                               - kEpochFromUnix);
}

double MakeDateTime(int year, int month, int day, int hour, int minute, double second)
{
    const double seconds = hour * 3600.0 + minute * 60.0 + second;
    return FromSerialDays(SerialDayFromCivil(year, month, day) + seconds / kSecondsPerDay);
}

CivilDateTime ToCivil(double dateTime)
{
    const double totalSeconds = std::round(ToSerialDays(dateTime) * kSecondsPerDay);
    const double days = std::floor(totalSeconds / kSecondsPerDay);
    long long secondOfDay = static_cast<long long>(totalSeconds - days * kSecondsPerDay);
    CivilDateTime civil;
    CivilFromDays(static_cast<long long>(days) + kEpochFromUnix, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(secondOfDay / 3600);
    secondOfDay %= 3600;
    civil.minute = static_cast<int>(secondOfDay / 60);
    civil.second = static_cast<int>(secondOfDay % 60);
    return civil;
}

double DatePart(double dateTime)
{
    return std::trunc(dateTime);
}

double TimeOfDay(double dateTime)
{
    return std::fabs(dateTime - std::trunc(dateTime));
}

double AddDays(double dateTime, double days)
{
    return FromSerialDays(ToSerialDays(dateTime) + days);
}

double AddMinutes(double dateTime, double minutes)
{
    return AddDays(dateTime, minutes / 1440.0);
}

double RoundToSecond(double dateTime)
{
    return FromSerialDays(std::round(ToSerialDays(dateTime) * kSecondsPerDay) / kSecondsPerDay);
}

int CompareDateTimes(double a, double b)
{
    const double sa = ToSerialDays(a);
    const double sb = ToSerialDays(b);
    return sa < sb ? -1 : (sa > sb ? 1 : 0);
}

int WeekdayMondayFirst(double dateTime)
{
    // 1899-12-30 was a Saturday.
    const long long days = static_cast<long long>(std::floor(ToSerialDays(dateTime)));
    const long long fromMonday = ((days + 5) % 7 + 7) % 7;
    return static_cast<int>(fromMonday) + 1;
}

bool IsValidDateTime(double dateTime)
{
    if (!std::isfinite(dateTime))
        return false;
    const double serial = ToSerialDays(dateTime);
    return serial >= SerialDayFromCivil(kFirstYear, 1, 1) && serial < SerialDayFromCivil(kLastYear + 1, 1, 1);
}

}
