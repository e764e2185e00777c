#pragma once

// The program's date-time value: days since 1899-12-30 00:00 as a double, the fraction being
// the time of day. Below zero the whole part counts days backwards while the fraction is still
// the forward time within that day, so -1.75 is 1899-12-29 18:00. Such values do not order
// like numbers; arithmetic and comparisons go through the serial day count (plain days since
// 1899-12-30, negative before it), which does.

namespace somnar::astro {

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;
inline constexpr double kSecondsPerDay = 86400.0;

// Date-time value <-> serial days.
double ToSerialDays(double dateTime);
double FromSerialDays(double serialDays);

// Proleptic Gregorian calendar date -> serial day number of its midnight.
double SerialDayFromCivil(int year, int month, int day);
// Builds a date-time value; no range check.
double MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, double second = 0);
// Splits a date-time value, rounded to the nearest second.
CivilDateTime ToCivil(double dateTime);

// The midnight that opens the value's day, and the time of day in days [0, 1).
double DatePart(double dateTime);
double TimeOfDay(double dateTime);

double AddDays(double dateTime, double days);
double AddMinutes(double dateTime, double minutes);
double RoundToSecond(double dateTime);
// Orders two date-time values in time: negative, zero or positive.
int CompareDateTimes(double a, double b);

// 1 = Monday ... 7 = Sunday.
int WeekdayMondayFirst(double dateTime);
// True for a finite value within the years 100 to 9999.
bool IsValidDateTime(double dateTime);

}
