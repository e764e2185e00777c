#include "astro/riseset.h"

#include "astro/datetime.h"
#include "astro/moonposition.h"
#include "astro/timescales.h"

#include <cmath>

namespace somnar::astro {

namespace {

// Rise or set candidates in hours from the day's midnight.
struct EventHours {
    double hours = 0;
    bool found = false;

    void average(double candidate)
    {
        hours = found ? (hours + candidate) / 2 : candidate;
        found = true;
    }
    void replace(double candidate)
    {
        hours = candidate;
        found = true;
    }
};

}

double StandardAltitude(short body)
{
    switch (body) {
    case 0:
        return -50.3 / 60;
    case kBodyMoon:
        return 8.0 / 60;
    default:
        return -34.0 / 60;
    }
}

RiseSetTimes RiseSet(double day, const GeoLocation &observer, short body)
{
    return FindRiseSet(day, HourlyAltitudes(day, observer, body, StandardAltitude(body)));
}

HourlyMargins HourlyAltitudes(double day, const GeoLocation &observer, short, double h0)
{
    const double jde0 = JulianEphemerisDay(DatePart(day), false, false);
    HourlyMargins margins {};
    for (int hour = 0; hour < 25; ++hour) {
        const double jde = jde0 + hour / 24.0;
        const Horizontal horizontal = EquatorialToHorizontal(jde, ApparentMoonPosition(jde), observer);
        margins[hour] = horizontal.altitude - h0;
    }
    return margins;
}

RiseSetTimes FindRiseSet(double day, const HourlyMargins &y)
{
    EventHours rise;
    EventHours set;
    for (int hour = 1; hour <= 23; ++hour) {
        const double before = y[hour - 1];
        const double centre = y[hour];
        const double after = y[hour + 1];
        const double a = (after + before) / 2 - centre;
        const double b = (after - before) / 2;
        const double c = centre;

        if (a == 0) {
            // Three collinear samples: a straight line, with its single root when the ends
            // lie on opposite sides of the standard altitude.
            if ((before < 0 && after > 0) || (before > 0 && after < 0)) {
                const double root = hour - c / b;
                (before < 0 ? rise : set).average(root);
            }
            continue;
        }

        const double xe = -b / (2 * a);
        const double ye = (a * xe + b) * xe + c;
        const double discriminant = b * b - 4 * a * c;
        if (discriminant < 0)
            continue;
        const double dx = std::sqrt(discriminant) / (2 * std::fabs(a));
        double z1 = xe - dx;
        const double z2 = xe + dx;
        const int roots = (std::fabs(z1) < 1 ? 1 : 0) + (std::fabs(z2) < 1 ? 1 : 0);
        if (z1 < -1)
            z1 = z2;

        if (roots == 1) {
            (before < 0 ? rise : set).average(hour + z1);
        } else if (roots == 2) {
            if (ye < 0) {
                rise.replace(hour + z2);
                set.replace(hour + z1);
            } else {
                rise.replace(hour + z1);
                set.replace(hour + z2);
            }
        }
    }

    const double midnight = DatePart(day);
    RiseSetTimes result;
    result.riseFound = rise.found;
    result.setFound = set.found;
    if (rise.found)
        result.rise = AddDays(midnight, rise.hours / 24);
    if (set.found)
        result.set = AddDays(midnight, set.hours / 24);
    if (!rise.found && !set.found) {
        result.rise = y[12] > 0 ? 1 : (y[12] < 0 ? -1 : 0);
        result.set = -1;
    }
    return result;
}

}
