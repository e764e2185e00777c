#pragma once

#include <array>
#include <cmath>

// Sines and cosines of integer combinations of a few angles, such as 2D - M + M', built by
// rotating the unit vectors of the angles' multiples instead of calling sin and cos once per
// term: the series of the Moon and of the nutation evaluate a hundred such terms per instant.

namespace somnar::astro {

struct UnitVector {
    double cos = 1;
    double sin = 0;

    UnitVector operator*(const UnitVector &other) const
    {
        return {cos * other.cos - sin * other.sin, sin * other.cos + cos * other.sin};
    }
};

// e^(i k a) for k = -Max..Max.
template <int Max>
class Multiples {
public:
    explicit Multiples(double radians)
    {
        const UnitVector once {std::cos(radians), std::sin(radians)};
        m_positive[0] = {};
        for (int k = 1; k <= Max; ++k)
            m_positive[k] = m_positive[k - 1] * once;
    }

    UnitVector operator[](int k) const
    {
        if (k >= 0)
            return m_positive[k];
        const UnitVector &v = m_positive[-k];
        return {v.cos, -v.sin};
    }

private:
    std::array<UnitVector, Max + 1> m_positive;
};

}
