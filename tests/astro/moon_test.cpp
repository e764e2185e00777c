#include "astro/moonphase.h"
#include "astro/moonposition.h"
#include "astro/moonterms.h"

#include <gtest/gtest.h>

using namespace somnar::astro;

namespace {

TEST(MoonPhase, PhaseInstants)
{
    struct Case {
        int lunation, phase;
        double jde;
    };
    // Within 0.0001 day (about 9 s).
    const Case cases[] = {
        {953, NewMoon, 2451550.2602},
        {953, FullMoon, 2451564.6955},
        {954, NewMoon, 2451580.0447},
        // Meeus example 49.a: the new moon of 1977 February 18.
        {953 - 283, NewMoon, 2443192.65118},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(PhaseTime(c.lunation, c.phase), c.jde, 1e-4) << c.lunation << "," << c.phase;
    // Meeus example 49.b: the first last quarter of 2044.
    EXPECT_NEAR(PhaseTime(953 + 544, LastQuarter), 2467636.49186, 1e-4);
}

TEST(MoonPosition, MeeusExample)
{
    const Ecliptic moon = MoonPosition(2448724.5);
    EXPECT_NEAR(moon.longitude, 133.1627, 1e-4);
    EXPECT_NEAR(moon.latitude, 356.7709, 1e-4); // -3.2291, returned in [0, 360)
    EXPECT_NEAR(moon.distance * kKilometresPerAu, 368409.7, 0.1);
    EXPECT_NEAR(moon.distance, 0.0024627, 1e-7);

    const Ecliptic again = MoonPosition(2448724.5);
    EXPECT_EQ(again.longitude, moon.longitude);
    EXPECT_EQ(again.latitude, moon.latitude);
    EXPECT_EQ(again.distance, moon.distance);
}

TEST(MoonPosition, ApparentEquatorial)
{
    const Equatorial moon = ApparentMoonPosition(2448724.5);
    EXPECT_NEAR(moon.rightAscension, 134.688470, 2e-4);
    EXPECT_NEAR(moon.declination, 13.768368, 2e-4);
}

TEST(MoonTerms, TellingRows)
{
    const MoonTerms &terms = MoonTermTables();
    auto row = [](const MoonTerm &t) {
        return std::vector<int> {t.d, t.m, t.mPrime, t.f, t.coefficient, t.distance};
    };
    EXPECT_EQ(row(terms.longitudeDistance[0]), (std::vector<int> {0, 0, 1, 0, 6288774, -20905355}));
    EXPECT_EQ(row(terms.longitudeDistance[1]), (std::vector<int> {2, 0, -1, 0, 1274027, -3699111}));
    EXPECT_EQ(row(terms.longitudeDistance[2]), (std::vector<int> {2, 0, 0, 0, 658314, -2955968}));
    EXPECT_EQ(row(terms.longitudeDistance[59]), (std::vector<int> {2, 0, -1, -2, 0, 8752}));
    EXPECT_EQ(row(terms.latitude[0]), (std::vector<int> {0, 0, 0, 1, 5128122, 0}));
    EXPECT_EQ(row(terms.latitude[1]), (std::vector<int> {0, 0, 1, 1, 280602, 0}));
    EXPECT_EQ(row(terms.latitude[59]), (std::vector<int> {2, -2, 0, 1, 107, 0}));
}

}
