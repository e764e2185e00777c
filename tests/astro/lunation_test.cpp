#include "astro/datetime.h"
#include "astro/lunation.h"
#include "astro/moonphase.h"
#include "astro/timescales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace somnar::astro;

namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kMinute = 60 * kSecond;

double NewMoonDate(int lunation)
{
    return JulianDayToDate(PhaseTime(lunation, NewMoon));
}

TEST(Lunation, January2000)
{
    const double t = MakeDateTime(2000, 1, 10);
    int steps = 0;
    EXPECT_EQ(LunationNumber(t, [&] { ++steps; }), 953);
    EXPECT_EQ(steps, 1); // the first estimate is already right
    EXPECT_NEAR(PreviousNewMoon(t), MakeDateTime(2000, 1, 6, 18, 15), kMinute);
    EXPECT_NEAR(NextNewMoon(t), MakeDateTime(2000, 2, 5, 13, 4), kMinute);
}

TEST(Lunation, HalfASecondBeforeANewMoonCountsInTheNewLunation)
{
    const double newMoon = NewMoonDate(954);
    EXPECT_EQ(LunationNumber(newMoon - 0.4 * kSecond), 954);
    EXPECT_EQ(LunationNumber(newMoon - 0.6 * kSecond), 953);
    EXPECT_EQ(LunationNumber(newMoon), 954);
    EXPECT_EQ(PreviousNewMoon(newMoon - 0.4 * kSecond), newMoon);
    // The first new moon later than that moment is the one it is counted in.
    EXPECT_EQ(NextNewMoon(newMoon - 0.4 * kSecond), newMoon);
}

TEST(Lunation, MomentExactlyAtTheClosingNewMoonMovesOn)
{
    // A moment whose Julian day plus the tolerance equals the next new moon's instant exactly.
    const double closing = PhaseTime(954, NewMoon);
    double t = JulianDayToDate(closing - kNewMoonTolerance);
    for (int step = 0; step < 64 && DateToJulianDay(t) + kNewMoonTolerance != closing; ++step)
        t = std::nextafter(t, DateToJulianDay(t) + kNewMoonTolerance < closing ? 1e9 : -1e9);
    ASSERT_EQ(DateToJulianDay(t) + kNewMoonTolerance, closing);
    EXPECT_EQ(LunationNumber(t), 954);
}

TEST(Lunation, NextNewMoonNeverReturnsTheOneJustPassed)
{
    for (int lunation : {953, 1200, 1300}) {
        const double newMoon = NewMoonDate(lunation);
        EXPECT_EQ(NextNewMoon(newMoon + kSecond), NewMoonDate(lunation + 1)) << lunation;
        EXPECT_EQ(PreviousNewMoon(newMoon + kSecond), newMoon) << lunation;
    }
}

TEST(Lunation, FarFromTheEpochTheSearchStillSettles)
{
    for (double t : {MakeDateTime(150, 3, 1), MakeDateTime(1899, 12, 29, 12), MakeDateTime(9999, 11, 1)}) {
        const int n = LunationNumber(t);
        EXPECT_LE(PhaseTime(n, NewMoon), DateToJulianDay(t) + kNewMoonTolerance);
        EXPECT_GT(PhaseTime(n + 1, NewMoon), DateToJulianDay(t) + kNewMoonTolerance);
    }
}

TEST(Lunation, MomentsOutsideTheCalendarAreRefused)
{
    EXPECT_THROW(LunationNumber(std::nan("")), std::domain_error);
    EXPECT_THROW(LunationNumber(1e12), std::domain_error);
    EXPECT_THROW(PreviousNewMoon(MakeDateTime(99, 1, 1)), std::domain_error);
}

}
