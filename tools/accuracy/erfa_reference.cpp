#include "tools/accuracy/erfa_reference.h"

#include <erfa.h>
#include <erfam.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <utility>

#include "engine/natal_chart.h"
#include "engine/nodes.h"
#include "engine/time_scales.h"

namespace starwise::accuracy {
namespace {

using Vector = std::array<double, 3>;

double Polynomial(double t, std::initializer_list<double> coefficients) {
    double value = 0.0;
    for (auto c = coefficients.end(); c != coefficients.begin();) value = value * t + *--c;
    return value;
}

// Place of the birth in radians, east longitude and north latitude.
double EastLongitudeRad(const engine::BirthMoment& b) { return b.longitudeDeg * ERFA_DD2R; }

double NorthLatitudeRad(const engine::BirthMoment& b) { return b.latitudeDeg * ERFA_DD2R; }

int YearOf(const engine::BirthMoment& b) { return int{b.localDate.year()}; }
int MonthOf(const engine::BirthMoment& b) { return static_cast<int>(unsigned{b.localDate.month()}); }
int DayOf(const engine::BirthMoment& b) { return static_cast<int>(unsigned{b.localDate.day()}); }

// The point where the ecliptic of date meets the eastern horizon, found
// without the closed Ascendant formula: in equatorial coordinates of date
// the two planes' poles are the ecliptic pole K and the zenith Z; their
// intersection is the line K x Z, and of its two ends the rising one has a
// positive component toward the east point of the horizon.
double AscendantDeg(double localSiderealRad, double obliquityRad, double latitudeRad) {
    Vector zenith{std::cos(latitudeRad) * std::cos(localSiderealRad),
                  std::cos(latitudeRad) * std::sin(localSiderealRad), std::sin(latitudeRad)};
    Vector eclipticPole{0.0, -std::sin(obliquityRad), std::cos(obliquityRad)};
    Vector east{-std::sin(localSiderealRad), std::cos(localSiderealRad), 0.0};
    Vector line{};
    eraPxp(eclipticPole.data(), zenith.data(), line.data());
    if (eraPdp(line.data(), east.data()) < 0.0) eraSxp(-1.0, line.data(), line.data());
    // Equatorial to ecliptic of date: a rotation by the obliquity about x.
    const double y = line[1] * std::cos(obliquityRad) + line[2] * std::sin(obliquityRad);
    return eraAnp(std::atan2(y, line[0])) * ERFA_DR2D;
}

}  // namespace

double DeltaTSeconds(double y) {
    if (!(y >= 1900.0 && y <= 2051.0)) throw std::domain_error("Delta T is given for 1900 to 2050 only");
    if (y < 1920.0) return Polynomial(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941.0) return Polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961.0) return Polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    if (y < 1986.0) return Polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    if (y < 2005.0) {
        return Polynomial(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    return Polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
}

ErfaDates DatesOf(const engine::BirthMoment& b) {
    double mjdZero = 0.0, mjd = 0.0;
    if (eraCal2jd(YearOf(b), MonthOf(b), DayOf(b), &mjdZero, &mjd) != 0) {
        throw std::invalid_argument("not a calendar date");
    }
    const double dayFraction = b.localMinutes / (24.0 * 60.0);
    const double deltaTDays = DeltaTSeconds(YearOf(b) + (MonthOf(b) - 0.5) / 12.0) / ERFA_DAYSEC;
    return {mjdZero, mjd + dayFraction, mjdZero, mjd + dayFraction + deltaTDays};
}

double EclipticLongitudeOfDateDeg(const std::array<double, 3>& icrsDirection, const ErfaDates& dates) {
    double rotation[3][3];
    eraEcm06(dates.ttWhole, dates.ttFraction, rotation);
    Vector direction = icrsDirection;
    Vector ecliptic{};
    eraRxp(rotation, direction.data(), ecliptic.data());
    double longitudeRad = 0.0, latitudeRad = 0.0;
    eraC2s(ecliptic.data(), &longitudeRad, &latitudeRad);
    return eraAnp(longitudeRad) * ERFA_DR2D;
}

ComparedLongitudes ErfaLongitudes(const engine::BirthMoment& birth) {
    const ErfaDates dates = DatesOf(birth);
    ComparedLongitudes longitudes{};

    double earthHeliocentric[2][3], earthBarycentric[2][3];
    eraEpv00(dates.ttWhole, dates.ttFraction, earthHeliocentric, earthBarycentric);
    const Vector earth{earthHeliocentric[0][0], earthHeliocentric[0][1], earthHeliocentric[0][2]};
    longitudes[kSun] = EclipticLongitudeOfDateDeg({-earth[0], -earth[1], -earth[2]}, dates);

    // eraPlan94 numbers Mercury 1 .. Neptune 8; 3 is the Earth-Moon barycentre.
    constexpr std::array<std::pair<Compared, int>, 7> kPlanets{
        {{kMercury, 1}, {kVenus, 2}, {kMars, 4}, {kJupiter, 5}, {kSaturn, 6}, {kUranus, 7}, {kNeptune, 8}}};
    for (const auto& [compared, planetNumber] : kPlanets) {
        double planet[2][3];
        if (eraPlan94(dates.ttWhole, dates.ttFraction, planetNumber, planet) < 0) {
            throw std::runtime_error("eraPlan94 refused the planet number");
        }
        longitudes[compared] = EclipticLongitudeOfDateDeg(
            {planet[0][0] - earth[0], planet[0][1] - earth[1], planet[0][2] - earth[2]}, dates);
    }

    double moon[2][3];
    eraMoon98(dates.ttWhole, dates.ttFraction, moon);
    longitudes[kMoon] = EclipticLongitudeOfDateDeg({moon[0][0], moon[0][1], moon[0][2]}, dates);

    const double centuriesTt = ((dates.ttWhole - ERFA_DJ00) + dates.ttFraction) / ERFA_DJC;
    longitudes[kNorthNode] = eraAnp(eraFaom03(centuriesTt)) * ERFA_DR2D;

    const double siderealRad =
        eraGmst06(dates.ut1Whole, dates.ut1Fraction, dates.ttWhole, dates.ttFraction) + EastLongitudeRad(birth);
    longitudes[kAscendant] =
        AscendantDeg(eraAnp(siderealRad), eraObl06(dates.ttWhole, dates.ttFraction), NorthLatitudeRad(birth));
    return longitudes;
}

ComparedLongitudes EngineLongitudes(const engine::BirthMoment& birth) {
    const Result<engine::NatalChart> result = engine::ChartOf(birth);
    if (!result.Ok()) throw std::runtime_error("engine: no chart for a random birth: " + result.detail);
    const engine::NatalChart& chart = result.value;

    constexpr std::array<engine::Body, 9> kBodies{engine::kSun,     engine::kMoon,   engine::kMercury,
                                                  engine::kVenus,   engine::kMars,   engine::kJupiter,
                                                  engine::kSaturn,  engine::kUranus, engine::kNeptune};
    ComparedLongitudes longitudes{};
    for (std::size_t k = 0; k < kBodies.size(); ++k) {
        longitudes[k] = chart.bodies[static_cast<std::size_t>(kBodies[k])].longitudeDeg;
    }
    longitudes[kNorthNode] = chart.northNodeDeg;
    longitudes[kAscendant] = chart.bodies[engine::kAscendant].longitudeDeg;
    return longitudes;
}

std::vector<engine::BirthMoment> RandomBirths(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random{seed};
    const auto uniform = [&random](int low, int high) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>{low, high}(random));
    };
    std::vector<engine::BirthMoment> births(count);
    for (engine::BirthMoment& b : births) {
        const int year = uniform(1901, 2050);
        const int month = uniform(1, 12);
        int daysInMonth = 0;
        for (double mjdZero = 0, mjd = 0; eraCal2jd(year, month, daysInMonth + 1, &mjdZero, &mjd) == 0;) {
            ++daysInMonth;
        }
        const int day = uniform(1, daysInMonth);
        b.localDate = std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::day{static_cast<unsigned>(day)};
        // One draw per statement: the births stay those of earlier runs.
        const int hour = uniform(0, 23);
        const int minute = uniform(0, 59);
        b.localMinutes = hour * 60 + minute;
        const int longitudeDegrees = uniform(0, 179);
        const int longitudeMinutes = uniform(0, 59);
        const bool east = uniform(0, 1) == 1;
        const int latitudeDegrees = uniform(0, 89);
        const int latitudeMinutes = uniform(0, 59);
        const bool south = uniform(0, 1) == 1;
        b.longitudeDeg = (east ? 1 : -1) * (longitudeDegrees + longitudeMinutes / 60.0);
        b.latitudeDeg = (south ? -1 : 1) * (latitudeDegrees + latitudeMinutes / 60.0);
    }
    return births;
}

std::string Describe(const engine::BirthMoment& b) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UT %.4f%c %.4f%c", YearOf(b), MonthOf(b), DayOf(b),
                  b.localMinutes / 60, b.localMinutes % 60, std::abs(b.longitudeDeg), b.longitudeDeg < 0 ? 'W' : 'E',
                  std::abs(b.latitudeDeg), b.latitudeDeg < 0 ? 'S' : 'N');
    return text;
}

double AngleErrorDeg(double aDeg, double bDeg) {
    const double difference = std::fmod(std::abs(aDeg - bDeg), 360.0);
    return difference > 180.0 ? 360.0 - difference : difference;
}

}  // namespace starwise::accuracy
