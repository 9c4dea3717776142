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
// lines come from reading.aspects, the body ahead first.
std::optional<WheelChart> WheelChartOf(const reading::Reading& reading);

}  // namespace starwise::gui
