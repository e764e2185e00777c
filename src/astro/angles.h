#pragma once

// Angle helpers shared by the whole engine. Angles are degrees unless a name says radians.

namespace somnar::astro {

double DegToRad(double degrees);
double RadToDeg(double radians);
double SinD(double degrees);
double CosD(double degrees);
double TanD(double degrees);

// Arcsine in radians; arguments beyond +-1 give +-pi/2.
double ArcSin(double x);
// Angle of (x, y) in radians, in (-pi/2, 3pi/2): atan(y/x), plus pi for x < 0; 0 for (0, 0).
// Callers that need [0, 360) normalise.
double ArcTan2(double y, double x);
// Degrees reduced to [0, 360).
double Normalize360(double degrees);
// Degrees reduced by whole turns towards zero (keeping the sign), then in radians.
double ReduceToRadians(double degrees);

// Signed decimal degrees from degrees, minutes and a sign (+1/-1), kept to four decimals.
double GeoValue(int degrees, int minutes, int sign);
// -1 when the south or west choice is set, else +1.
int HemisphereSign(bool southOrWest);

}
