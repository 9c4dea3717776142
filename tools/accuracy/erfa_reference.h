// The chart's longitudes twice: from the engine and from ERFA (the IAU SOFA
// algorithms), for the accuracy test and the accuracy report. Births are
// taken at Greenwich Mean Time, so the clock time of the birth is UT.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/birth_moment.h"

namespace starwise::accuracy {

// The quantities compared, in this order; the engine's Pluto has no ERFA
// counterpart and is checked against a published position instead.
enum Compared : std::size_t {
    kSun, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kNorthNode, kAscendant, kComparedCount
};
inline constexpr std::array<std::string_view, kComparedCount> kComparedNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "North node", "Ascendant"};

// Ecliptic longitudes in degrees, [0, 360), mean ecliptic and equinox of date.
using ComparedLongitudes = std::array<double, kComparedCount>;

// TT - UT in seconds at a decimal year (year + (month - 0.5) / 12) between
// 1900 and the end of 2050, from the polynomial expressions of F. Espenak and J. Meeus,
// Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141); after 2005
// their extrapolation. Between -3 s (1900) and 93 s (2050).
double DeltaTSeconds(double decimalYear);

// Julian dates of the birth as two-part ERFA dates: UT (taken as UT1, which
// stays within 0.9 s of it) and TT = UT + DeltaTSeconds.
struct ErfaDates {
    double ut1Whole, ut1Fraction;
    double ttWhole, ttFraction;
};
ErfaDates DatesOf(const engine::BirthMoment& birthAtGreenwichTime);

// Longitude of date in degrees, [0, 360), of a direction given in the ICRS
// (the J2000 mean equator and equinox to 0.02"), rotated with eraEcm06.
double EclipticLongitudeOfDateDeg(const std::array<double, 3>& icrsDirection, const ErfaDates& dates);

// ERFA's values, geometric (no light-time, aberration or nutation, as in the
// engine): the Sun from eraEpv00, Mercury to Neptune from eraPlan94 less the
// Earth from eraEpv00, the Moon from eraMoon98, the mean node from eraFaom03,
// and the Ascendant as the point where the ecliptic of date meets the
// eastern horizon, from eraGmst06 and eraObl06.
ComparedLongitudes ErfaLongitudes(const engine::BirthMoment& birthAtGreenwichTime);

// The engine's values for the same birth (UTC offset zero).
ComparedLongitudes EngineLongitudes(const engine::BirthMoment& birthAtGreenwichTime);

// count births drawn with a fixed seed: every date 1901-2050, every minute of
// the day, every longitude and latitude the entry form accepts (0:00 to
// 179:59 east or west, 0:00 to 89:59 north or south).
std::vector<engine::BirthMoment> RandomBirths(std::size_t count, std::uint64_t seed);

// "1975-10-23 12:00 UT 0:00E 51:30N"
std::string Describe(const engine::BirthMoment& birth);

// Difference of two angles in degrees, wrap-around aware, [0, 180].
double AngleErrorDeg(double aDeg, double bDeg);

}  // namespace starwise::accuracy
