#include "astro/nutation.h"

#include "astro/angles.h"
#include "astro/harmonics.h"
#include "astro/timescales.h"

#include <cmath>
#include <iterator>

namespace somnar::astro {

namespace {

// Multipliers of D, M, M', F, Omega; sine coefficient of delta psi in 0.0001" and its rate in
// 0.00001" per century; cosine coefficient of delta epsilon likewise.
struct NutationTerm {
    signed char d, m, mPrime, f, omega;
    int psi, psiRate, eps, epsRate;
};

constexpr NutationTerm kNutationTerms[] = {
    {0, 0, 0, 0, 1, -171996, -1742, 92025, 89},
    {-2, 0, 0, 2, 2, -13187, -16, 5736, -31},
    {0, 0, 0, 2, 2, -2274, -2, 977, -5},
    {0, 0, 0, 0, 2, 2062, 2, -895, 5},
    {0, 1, 0, 0, 0, 1426, -34, 54, -1},
    {0, 0, 1, 0, 0, 712, 1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 12, 224, -6},
    {0, 0, 0, 2, 1, -386, -4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -1},
    {-2, -1, 0, 2, 2, 217, -5, -95, 3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
    {-2, 0, 1, 0, 1, -13, 0, 7, 0},
    {0, -1, 0, 0, 1, -12, 0, 6, 0},
    {0, 0, 2, -2, 0, 11, 0, 0, 0},
    {2, 0, -1, 2, 1, -10, 0, 5, 0},
    {2, 0, 1, 2, 2, -8, 0, 3, 0},
    {0, 1, 0, 2, 2, 7, 0, -3, 0},
    {-2, 1, 1, 0, 0, -7, 0, 0, 0},
    {0, -1, 0, 2, 2, -7, 0, 3, 0},
    {2, 0, 0, 2, 1, -7, 0, 3, 0},
    {2, 0, 1, 0, 0, 6, 0, 0, 0},
    {-2, 0, 2, 2, 2, 6, 0, -3, 0},
    {-2, 0, 1, 2, 1, 6, 0, -3, 0},
    {2, 0, -2, 0, 1, -6, 0, 3, 0},
    {2, 0, 0, 0, 1, -6, 0, 3, 0},
    {0, -1, 1, 0, 0, 5, 0, 0, 0},
    {-2, -1, 0, 2, 1, -5, 0, 3, 0},
    {-2, 0, 0, 0, 1, -5, 0, 3, 0},
    {0, 0, 2, 2, 1, -5, 0, 3, 0},
    {-2, 0, 2, 0, 1, 4, 0, 0, 0},
    {-2, 1, 0, 2, 1, 4, 0, 0, 0},
    {0, 0, 1, -2, 0, 4, 0, 0, 0},
    {-1, 0, 1, 0, 0, -4, 0, 0, 0},
    {-2, 1, 0, 0, 0, -4, 0, 0, 0},
    {1, 0, 0, 0, 0, -4, 0, 0, 0},
    {0, 0, 1, 2, 0, 3, 0, 0, 0},
    {0, 0, -2, 2, 2, -3, 0, 0, 0},
    {-1, -1, 1, 0, 0, -3, 0, 0, 0},
    {0, 1, 1, 0, 0, -3, 0, 0, 0},
    {0, -1, 1, 2, 2, -3, 0, 0, 0},
    {2, -1, -1, 2, 2, -3, 0, 0, 0},
    {0, 0, 3, 2, 2, -3, 0, 0, 0},
    {2, -1, 0, 2, 2, -3, 0, 0, 0},
};
static_assert(std::size(kNutationTerms) == 63);

struct NutationValues {
    double longitude;
    double obliquity;
};

NutationValues ComputeNutation(double jde)
{
    const double t = (jde - kJ2000) / kDaysPerJulianCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double d = DegToRad(297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474);
    const double m = DegToRad(357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000);
    const double mPrime = DegToRad(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250);
    const double f = DegToRad(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270);
    const double omega = DegToRad(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000);

    const Multiples<2> multiplesOfD(d);
    const Multiples<2> multiplesOfM(m);
    const Multiples<3> multiplesOfMPrime(mPrime);
    const Multiples<2> multiplesOfF(f);
    const Multiples<2> multiplesOfOmega(omega);
    double psi = 0;
    double eps = 0;
    for (const NutationTerm &term : kNutationTerms) {
        const UnitVector argument = multiplesOfD[term.d] * multiplesOfM[term.m] * multiplesOfMPrime[term.mPrime]
            * multiplesOfF[term.f] * multiplesOfOmega[term.omega];
        psi += (term.psi + term.psiRate / 10.0 * t) * argument.sin;
        if (term.eps != 0)
            eps += (term.eps + term.epsRate / 10.0 * t) * argument.cos;
    }
    return {psi / 36000000.0, eps / 36000000.0};
}

// The rise-and-set search asks for both components at the same instant several times in a
// row; the last answer is kept per thread.
const NutationValues &CachedNutation(double jde)
{
    thread_local double lastJde = std::nan("");
    thread_local NutationValues last {};
    if (jde != lastJde) {
        last = ComputeNutation(jde);
        lastJde = jde;
    }
    return last;
}

}

double Nutation(double jde, NutationComponent which)
{
    const NutationValues &values = CachedNutation(jde);
    return which == NutationComponent::Longitude ? values.longitude : values.obliquity;
}

double Obliquity(double jde, bool trueObliquity)
{
    const double u = (jde - kJ2000) / 3652500;
    double seconds = 84381.448;
    const double coefficients[] = {-4680.93, -1.55, 1999.25, -51.38, -249.67, -39.05, 7.12, 27.87, 5.79, 2.45};
    double power = 1;
    for (double c : coefficients) {
        power *= u;
        seconds += c * power;
    }
    double obliquity = seconds / 3600;
    if (trueObliquity)
        obliquity += Nutation(jde, NutationComponent::Obliquity);
    return obliquity;
}

}
