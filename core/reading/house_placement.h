// Equal houses of thirty whole degrees counted from the Ascendant's degree,
// and which bodies stand in the fourth, eighth and twelfth houses.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/natal_chart.h"

namespace starwise::reading {

inline constexpr std::array<int, 3> kReportedHouses{4, 8, 12};

// Degree index 1..360 of a longitude in degrees, [0, 360): 30 x sign +
// whole degrees within the sign + 1, truncated as its position text shows
// it ("05 Leo 41" -> 126). Throws std::domain_error outside one turn.
int DegreeIndexOf(double longitudeDeg);

// House 1..12 of a degree index counted from the Ascendant's degree index:
// 1 + ((d - a) mod 360) div 30.
int HouseOf(int degreeIndex, int ascendantDegreeIndex);

// Ecliptic longitude, degrees, where house 1 begins under HouseOf: the
// Ascendant's whole degree, DegreeIndexOf(ascendantDeg) - 1, in [0, 360);
// house h begins 30 (h - 1) degrees further on. A longitude is in house h
// exactly when it lies in [cusp of h, cusp of h + 30). ascendantDeg in
// [0, 360); throws std::domain_error outside.
double FirstHouseCuspDeg(double ascendantDeg);

// Which bodies stand in the reported houses, with the house name and the
// paragraph for each such body.
struct HousePlacement {
    std::array<bool, 12> houseOccupied{};                    // index house-1
    std::array<int, engine::kReadingBodies> houseOfBody{};   // 1..12, 0 before placement
    std::array<bool, engine::kReadingBodies> inFourth{};
    std::array<bool, engine::kReadingBodies> inEighth{};
    std::array<bool, engine::kReadingBodies> inTwelfth{};
    std::array<std::string_view, engine::kReadingBodies> houseName{};  // "Fourth House", ...
    std::array<std::string_view, engine::kReadingBodies> houseText{};  // the body-in-house paragraph

    bool IsReported(int body) const { return inFourth[body] || inEighth[body] || inTwelfth[body]; }
};

// Places Sun..Pluto in the houses counted from the Ascendant's degree index.
HousePlacement PlaceBodies(const engine::NatalChart& chart);

}  // namespace starwise::reading
