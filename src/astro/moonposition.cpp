#include "astro/moonposition.h"

#include "astro/angles.h"
#include "astro/harmonics.h"
#include "astro/moonterms.h"
#include "astro/nutation.h"
#include "astro/timescales.h"

#include <cmath>
#include <cstdlib>

namespace somnar::astro {

namespace {

double RadiansOf(double degrees)
{
    return DegToRad(Normalize360(degrees));
}

}

Ecliptic MoonPosition(double jde)
{
    const MoonTerms &terms = MoonTermTables();

    const double t = (jde - kJ2000) / kDaysPerJulianCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double lPrimeDegrees = 218.3164591 + 481267.88134236 * t - 0.0013268 * t2 + t3 / 538841 - t4 / 65194000;
    const double lPrime = RadiansOf(lPrimeDegrees);
    const double d = RadiansOf(297.8502042 + 445267.1115168 * t - 0.0016300 * t2 + t3 / 545868 - t4 / 113065000);
    const double m = RadiansOf(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000);
    const double mPrime = RadiansOf(134.9634114 + 477198.8676313 * t + 0.0089970 * t2 + t3 / 69699 - t4 / 14712000);
    const double f = RadiansOf(93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - t3 / 3526000 + t4 / 863310000);
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double eccentricity[] = {1, e, e * e};

    const Multiples<4> multiplesOfD(d);
    const Multiples<2> multiplesOfM(m);
    const Multiples<4> multiplesOfMPrime(mPrime);
    const Multiples<4> multiplesOfF(f);
    auto argument = [&](const MoonTerm &term) {
        return multiplesOfD[term.d] * multiplesOfM[term.m] * multiplesOfMPrime[term.mPrime] * multiplesOfF[term.f];
    };

    double sumL = 0;
    double sumR = 0;
    for (const MoonTerm &term : terms.longitudeDistance) {
        const double factor = eccentricity[std::abs(term.m)];
        const UnitVector a = argument(term);
        sumL += factor * term.coefficient * a.sin;
        sumR += factor * term.distance * a.cos;
    }
    double sumB = 0;
    for (const MoonTerm &term : terms.latitude)
        sumB += eccentricity[std::abs(term.m)] * term.coefficient * argument(term).sin;

    const double a1 = RadiansOf(119.75 + 131.849 * t);
    const double a2 = RadiansOf(53.09 + 479264.290 * t);
    const double a3 = RadiansOf(313.45 + 481266.484 * t);
    sumL += 3958 * std::sin(a1) + 1962 * std::sin(lPrime - f) + 318 * std::sin(a2);
    sumB += -2235 * std::sin(lPrime) + 382 * std::sin(a3) + 175 * std::sin(a1 - f) + 175 * std::sin(a1 + f)
        + 127 * std::sin(lPrime - mPrime) - 115 * std::sin(lPrime + mPrime);

    return {Normalize360(lPrimeDegrees + sumL / 1000000), Normalize360(sumB / 1000000),
            (385000.56 + sumR / 1000) / kKilometresPerAu};
}

Equatorial ApparentMoonPosition(double jde)
{
    Ecliptic position = MoonPosition(jde);
    Fk5Correction(jde, position);
    position.longitude += Nutation(jde, NutationComponent::Longitude);
    Equatorial equatorial = EclipticToEquatorial(position, Obliquity(jde, true));
    equatorial.rightAscension = Normalize360(equatorial.rightAscension);
    return equatorial;
}

}
