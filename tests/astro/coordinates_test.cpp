#include "astro/coordinates.h"
#include "astro/nutation.h"
#include "astro/timescales.h"

#include <gtest/gtest.h>

using namespace somnar::astro;

namespace {

// Worked examples of Meeus, Astronomical Algorithms: 22.a (nutation), 12.a (sidereal time),
// 13.a (Pollux), 13.b (Venus from Washington). Tolerances sit beside the values.

double Arcseconds(double degrees)
{
    return degrees * 3600;
}

// A jde whose UT part (jde - DeltaT(jde)) is the Julian day given.
double JdeOfUniversal(double julianDay)
{
    return julianDay + DeltaT(julianDay);
}

TEST(Coordinates, NutationAndObliquity)
{
    const double jde = 2446895.5;
    EXPECT_NEAR(Arcseconds(Nutation(jde, NutationComponent::Longitude)), -3.788, 0.001);
    EXPECT_NEAR(Arcseconds(Nutation(jde, NutationComponent::Obliquity)), 9.443, 0.001);
    EXPECT_NEAR(Arcseconds(Obliquity(jde, false) - 23 - 26.0 / 60), 27.407, 0.001);
    EXPECT_NEAR(Arcseconds(Obliquity(jde, true) - 23 - 26.0 / 60), 36.850, 0.001);
}

TEST(Coordinates, ApparentSiderealTimeAtGreenwich)
{
    // 13h10m46.1351s, within 0.01 s of time.
    const double expected = (13 + 10 / 60.0 + 46.1351 / 3600) * 15;
    EXPECT_NEAR(LocalSiderealTime(JdeOfUniversal(2446895.5), 0), expected, 0.01 / 240);
    // East longitude adds, and the result stays within a day.
    EXPECT_NEAR(LocalSiderealTime(JdeOfUniversal(2446895.5), 180), expected - 180, 0.01 / 240);
}

TEST(Coordinates, EclipticToEquatorial)
{
    const Equatorial pollux = EclipticToEquatorial({113.215630, 6.684170, 1}, 23.4392911);
    EXPECT_NEAR(pollux.rightAscension, 116.328942, 1e-6);
    EXPECT_NEAR(pollux.declination, 28.026183, 1e-6);
    EXPECT_EQ(pollux.distance, 1);
}

TEST(Coordinates, EquatorialToHorizontalFromNorth)
{
    const GeoLocation washington {38 + 55 / 60.0 + 17 / 3600.0, -(77 + 3 / 60.0 + 56 / 3600.0)};
    const Horizontal venus =
        EquatorialToHorizontal(JdeOfUniversal(2446896.30625), {347.3193375, -6.719891, 0.7}, washington);
    EXPECT_NEAR(venus.azimuth, 68.0337 + 180, 0.001); // the book counts from the south
    EXPECT_NEAR(venus.altitude, 15.1249, 0.001);
    EXPECT_EQ(venus.distance, 0.7);
}

TEST(Coordinates, Fk5CorrectionIsAFractionOfAnArcsecond)
{
    Ecliptic position {133.0, 5.0, 1};
    Fk5Correction(2448724.5, position);
    EXPECT_NEAR(Arcseconds(position.longitude - 133.0), -0.09033 + 0.03916 * 0.0, 0.01);
    EXPECT_GT(std::abs(Arcseconds(position.latitude - 5.0)), 0.01);
    EXPECT_LT(std::abs(Arcseconds(position.latitude - 5.0)), 0.06);
}

}
