// The natal chart as numbers: ten bodies, the Ascendant and the mean lunar
// nodes, each with its short position text for display.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/birth_moment.h"
#include "engine/instant.h"

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

// The Ascendant in degrees, [0, 360), at the birth's instant and place.
double AscendantAt(const Instant& instant, const BirthMoment& birth);

// The Moon's longitude in degrees, [0, 360), at the instant.
double MoonAt(const Instant& instant);

// The whole chart: Sun, planets and nodes at the universal date and time,
// with the Moon and the Ascendant computed beforehand. Throws when a
// longitude cannot be given a position text (not finite, or out of range).
NatalChart ChartAt(const Instant& instant, double moonDeg, double ascendantDeg);

}  // namespace starwise::engine
