// The chart's positions as a table: each body, the Ascendant and the two
// nodes with its sign, its degree within the sign and its house.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reading/reading.h"

namespace starwise::reading {

struct PositionRow {
    std::string_view body;   // "Sun" .. "Pluto", "Ascendant", "North Node", "South Node"
    std::string_view sign;   // its three-letter abbreviation, "Ari" .. "Pis"
    std::string degreeText;  // whole degrees and minutes within the sign, truncated as the position texts: "17°24′"
    int house = 0;           // 1..12 as the reading places Sun .. Pluto; 0 for the others
};

// Sun .. Pluto, the Ascendant, the north and the south node, in that order;
// empty when the reading has no chart. Houses are 0 when the reading has no
// house placement.
std::vector<PositionRow> PositionRowsOf(const Reading& reading);

}  // namespace starwise::reading
