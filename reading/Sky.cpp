#include "Sky.h"

#include <cmath>
#include <numbers>

namespace kelt::sky {

namespace {

constexpr double DegPerRad = 180.0 / std::numbers::pi;
constexpr double ArcsecPerDeg = 3600.0;
constexpr double SecondsPerDay = 86400.0;
// Julian day of 1970-01-01 00:00 UT.
constexpr double UnixEpochJulianDay = 2440587.5;
// J2000.0, 2000-01-01 12:00 TT (Meeus, ch. 21).
constexpr double J2000JulianDay = 2451545.0;
constexpr double DaysPerJulianCentury = 36525.0;

double Rad(double deg)
{
    return deg / DegPerRad;
}

double Deg(double rad)
{
    return rad * DegPerRad;
}

} // namespace

double NormalizedDeg(double angleDeg)
{
    const double a = std::fmod(angleDeg, 360.0);
    // fmod keeps the sign; a tiny negative angle can round up to 360 itself.
    const double n = a < 0 ? a + 360.0 : a;
    return n >= 360.0 ? 0.0 : n;
}

double JulianDayUt(long long unixSeconds)
{
    // Whole days and the rest apart, so that the fraction keeps its precision.
    const long long days =
        unixSeconds >= 0 ? unixSeconds / 86400 : -((-unixSeconds + 86399) / 86400);
    const long long rest = unixSeconds - days * 86400;
    return UnixEpochJulianDay + static_cast<double>(days) +
           static_cast<double>(rest) / SecondsPerDay;
}

double CenturiesSinceJ2000(double julianDay)
{
    // Meeus, eq. 12.1
    return (julianDay - J2000JulianDay) / DaysPerJulianCentury;
}

double GreenwichMeanSiderealDeg(double julianDayUt)
{
    // Meeus, eq. 12.4 (IAU 1982)
    const double t = CenturiesSinceJ2000(julianDayUt);
    return NormalizedDeg(280.46061837 + 360.98564736629 * (julianDayUt - J2000JulianDay) +
                         0.000387933 * t * t - t * t * t / 38710000.0);
}

double MeanObliquityDeg(double centuries)
{
    // Meeus, eq. 22.2 (IAU 1980)
    const double t = centuries;
    const double arcsec = 21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    return 23.0 + 26.0 / 60.0 + arcsec / ArcsecPerDeg;
}

NutationDeg NutationShortSeriesDeg(double centuries)
{
    // Meeus, ch. 22, the series below eq. 22.3: the Moon's node and the mean longitudes
    // of the Sun and the Moon.
    const double t = centuries;
    const double node = Rad(125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0);
    const double sun = Rad(280.4665 + 36000.7698 * t);
    const double moon = Rad(218.3165 + 481267.8813 * t);
    const double dpsi = -17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) -
                        0.23 * std::sin(2 * moon) + 0.21 * std::sin(2 * node);
    const double deps = 9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) +
                        0.10 * std::cos(2 * moon) - 0.09 * std::cos(2 * node);
    return {dpsi / ArcsecPerDeg, deps / ArcsecPerDeg};
}

double ApparentSiderealDeg(double meanSiderealDeg, double nutationLongitudeDeg,
                           double trueObliquityDeg)
{
    // Meeus, ch. 12: the equation of the equinoxes, delta psi cos epsilon.
    return NormalizedDeg(meanSiderealDeg + nutationLongitudeDeg * std::cos(Rad(trueObliquityDeg)));
}

double LocalSiderealDeg(double greenwichSiderealDeg, double eastLongitudeDeg)
{
    // Meeus, ch. 12: local = Greenwich + east longitude.
    return NormalizedDeg(greenwichSiderealDeg + eastLongitudeDeg);
}

double AscendantDeg(double localSiderealDeg, double obliquityDeg, double latitudeDeg)
{
    // Meeus, ch. 14 (eq. 14.2 on the horizon's east point).
    const double theta = Rad(localSiderealDeg);
    const double eps = Rad(obliquityDeg);
    const double phi = Rad(latitudeDeg);
    return NormalizedDeg(Deg(std::atan2(
        std::cos(theta), -(std::sin(theta) * std::cos(eps) + std::tan(phi) * std::sin(eps)))));
}

double MidheavenDeg(double localSiderealDeg, double obliquityDeg)
{
    // Meeus, eq. 13.3 for the meridian's point of the ecliptic.
    const double theta = Rad(localSiderealDeg);
    return NormalizedDeg(
        Deg(std::atan2(std::sin(theta), std::cos(theta) * std::cos(Rad(obliquityDeg)))));
}

double EasternAscendantDeg(double ascendantDeg, double midheavenDeg)
{
    // The eastern point lies within the half circle that follows the midheaven.
    return NormalizedDeg(ascendantDeg - midheavenDeg) < 180.0 ? ascendantDeg
                                                              : NormalizedDeg(ascendantDeg + 180.0);
}

double AscendantAtDeg(long long unixSeconds, double latitudeDeg, double eastLongitudeDeg)
{
    const double jd = JulianDayUt(unixSeconds);
    const double t = CenturiesSinceJ2000(jd);
    const NutationDeg nutation = NutationShortSeriesDeg(t);
    const double obliquity = MeanObliquityDeg(t) + nutation.obliquity;
    const double sidereal =
        ApparentSiderealDeg(GreenwichMeanSiderealDeg(jd), nutation.longitude, obliquity);
    const double local = LocalSiderealDeg(sidereal, eastLongitudeDeg);
    return EasternAscendantDeg(AscendantDeg(local, obliquity, latitudeDeg),
                               MidheavenDeg(local, obliquity));
}

} // namespace kelt::sky
