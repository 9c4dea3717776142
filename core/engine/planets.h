// Sun and planets from mean Keplerian elements referred to the ecliptic and
// equinox of J2000 (each element a value at J2000 plus a linear rate per
// Julian century), after the JPL "Keplerian Elements for Approximate
// Positions of the Major Planets" table. The geocentric longitude is then
// carried to the mean equinox of date by adding the general precession in
// longitude. No light-time, aberration or nutation.
#pragma once

#include <array>
#include <string_view>

namespace starwise::engine {

struct OrbitalElementsRow {
    std::string_view body;
    double semiMajorAxisAu;
    double semiMajorAxisAuPerCentury;
    double eccentricity;
    double eccentricityPerCentury;
    double inclinationDeg;
    double inclinationArcsecPerCentury;
    double ascendingNodeDeg;
    double ascendingNodeArcsecPerCentury;
    double perihelionLongitudeDeg;
    double perihelionLongitudeArcsecPerCentury;
    double meanLongitudeDeg;
    double meanLongitudeArcsecPerCentury;
};

// Rows in element-table order: Mercury, Venus, Earth-Moon barycentre (whose
// heliocentric position is the Earth's and which therefore yields the Sun),
// Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
inline constexpr std::size_t kElementRows = 9;
inline constexpr std::size_t kEarthRow = 2;
extern const std::array<OrbitalElementsRow, kElementRows> kOrbitalElements;

// Elements of one row at a day number: a in AU, e, and i, node, perihelion
// and mean longitude in radians (the mean longitude reduced into [0, 2pi)).
struct PlanetElementsAt {
    double semiMajorAxisAu;
    double eccentricity;
    double inclinationRad;
    double ascendingNodeRad;
    double perihelionLongitudeRad;
    double meanLongitudeRad;
};

// Elements of row k (0..8) at dayNumber days from J2000 (centuries = d/36525).
PlanetElementsAt PlanetElements(std::size_t row, double daysSinceJ2000);

// True anomaly in radians, [0, 2pi), from the mean anomaly M (radians) and
// the eccentricity e (0 <= e < 1), solving Kepler's equation E - e sin E = M
// by Newton's method from E0 = M + e sin M (1 + e cos M) to a step below
// 1e-12 rad, at most kMaxKeplerSteps steps.
inline constexpr int kMaxKeplerSteps = 100;
double TrueAnomaly(double meanAnomalyRad, double eccentricity);

// General precession in longitude in degrees at daysSinceJ2000 days from
// J2000: p = (5029.0966" T + 1.11113" T^2) / 3600 with T = d / 36525 Julian
// centuries (IAU 1976 value, Lieske et al. 1977; Meeus, Astronomical
// Algorithms, 2nd ed., ch. 21). About -1.38 in 1901, +0.70 in 2050.
double GeneralPrecessionDeg(double daysSinceJ2000);

// Geocentric ecliptic longitude in degrees, [0, 360), of element row k at
// dayNumber days from J2000, referred to the mean equinox of date: the
// J2000-frame longitude, reduced into [0, 360), plus GeneralPrecessionDeg,
// reduced again. Row 2 gives the Sun.
double PlanetLongitude(std::size_t row, double daysSinceJ2000);

// PlanetLongitude of all nine rows at once, in element-table order; the
// Earth's position is solved once and shared.
std::array<double, kElementRows> PlanetLongitudes(double daysSinceJ2000);

}  // namespace starwise::engine
