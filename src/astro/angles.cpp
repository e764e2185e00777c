#include "astro/angles.h"

#include <cmath>

namespace somnar::astro {

namespace {

const double kPi = 4.0 * std::atan(1.0);
const double kRadiansPerDegree = std::atan(1.0) / 45.0;
const double kDegreesPerRadian = 45.0 / std::atan(1.0);

}

double DegToRad(double degrees)
{
    return degrees * kRadiansPerDegree;
}

double RadToDeg(double radians)
{
    return radians * kDegreesPerRadian;
}

double SinD(double degrees)
{
    return std::sin(DegToRad(degrees));
}

double CosD(double degrees)
{
    return std::cos(DegToRad(degrees));
}

double TanD(double degrees)
{
    return std::tan(DegToRad(degrees));
}

double ArcSin(double x)
{
    if (x >= 1.0)
        return kPi / 2;
    if (x <= -1.0)
        return -kPi / 2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ArcTan2(double y, double x)
{
    if (x == 0.0) {
        if (y == 0.0)
            return 0.0;
        return y > 0 ? kPi / 2 : -kPi / 2;
    }
    const double angle = std::atan(y / x);
    return x < 0 ? angle + kPi : angle;
}

double Normalize360(double degrees)
{
    double reduced = degrees - 360.0 * std::floor(degrees / 360.0);
    if (reduced < 0)
        reduced += 360.0;
    return reduced;
}

double ReduceToRadians(double degrees)
{
    const double reduced = degrees - 360.0 * std::trunc(degrees / 360.0);
    return reduced * 0.0174532925199433;
}

double GeoValue(int degrees, int minutes, int sign)
{
    const double value = (degrees + minutes / 60.0) * sign;
    // The settings keep the value in fixed point with four decimals.
    return std::round(value * 10000.0) / 10000.0;
}

int HemisphereSign(bool southOrWest)
{
    return southOrWest ? -1 : 1;
}

}
