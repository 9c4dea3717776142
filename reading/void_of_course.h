// The natal Moon and the bodies in the last three degrees of their sign
// ("void of course" in this program's usage).
#pragma once

#include <vector>

#include "engine/natal_chart.h"
#include "reading/report_view.h"

namespace starwise::reading {

// Body numbers 0..9 whose position text starts with 27, 28 or 29 whole
// degrees, in body order.
std::vector<int> VoidOfCourseBodies(const engine::NatalChart& chart);

// Appends the natal-Moon lines and one heading and comment per
// void-of-course body to the rich-text box.
void WriteVoidOfCourse(const engine::NatalChart& chart, ReportView& view);

}  // namespace starwise::reading
