#include "engine/planets.h"

#include <cmath>
#include <stdexcept>

#include "engine/angles.h"

namespace starwise::engine {

constexpr std::array<OrbitalElementsRow, kElementRows> kOrbitalElements{{
    // body, a, a/cy, e, e/cy, i, i"/cy, node, node"/cy, peri, peri"/cy, L, L"/cy
    {"Mercury", 0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30,
     77.45645, 573.57, 252.25084, 538101628.29},
    {"Venus", 0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89,
     131.53298, -108.80, 181.97973, 210664136.06},
    {"Sun", 1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {"Mars", 1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {"Jupiter", 5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17,
     14.75385, 839.93, 34.40438, 10925078.35},
    {"Saturn", 9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, 4401052.95},
    {"Uranus", 19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    {"Neptune", 30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25,
     44.97135, -844.43, 304.88003, 786449.21},
    {"Pluto", 39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
}};
static_assert(kOrbitalElements.size() == 9);

PlanetElementsAt PlanetElements(std::size_t row, double daysSinceJ2000) {
    const OrbitalElementsRow& e = kOrbitalElements.at(row);
    const double centuries = daysSinceJ2000 / 36525.0;
    const auto angle = [centuries](double deg, double arcsecPerCentury) {
        return (deg + arcsecPerCentury * centuries / 3600.0) * kRadiansPerDegree;
    };
    return PlanetElementsAt{
        e.semiMajorAxisAu + e.semiMajorAxisAuPerCentury * centuries,
        e.eccentricity + e.eccentricityPerCentury * centuries,
        angle(e.inclinationDeg, e.inclinationArcsecPerCentury),
        angle(e.ascendingNodeDeg, e.ascendingNodeArcsecPerCentury),
        angle(e.perihelionLongitudeDeg, e.perihelionLongitudeArcsecPerCentury),
        ReduceRadians(angle(e.meanLongitudeDeg, e.meanLongitudeArcsecPerCentury)),
    };
}

double TrueAnomaly(double meanAnomalyRad, double eccentricity) {
    const double m = meanAnomalyRad;
    const double e = eccentricity;
    const auto newtonStep = [m, e](double ecc) {
        return ecc - (ecc - e * std::sin(ecc) - m) / (1.0 - e * std::cos(ecc));
    };
    double previous = m + e * std::sin(m) * (1.0 + e * std::cos(m));
    double current = newtonStep(previous);
    for (int step = 1; step < kMaxKeplerSteps && std::abs(previous - current) > 1e-12; ++step) {
        previous = current;
        current = newtonStep(previous);
    }
    double trueAnomaly = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(current / 2.0));
    if (trueAnomaly < 0) trueAnomaly += kTwoPi;
    return trueAnomaly;
}

double GeneralPrecessionDeg(double daysSinceJ2000) {
    const double centuries = daysSinceJ2000 / 36525.0;
    return (5029.0966 * centuries + 1.11113 * centuries * centuries) / 3600.0;
}

namespace {

struct EclipticXY {
    double x;
    double y;
};

// Heliocentric ecliptic x, y (AU) of one element row; the Earth row is kept
// in the plane of the ecliptic (its inclination and node are not used).
EclipticXY Heliocentric(std::size_t row, double daysSinceJ2000) {
    const PlanetElementsAt el = PlanetElements(row, daysSinceJ2000);
    const double meanAnomaly = ReduceRadians(el.meanLongitudeRad - el.perihelionLongitudeRad);
    const double nu = TrueAnomaly(meanAnomaly, el.eccentricity);
    const double radius = el.semiMajorAxisAu * (1.0 - el.eccentricity * el.eccentricity) /
                          (1.0 + el.eccentricity * std::cos(nu));
    if (row == kEarthRow) {
        return {radius * std::cos(nu + el.perihelionLongitudeRad),
                radius * std::sin(nu + el.perihelionLongitudeRad)};
    }
    const double u = nu + el.perihelionLongitudeRad - el.ascendingNodeRad;  // argument of latitude
    const double cosNode = std::cos(el.ascendingNodeRad);
    const double sinNode = std::sin(el.ascendingNodeRad);
    const double cosI = std::cos(el.inclinationRad);
    return {radius * (cosNode * std::cos(u) - sinNode * std::sin(u) * cosI),
            radius * (sinNode * std::cos(u) + cosNode * std::sin(u) * cosI)};
}

// Geocentric longitude in degrees of a body seen from the Earth's position,
// of the equinox of date.
double GeocentricLongitude(std::size_t row, double daysSinceJ2000, EclipticXY earth) {
    const EclipticXY body = row == kEarthRow ? EclipticXY{0.0, 0.0} : Heliocentric(row, daysSinceJ2000);
    const double j2000LongitudeDeg = ReduceDegrees(AngleOf(body.y - earth.y, body.x - earth.x) * 180.0 / kPi);
    return ReduceDegrees(j2000LongitudeDeg + GeneralPrecessionDeg(daysSinceJ2000));
}

}  // namespace

double PlanetLongitude(std::size_t row, double daysSinceJ2000) {
    if (row >= kElementRows) throw std::out_of_range("element row outside 0..8");
    return GeocentricLongitude(row, daysSinceJ2000, Heliocentric(kEarthRow, daysSinceJ2000));
}

std::array<double, kElementRows> PlanetLongitudes(double daysSinceJ2000) {
    const EclipticXY earth = Heliocentric(kEarthRow, daysSinceJ2000);
    std::array<double, kElementRows> longitudesDeg{};
    for (std::size_t row = 0; row < kElementRows; ++row) {
        longitudesDeg[row] = GeocentricLongitude(row, daysSinceJ2000, earth);
    }
    return longitudesDeg;
}

}  // namespace starwise::engine
