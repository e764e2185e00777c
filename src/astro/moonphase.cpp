#include "astro/moonphase.h"

#include "astro/angles.h"

#include <cmath>
#include <cstddef>
#include <iterator>

namespace somnar::astro {

namespace {

// coefficient * E^ePower * sin(mPrime*M' + m*M + f*F + omega*Omega)
struct PhaseTerm {
    double coefficient;
    signed char ePower, mPrime, m, f, omega;
};

constexpr PhaseTerm kNewMoonTerms[] = {
    {-0.40720, 0, 1, 0, 0, 0},  {0.17241, 1, 0, 1, 0, 0},   {0.01608, 0, 2, 0, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},   {0.00739, 1, 1, -1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 0, 2, 0, 0},   {-0.00111, 0, 1, 0, -2, 0}, {-0.00057, 0, 1, 0, 2, 0},
    {0.00056, 1, 2, 1, 0, 0},   {-0.00042, 0, 3, 0, 0, 0},  {0.00042, 1, 0, 1, 2, 0},
    {0.00038, 1, 0, 1, -2, 0},  {-0.00024, 1, 2, -1, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 1, 2, 0, 0},  {0.00004, 0, 2, 0, -2, 0},  {0.00004, 0, 0, 3, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},  {0.00003, 0, 2, 0, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, 1, -1, 2, 0},  {-0.00002, 0, 1, -1, -2, 0}, {-0.00002, 0, 3, 1, 0, 0},
    {0.00002, 0, 4, 0, 0, 0},
};

constexpr PhaseTerm kFullMoonTerms[] = {
    {-0.40614, 0, 1, 0, 0, 0},  {0.17302, 1, 0, 1, 0, 0},   {0.01614, 0, 2, 0, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},   {0.00734, 1, 1, -1, 0, 0},  {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 0, 2, 0, 0},   {-0.00111, 0, 1, 0, -2, 0}, {-0.00057, 0, 1, 0, 2, 0},
    {0.00056, 1, 2, 1, 0, 0},   {-0.00042, 0, 3, 0, 0, 0},  {0.00042, 1, 0, 1, 2, 0},
    {0.00038, 1, 0, 1, -2, 0},  {-0.00024, 1, 2, -1, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 1, 2, 0, 0},  {0.00004, 0, 2, 0, -2, 0},  {0.00004, 0, 0, 3, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},  {0.00003, 0, 2, 0, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, 1, -1, 2, 0},  {-0.00002, 0, 1, -1, -2, 0}, {-0.00002, 0, 3, 1, 0, 0},
    {0.00002, 0, 4, 0, 0, 0},
};

constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801, 0, 1, 0, 0, 0},  {0.17172, 1, 0, 1, 0, 0},   {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 2, 0, 0, 0},   {0.00804, 0, 0, 0, 2, 0},   {0.00454, 1, 1, -1, 0, 0},
    {0.00204, 2, 0, 2, 0, 0},   {-0.00180, 0, 1, 0, -2, 0}, {-0.00070, 0, 1, 0, 2, 0},
    {-0.00040, 0, 3, 0, 0, 0},  {-0.00034, 1, 2, -1, 0, 0}, {0.00032, 1, 0, 1, 2, 0},
    {0.00032, 1, 0, 1, -2, 0},  {-0.00028, 2, 1, 2, 0, 0},  {0.00027, 1, 2, 1, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1},  {-0.00005, 0, 1, -1, -2, 0}, {0.00004, 0, 2, 0, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0},  {0.00004, 0, 1, -2, 0, 0},  {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 0, 3, 0, 0},   {0.00002, 0, 2, 0, -2, 0},  {0.00002, 0, 1, -1, 2, 0},
    {-0.00002, 0, 3, 1, 0, 0},
};

static_assert(std::size(kNewMoonTerms) == 25 && std::size(kFullMoonTerms) == 25 && std::size(kQuarterTerms) == 25);

// Amplitude, then the argument's constant and rate per lunation (degrees); A1 has a T^2 term.
struct PlanetaryTerm {
    double amplitude, constant, rate;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};

template <std::size_t N>
double SumTerms(const PhaseTerm (&terms)[N], double e, double mPrime, double m, double f, double omega)
{
    const double ePowers[] = {1, e, e * e};
    double sum = 0;
    for (const PhaseTerm &term : terms)
        sum += term.coefficient * ePowers[term.ePower]
            * std::sin(term.mPrime * mPrime + term.m * m + term.f * f + term.omega * omega);
    return sum;
}

}

double PhaseTime(int lunation, int phase)
{
    const double k = (static_cast<double>(lunation) - kLunationOf2000January) + phase / 4.0;
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    double jde = 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;

    const double m = ReduceToRadians(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3);
    const double mPrime =
        ReduceToRadians(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4);
    const double f =
        ReduceToRadians(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4);
    const double omega = ReduceToRadians(124.7746 - 1.56375580 * k + 0.0020691 * t2 + 0.00000215 * t3);

    switch (phase) {
    case NewMoon:
        jde += SumTerms(kNewMoonTerms, e, mPrime, m, f, omega);
        break;
    case FullMoon:
        jde += SumTerms(kFullMoonTerms, e, mPrime, m, f, omega);
        break;
    default: {
        jde += SumTerms(kQuarterTerms, e, mPrime, m, f, omega);
        const double w = 0.00306 - 0.00038 * e * std::cos(m) + 0.00026 * std::cos(mPrime)
            - 0.00002 * std::cos(mPrime - m) + 0.00002 * std::cos(mPrime + m) + 0.00002 * std::cos(2 * f);
        jde += phase == FirstQuarter ? w : -w;
        break;
    }
    }

    for (std::size_t i = 0; i < std::size(kPlanetaryTerms); ++i) {
        const PlanetaryTerm &term = kPlanetaryTerms[i];
        double degrees = term.constant + term.rate * k;
        if (i == 0)
            degrees -= 0.009173 * t2;
        jde += term.amplitude * std::sin(ReduceToRadians(degrees));
    }
    return jde;
}

}
