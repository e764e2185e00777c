#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace somnar::astro;

namespace {

const double kPi = 4 * std::atan(1.0);

TEST(Angles, ArcTan2KeepsItsOwnRange)
{
    struct Case {
        double y, x, expected;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1, 0, kPi / 2},
        {-1, 0, -kPi / 2},
        {1, 1, kPi / 4},
        {1, -1, 3 * kPi / 4},
        {-1, -1, 5 * kPi / 4}, // beyond pi: callers normalise
        {-1, 1, -kPi / 4},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(ArcTan2(c.y, c.x), c.expected, 1e-15) << c.y << ", " << c.x;
}

TEST(Angles, ArcSinClampsBeyondOne)
{
    EXPECT_DOUBLE_EQ(ArcSin(-1), -kPi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(1), kPi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(1.5), kPi / 2);
    EXPECT_DOUBLE_EQ(ArcSin(-7), -kPi / 2);
    EXPECT_NEAR(ArcSin(0.5), kPi / 6, 1e-15);
}

TEST(Angles, ReduceToRadiansKeepsTheSign)
{
    struct Case {
        double degrees, reducedDegrees;
    };
    const Case cases[] = {{359.7, 359.7}, {-370, -10}, {719.8, -0.2 + 360}, {720.3, 0.3}, {-0.5, -0.5}};
    for (const Case &c : cases)
        EXPECT_NEAR(ReduceToRadians(c.degrees), c.reducedDegrees * 0.0174532925199433, 1e-12) << c.degrees;
    EXPECT_LT(std::sin(ReduceToRadians(719.8)), 0);
}

TEST(Angles, Normalize360)
{
    EXPECT_DOUBLE_EQ(Normalize360(-30), 330);
    EXPECT_DOUBLE_EQ(Normalize360(720), 0);
    EXPECT_DOUBLE_EQ(Normalize360(400.5), 40.5);
}

TEST(Angles, GeoValueKeepsFourDecimals)
{
    EXPECT_DOUBLE_EQ(GeoValue(55, 45, 1), 55.75);
    EXPECT_DOUBLE_EQ(GeoValue(37, 35, 1), 37.5833);
    EXPECT_DOUBLE_EQ(GeoValue(33, 52, -1), -33.8667);
    EXPECT_EQ(HemisphereSign(true), -1);
    EXPECT_EQ(HemisphereSign(false), 1);
}

}
