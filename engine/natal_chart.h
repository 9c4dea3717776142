// The chart of one reading and the three engine operations that fill it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/birth_data.h"

namespace starwise::engine {

// Body numbers of the chart.
enum Body : int {
    kSun = 0, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto, kAscendant
};
inline constexpr int kChartBodies = 11;    // Sun .. Pluto and the Ascendant
inline constexpr int kReadingBodies = 10;  // Sun .. Pluto
inline constexpr int kNorthNodeText = 11;  // position-text numbers of the nodes
inline constexpr int kSouthNodeText = 12;

inline constexpr std::array<std::string_view, kChartBodies> kBodyNames{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant"};

struct ChartBody {
    std::string BodyName;
    double Longitude = 0.0;    // tropical ecliptic longitude, degrees, [0, 360)
    std::string PositionText;  // short text, e.g. "05 Leo 41"
};

struct NatalChart {
    std::array<ChartBody, kChartBodies> Bodies;
    std::string NorthNodeText;  // short texts of the mean nodes
    std::string SouthNodeText;

    // Short position text by number: 0..10 the bodies, 11 north node, 12 south node.
    const std::string& PositionText(int number) const;
};

// Values one engine operation leaves for a later one in the same reading.
struct EngineWorking {
    double ascendantDeg = 0.0;
    std::string ascendantLongText;
    double moonDeg = 0.0;
    std::string moonLongText;
};

// Step 1: the Ascendant from local sidereal time at the universal time on
// the local date. Writes working.ascendant* only when it succeeds.
void CalculateAscendant(const BirthData& birth, const ZoneOffset& zone, EngineWorking& working);

// Step 2: the Moon at the same instant. Writes working.moon* only when it succeeds.
void CalculateMoon(const BirthData& birth, const ZoneOffset& zone, EngineWorking& working);

// Step 3: Sun, planets and nodes at the universal date and time, then the
// whole chart, taking the Moon and Ascendant from the working values.
// Leaves the chart unchanged when it throws.
void CalculatePlanets(const BirthData& birth, const ZoneOffset& zone, const EngineWorking& working,
                      NatalChart& chart);

}  // namespace starwise::engine
