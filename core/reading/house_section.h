// The house section of the report: the bodies in the fourth, eighth and
// twelfth houses, then what those houses mean.
#pragma once

#include "reading/house_placement.h"
#include <vector>

#include "reading/report_block.h"

namespace starwise::reading {

// The section's blocks for a placement.
std::vector<ReportBlock> HouseSection(const HousePlacement& placement);

}  // namespace starwise::reading
