#include "astro/coordinates.h"

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/timescales.h"

#include <cmath>

namespace somnar::astro {

void Fk5Correction(double jde, Ecliptic &position)
{
    const double t = (jde - kJ2000) / kDaysPerJulianCentury;
    const double lPrime = position.longitude - 1.397 * t - 0.00031 * t * t;
    const double cosL = CosD(lPrime);
    const double sinL = SinD(lPrime);
    position.longitude += (-0.09033 + 0.03916 * (cosL + sinL) * TanD(position.latitude)) / 3600;
    position.latitude += 0.03916 * (cosL - sinL) / 3600;
}

Equatorial EclipticToEquatorial(const Ecliptic &position, double obliquity)
{
    const double sinE = SinD(obliquity);
    const double cosE = CosD(obliquity);
    const double sinLambda = SinD(position.longitude);
    const double alpha = ArcTan2(sinLambda * cosE - TanD(position.latitude) * sinE, CosD(position.longitude));
    const double s = SinD(position.latitude) * cosE + CosD(position.latitude) * sinE * sinLambda;
    const double delta = ArcTan2(s, std::sqrt(1 - s * s));
    return {RadToDeg(alpha), RadToDeg(delta), position.distance};
}

double LocalSiderealTime(double jde, double longitude)
{
    const double jd = jde - DeltaT(jde);
    const double whole = std::floor(jd);
    const double fraction = jd - whole;
    double jd0;
    double dayFraction;
    if (fraction < 0.5) {
        jd0 = whole - 0.5;
        dayFraction = fraction + 0.5;
    } else {
        jd0 = whole + 0.5;
        dayFraction = fraction - 0.5;
    }
    const double seconds = dayFraction * 86400;

    const double t0 = (jd0 - kJ2000) / kDaysPerJulianCentury;
    const double t02 = t0 * t0;
    const double t03 = t02 * t0;
    const double gmst0 = 24110.54841 + 8640184.7942063 * t0 + 0.0927701 * t02 - 0.0000003 * t03 - 0.000002 * t02 * t02;
    const double rate = 1 + (8640184.7942063 + 0.1855402 * t0 - 0.0000009 * t02 - 0.000008 * t03) / 3155760000.0;

    const double equationOfEquinoxes =
        240 * Nutation(jd, NutationComponent::Longitude) * CosD(Obliquity(jd, true));
    double theta = equationOfEquinoxes + gmst0 + rate * seconds + 240 * longitude;
    theta -= 86400 * std::floor(theta / 86400);
    return theta / 240;
}

Horizontal EquatorialToHorizontal(double jde, const Equatorial &position, const GeoLocation &observer)
{
    const double hourAngle = LocalSiderealTime(jde, observer.longitude) - position.rightAscension;

    // Diurnal aberration; the hour angle is not recomputed, so only the declination change counts.
    double declination = position.declination;
    const double k = 1.5472e-6 * CosD(observer.latitude);
    if (std::fabs(declination) != 90)
        declination += RadToDeg(k * SinD(hourAngle) * SinD(declination));

    const double sinPhi = SinD(observer.latitude);
    const double cosPhi = CosD(observer.latitude);
    const double cosH = CosD(hourAngle);
    const double azimuth =
        Normalize360(RadToDeg(ArcTan2(SinD(hourAngle), cosH * sinPhi - TanD(declination) * cosPhi)) + 180);
    const double altitude =
        RadToDeg(ArcSin(sinPhi * SinD(declination) + cosPhi * CosD(declination) * cosH));
    return {azimuth, altitude, position.distance};
}

}
