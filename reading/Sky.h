#pragma once

// The ascendant and descendant from the sky: one function per formula, angles in degrees,
// times as Julian days of Universal Time. The nutation and obliquity take UT for TT: the
// minute or so between them moves the result by far less than 0.0001 degrees.

namespace kelt::sky {

// The angle brought into [0, 360).
double NormalizedDeg(double angleDeg);

// Julian day of an instant counted in seconds since 1970-01-01 00:00 UT.
double JulianDayUt(long long unixSeconds);

// Julian centuries of 36,525 days since J2000.0.
double CenturiesSinceJ2000(double julianDay);

// Greenwich mean sidereal time.
double GreenwichMeanSiderealDeg(double julianDayUt);

// Mean obliquity of the ecliptic.
double MeanObliquityDeg(double centuries);

// Nutation in longitude and in obliquity, from the short series good to 0.5" and 0.1".
struct NutationDeg
{
    double longitude = 0;
    double obliquity = 0;
};
NutationDeg NutationShortSeriesDeg(double centuries);

// Apparent sidereal time: the mean one with the equation of the equinoxes.
double ApparentSiderealDeg(double meanSiderealDeg, double nutationLongitudeDeg,
                           double trueObliquityDeg);

// Local sidereal time at a longitude counted positive east of Greenwich.
double LocalSiderealDeg(double greenwichSiderealDeg, double eastLongitudeDeg);

// Ecliptic longitude rising in the east by the plain formula; inside the polar circles it
// gives the western point for some sidereal times (see EasternAscendantDeg).
double AscendantDeg(double localSiderealDeg, double obliquityDeg, double latitudeDeg);

// Ecliptic longitude culminating on the meridian.
double MidheavenDeg(double localSiderealDeg, double obliquityDeg);

// The ascendant kept in the half of the ecliptic that follows the midheaven, the eastern
// one, where the plain formula gave the western point.
double EasternAscendantDeg(double ascendantDeg, double midheavenDeg);

// The whole chain: the ascendant of an instant at a place.
double AscendantAtDeg(long long unixSeconds, double latitudeDeg, double eastLongitudeDeg);

} // namespace kelt::sky
