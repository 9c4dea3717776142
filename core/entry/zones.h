// The 71 named time zones of the entry form and their offsets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "entry/birth_input.h"

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

// The UTC offset a row and the daylight-saving tick give, in seconds, east
// positive: the row's stored offset (west positive) negated, plus 3600 when
// the box is ticked. Nothing for a position outside the list (-1 when
// nothing is selected): a reading without a zone has no instant.
std::optional<int> ZoneRowUtcOffsetSeconds(const ZoneRowChoice& choice);

// List position of a zone given by its exact text, or -1.
int ZonePositionOfText(std::string_view listText);

}  // namespace starwise::entry
