// The natal Moon and the bodies in the last three degrees of their sign
// ("void of course" in this program's usage).
#pragma once

#include <vector>

#include "engine/natal_chart.h"
#include "reading/report_block.h"

namespace starwise::reading {

// Body numbers 0..9 whose whole degrees within the sign (as their position
// texts show them) are 27, 28 or 29, in body order.
std::vector<int> VoidOfCourseBodies(const engine::NatalChart& chart);

// The section: its heading, the natal Moon's position and comment, then a
// heading and a paragraph per void-of-course body.
std::vector<ReportBlock> VoidOfCourseSection(const engine::NatalChart& chart, const std::vector<int>& bodies);

}  // namespace starwise::reading
