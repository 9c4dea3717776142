// The line that says whose reading it is: name, birth date and clock time,
// the place (or the coordinates alone) and the zone or exact offset the
// clock time was read in. The report's first tab, the PDF and the HTML show
// it above the reading.
#pragma once

#include <string>

#include "entry/birth_input.h"

namespace starwise::reading {

// "ASHA KULKARNI, born 15 July 1980 06:30 in Pune, Maharashtra, India
// (18°31'N 73°51'E); zone: Indian Time without daylight saving, UTC+5:30".
// Without a place label the coordinates stand alone ("born ... at 0°00'N
// 0°00'E"); without a name the line starts at "Born". Coordinates to the
// nearest whole minute of arc; the date must be a calendar date.
std::string BirthHeaderText(const entry::BirthInput& birth);

}  // namespace starwise::reading
