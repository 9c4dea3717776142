// The chart wheel of one reading: the ten bodies and both lunar nodes at
// their longitudes, each with its glyph and position text, the Ascendant,
// and the reading's quincunx and semi-sextile pairs.
#pragma once

#include <optional>

#include "chart/wheel_layout.h"
#include "reading/reading.h"

namespace starwise::gui {

// Point ids on the wheel: the body numbers 0 (Sun) .. 9 (Pluto), then the
// two nodes.
inline constexpr int kNorthNodePointId = 10;
inline constexpr int kSouthNodePointId = 11;

// The wheel of a reading; nothing when its chart was not computed. Aspect
// pairs come from reading.aspects ("Moon-Sun", the body ahead first).
// Throws std::invalid_argument for a pair that does not name two of Sun ..
// Pluto.
std::optional<WheelChart> WheelChartOf(const reading::Reading& reading);

}  // namespace starwise::gui
