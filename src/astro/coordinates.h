#pragma once

// Coordinate conversions and sidereal time. Reference: Meeus, Astronomical Algorithms,
// chapters 12, 13, 23 and 32 (FK5 correction).

namespace somnar::astro {

// Longitude and latitude in degrees, distance in the caller's unit.
struct Ecliptic {
    double longitude = 0;
    double latitude = 0;
    double distance = 0;
};

// Right ascension and declination in degrees, distance in astronomical units.
struct Equatorial {
    double rightAscension = 0;
    double declination = 0;
    double distance = 0;
};

// Azimuth from north through east [0, 360), altitude in degrees, distance passed through.
struct Horizontal {
    double azimuth = 0;
    double altitude = 0;
    double distance = 0;
};

// Observer on the Earth: decimal degrees, north and east positive.
struct GeoLocation {
    double latitude = 0;
    double longitude = 0;
};

// Corrects longitude and latitude from the dynamical to the FK5 system; T from the jde given.
void Fk5Correction(double jde, Ecliptic &position);
// Ecliptic (lambda, beta, r) -> equatorial (alpha, delta, r) for obliquity epsilon (degrees).
// Alpha is left in the range of ArcTan2, not yet normalised.
Equatorial EclipticToEquatorial(const Ecliptic &position, double obliquity);
// Local apparent sidereal time in degrees [0, 360) for a jde and an east longitude.
double LocalSiderealTime(double jde, double longitude);
// Azimuth and altitude, with the diurnal aberration applied to a working copy of the position.
Horizontal EquatorialToHorizontal(double jde, const Equatorial &position, const GeoLocation &observer);

}
