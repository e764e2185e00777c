#include "astro/datetime.h"
#include "astro/timescales.h"

#include <gtest/gtest.h>

using namespace somnar::astro;

namespace {

TEST(TimeScales, JulianDayOfCivilDates)
{
    struct Case {
        double dateTime;
        double julianDay;
    };
    const Case cases[] = {
        {MakeDateTime(2000, 1, 1, 12), 2451545.0},
        {MakeDateTime(2000, 1, 1), 2451544.5},
        {MakeDateTime(1582, 10, 15), 2299160.5},
        {MakeDateTime(1582, 10, 4), 2299159.5},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(JulianEphemerisDay(c.dateTime, false, true), c.julianDay);
    const double date = MakeDateTime(2008, 1, 1);
    EXPECT_DOUBLE_EQ(JulianEphemerisDay(date, false, false), 2454466.5 + DeltaT(2454466.5));
}

TEST(TimeScales, DateToJulianDayAcrossZeroAndTheReform)
{
    EXPECT_DOUBLE_EQ(DateToJulianDay(-1.75), 2415018.25);
    EXPECT_DOUBLE_EQ(DateToJulianDay(0.25), 2415018.75);
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDateTime(1582, 10, 15)), 2299160.5);
    // Before the reform the same 10-day shift is added that JulianDayToDate takes back.
    EXPECT_DOUBLE_EQ(DateToJulianDay(MakeDateTime(1582, 10, 14)), 2299169.5);
}

TEST(TimeScales, JulianDayToDate)
{
    struct Case {
        double julianDay;
        double dateTime;
    };
    const Case cases[] = {
        {1757593.5, 0},              // below the range: the zero date
        {5373484.5, 0},              // above it
        {2415018.75, MakeDateTime(1899, 12, 30, 6)},
        {2415019.25, MakeDateTime(1899, 12, 30, 18)},
        {2415019.75, MakeDateTime(1899, 12, 31, 6)},
        {2415018.25, MakeDateTime(1899, 12, 29, 18)},
        {2451545.0, MakeDateTime(2000, 1, 1, 12)},
        {2299160.5, MakeDateTime(1582, 10, 15)},
        {2299160.0, MakeDateTime(1582, 10, 4, 12)},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(JulianDayToDate(c.julianDay), c.dateTime, 1e-9) << std::fixed << c.julianDay;
    for (double date : {MakeDateTime(1200, 6, 1, 3), MakeDateTime(1899, 12, 29, 1), MakeDateTime(2031, 7, 7, 7)})
        EXPECT_NEAR(JulianDayToDate(DateToJulianDay(date)), date, 1e-9);
}

TEST(TimeScales, DeltaTLawsAndSeams)
{
    auto seconds = [](double julianDay) { return DeltaT(julianDay) * 86400; };
    auto julianDayOfYear = [](double year) { return (year - 2000) * 365.25 + 2451545; };
    EXPECT_NEAR(seconds(2454467.0), 71.358, 0.001);
    // The laws are not joined smoothly: just below 1998.0 and at it.
    EXPECT_NEAR(seconds(julianDayOfYear(1998.0) - 1e-6), 63.71, 0.01);
    EXPECT_NEAR(seconds(julianDayOfYear(1998.0)), 63.49, 0.01);
    struct Case {
        double year, expected;
    };
    const Case cases[] = {
        {500, 2177 + 497 * -15 + 44.1 * 225},
        {1000, 102 + 102 * -10 + 25.3 * 100},
        {1700, 24.349 + 72.318 * -2 + 29.95 * 4},
        {1900, -2.50},
        {2100, 69.3 + 123.5 + 32.5},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(seconds(julianDayOfYear(c.year)), c.expected, 1e-6) << c.year;
}

}
