// The natal chart as numbers: ten bodies, the Ascendant and the mean lunar
// nodes, each with its short position text for display.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/birth_moment.h"
#include "engine/instant.h"
#include "result/result.h"

namespace starwise::engine {

// Body numbers of the chart.
enum Body : int {
    kSun = 0, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto, kAscendant
};
inline constexpr int kChartBodies = 11;    // Sun .. Pluto and the Ascendant
inline constexpr int kReadingBodies = 10;  // Sun .. Pluto

inline constexpr std::array<std::string_view, kChartBodies> kBodyNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant"};

struct ChartBody {
    std::string_view name;       // one of kBodyNames
    double longitudeDeg = 0.0;   // tropical ecliptic longitude of date, degrees, [0, 360)
    std::string positionText;    // short text, e.g. "05 Leo 41"
};

struct NatalChart {
    std::array<ChartBody, kChartBodies> bodies;
    double northNodeDeg = 0.0;  // mean ascending node, degrees, [0, 360)
    double southNodeDeg = 0.0;  // the opposite point
    std::string northNodeText;  // short texts of the mean nodes
    std::string southNodeText;
};

// The step functions of a chart. None throws: each result carries its
// status, and its value is empty unless the status is Ok.

// The Ascendant in degrees, [0, 360), at the birth's instant and place
// (an instant from InstantOf). OutOfRange when it comes out outside [0, 360).
Result<double> AscendantAt(const Instant& instant, const BirthMoment& birth);

// The Moon's longitude in degrees, [0, 360), at the instant. OutOfRange
// when it comes out outside [0, 360) (not finite).
Result<double> MoonAt(const Instant& instant);

// The whole chart: Sun, planets and nodes at the universal date and time,
// with the Moon and the Ascendant (degrees, [0, 360)) computed beforehand.
// OutOfRange when either is outside [0, 360), when the instant is more than
// kMaxDaysFromJ2000 from J2000, or when a planet's longitude comes out
// outside [0, 360).
Result<NatalChart> ChartAt(const Instant& instant, double moonDeg, double ascendantDeg);

// The whole chart of a birth: InstantOf, MoonAt, AscendantAt and ChartAt
// in turn; the first failure's status and detail when one fails.
Result<NatalChart> ChartOf(const BirthMoment& birth);

// Days from J2000 beyond which ChartAt refuses an instant: about 27,000
// years, beyond every date the calendar types hold (years 1..9999), and far
// within where the node's reduction keeps its digits (about 1e17 days).
inline constexpr double kMaxDaysFromJ2000 = 1.0e7;

}  // namespace starwise::engine
