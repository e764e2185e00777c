#include "astro/datetime.h"
#include "astro/riseset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace somnar::astro;

namespace {

const double kDay = MakeDateTime(2024, 3, 10);
constexpr double kHour = 1.0 / 24;

HourlyMargins Margins(const std::function<double(double)> &curve)
{
    HourlyMargins y {};
    for (int i = 0; i < 25; ++i)
        y[i] = curve(i);
    return y;
}

double AtHour(double hours)
{
    return kDay + hours * kHour;
}

struct CraftedCase {
    const char *name;
    std::function<double(double)> curve;
    double rise, set;
    bool riseFound, setFound;
};

TEST(FindRiseSet, CraftedAltitudes)
{
    const CraftedCase cases[] = {
        // Root at x = 0 of u + u^2/16 (u = hour - 10); the windows at 9 h and 11 h see it at +-1.
        {"exactly at 10:00, found once", [](double h) { return (h - 10) + (h - 10) * (h - 10) / 16; },
         AtHour(10), 0, true, false},
        {"between 0 and 1 h, one window", [](double h) { return (h - 0.5) + (h - 0.5) * (h - 0.5) / 16; },
         AtHour(0.5), 0, true, false},
        {"set between 23 and 24 h, one window", [](double h) { return -(h - 23.5) + (h - 23.5) * (h - 23.5) / 16; },
         0, AtHour(23.5), false, true},
        // Collinear samples count as a straight line; the crossing lies in two windows.
        {"set only: rise takes 0", [](double h) { return 7.25 - h; }, 0, AtHour(7.25), false, true},
        // One window holding a set and then a rise (vertex below the line): later root is the rise.
        {"both in one window", [](double h) { return (h - 12) * (h - 12) - 0.25; }, AtHour(12.5), AtHour(11.5),
         true, true},
        {"above all day", [](double) { return 2.0; }, 1, -1, false, false},
        {"below all day", [](double) { return -2.0; }, -1, -1, false, false},
        {"on the line at noon", [](double) { return 0.0; }, 0, -1, false, false},
    };
    for (const CraftedCase &c : cases) {
        const RiseSetTimes times = FindRiseSet(kDay, Margins(c.curve));
        EXPECT_NEAR(times.rise, c.rise, 1e-12) << c.name;
        EXPECT_NEAR(times.set, c.set, 1e-12) << c.name;
        EXPECT_EQ(times.riseFound, c.riseFound) << c.name;
        EXPECT_EQ(times.setFound, c.setFound) << c.name;
    }
}

TEST(FindRiseSet, CrossingBetweenWholeHoursAveragesBothWindows)
{
    // Samples -2, -1 | 1, 5 around the crossing: the window at 14 h puts it at
    // 14 + (-1.5 + sqrt(4.25)), the one at 15 h at 15 + (-3 + sqrt(5)) / 2.
    HourlyMargins y {};
    for (int i = 0; i < 25; ++i)
        y[i] = i <= 14 ? -1.0 - (14 - i) : 5.0 + (i - 16);
    y[15] = 1;
    const double first = 14 + (-1.5 + std::sqrt(4.25));
    const double second = 15 + (-3 + std::sqrt(5.0)) / 2;
    const RiseSetTimes times = FindRiseSet(kDay, y);
    EXPECT_TRUE(times.riseFound);
    EXPECT_NEAR(times.rise, AtHour((first + second) / 2), 1e-12);
    EXPECT_FALSE(times.setFound);
}

TEST(RiseSet, StandardAltitudes)
{
    EXPECT_DOUBLE_EQ(StandardAltitude(kBodyMoon), 8.0 / 60);
    EXPECT_DOUBLE_EQ(StandardAltitude(0), -50.3 / 60);
    EXPECT_DOUBLE_EQ(StandardAltitude(5), -34.0 / 60);
}

TEST(RiseSet, MoscowAgreesWithAnIndependentEphemeris)
{
    // Moonrise at Moscow on 2024-03-10 at 04:17 UT (PyEphem, centre of the disc at +8').
    const RiseSetTimes times = RiseSet(kDay, {55.75, 37.5833});
    ASSERT_TRUE(times.riseFound);
    EXPECT_NEAR(times.rise, MakeDateTime(2024, 3, 10, 4, 17), 5.0 / 1440);
}

TEST(RiseSet, NearThePoleTheMoonStaysUpOrDownForDays)
{
    bool sawUp = false;
    bool sawDown = false;
    for (int day = 0; day < 30; ++day) {
        const RiseSetTimes times = RiseSet(AddDays(kDay, day), {89.0, 0.0});
        if (times.riseFound || times.setFound)
            continue;
        EXPECT_EQ(times.set, -1);
        sawUp = sawUp || times.rise == 1;
        sawDown = sawDown || times.rise == -1;
    }
    EXPECT_TRUE(sawUp);
    EXPECT_TRUE(sawDown);
}

}
