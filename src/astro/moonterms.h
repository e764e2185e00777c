#pragma once

#include <array>

// Periodic terms of the Moon's position, Meeus tables 47.A (longitude and distance) and 47.B
// (latitude): multipliers of D, M, M', F and coefficients in 0.000001 degree and 0.001 km.

namespace somnar::astro {

struct MoonTerm {
    signed char d, m, mPrime, f;
    int coefficient;
    int distance; // 0 where the table has none; unused for latitude
};

inline constexpr int kMoonTermCount = 60;

struct MoonTerms {
    std::array<MoonTerm, kMoonTermCount> longitudeDistance;
    std::array<MoonTerm, kMoonTermCount> latitude;
};

const MoonTerms &MoonTermTables();

}
