// The house section of the report: the bodies in the fourth, eighth and
// twelfth houses, then what those houses mean.
#pragma once

#include "houses/placement.h"
#include "reading/report_view.h"

namespace starwise::houses {

// Writes the section into the rich-text box from a placement.
void WriteHouseSection(const HousePlacement& placement, reading::ReportView& view);

// Placement, then the section: the reading's house step.
void ReadHouses(const engine::NatalChart& chart, HousePlacement& placement, reading::ReportView& view);

}  // namespace starwise::houses
