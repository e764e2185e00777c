#include "astro/timescales.h"

#include "astro/datetime.h"

#include <cmath>
#include <initializer_list>

namespace somnar::astro {

namespace {

const double kGregorianStart = SerialDayFromCivil(1582, 10, 15);

double Polynomial(double u, std::initializer_list<double> coefficients)
{
    double sum = 0;
    double power = 1;
    for (double c : coefficients) {
        sum += c * power;
        power *= u;
    }
    return sum;
}

}

double DateToJulianDay(double dateTime)
{
    if (dateTime >= 0)
        return dateTime + 2415018.5;
    const double whole = std::trunc(dateTime);
    const double fraction = dateTime - whole;
    const double offset = whole >= kGregorianStart ? 2415018.0 : 2415028.0;
    return whole + offset + 0.5 - fraction;
}

double JulianDayToDate(double julianDay)
{
    if (!(julianDay >= 1757593.50001 && julianDay <= 5373484.49998843))
        return 0;
    const double days = julianDay >= 2299160.5 ? julianDay - 2415018.5 : julianDay - 2415028.5;
    return FromSerialDays(days);
}

double JulianEphemerisDay(double dateTime, bool beforeChrist, bool universalOnly)
{
    const CivilDateTime civil = ToCivil(DatePart(dateTime));
    const double year = beforeChrist ? 1 - civil.year : civil.year;
    const double month = civil.month;
    const double a = std::floor((14 - month) / 12);
    const double m = month + 12 * a;
    double n = std::floor(1461 * (year + 4800 - a) / 4) + std::floor(367 * (m - 2) / 12) + civil.day - 32113;
    if (n > 2299160)
        n -= std::floor(3 * std::floor((year + 100 - a) / 100) / 4) - 2;
    const double julianDay = n - 0.5 + TimeOfDay(dateTime);
    return universalOnly ? julianDay : julianDay + DeltaT(julianDay);
}

double DeltaT(double julianDay)
{
    const double y = (julianDay - kJ2000) / 365.25 + 2000;
    const double year = std::floor(y);
    double seconds;
    if (year < 948) {
        seconds = Polynomial((y - 2000) / 100, {2177, 497, 44.1});
    } else if (year <= 1600) {
        seconds = Polynomial((y - 2000) / 100, {102, 102, 25.3});
    } else if (year <= 1799) {
        seconds = Polynomial((y - 1900) / 100, {24.349, 72.318, 29.95});
    } else if (year <= 1900) {
        seconds = Polynomial((y - 1900) / 100,
                             {-2.50, 228.95, 5218.61, 56282.84, 324011.78, 1061660.75, 2087298.89,
                              2513807.78, 1818961.41, 727058.63, 123563.95});
    } else if (year <= 1997) {
        seconds = Polynomial((y - 1900) / 100,
                             {-2.44, 87.24, 815.20, -2637.80, -18756.33, 124906.15, -303191.19,
                              372919.88, -232424.66, 58353.42});
    } else if (year <= 2035) {
        seconds = Polynomial((y - 2000) / 100, {65, 76.15, 41.6});
    } else {
        seconds = Polynomial((y - 2000) / 100, {69.3, 123.5, 32.5});
    }
    return seconds / 86400;
}

}
