// The 71 named time zones of the entry form and their offsets.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/birth_data.h"

namespace starwise::entry {

// One zone: the text shown in the list and the offset to add to local clock
// time to get Universal Time (positive west of Greenwich). The offsets are
// stored, never parsed from the text: "Indian Time, IST, +5.3" is 5 h 30 min.
struct ZoneRow {
    std::string_view listText;
    std::int16_t zoneOffsetHours;
    std::int16_t zoneOffsetMinutes;
};

inline constexpr std::size_t kZoneCount = 71;
inline constexpr int kGreenwichZonePosition = 29;  // selected when the form loads
extern const std::array<ZoneRow, kZoneCount> kZones;

// Offset of the zone at list position 0..70. Throws std::out_of_range for a
// position outside the list (-1 when nothing is selected), leaving the
// offset as it was: a reading without a zone has no instant.
void ZoneCalculation(int listPosition, engine::ZoneOffset& offset);

// List position of a zone given by its exact text, or -1.
int ZonePositionOfText(std::string_view listText);

}  // namespace starwise::entry
