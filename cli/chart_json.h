// The JSON object of one case: chart fields, reading fields and every piece
// written to the report.
#pragma once

#include <nlohmann/json.hpp>

#include "reading/reading_state.h"
#include "reading/recording_view.h"

namespace starwise::cli {

// Chart fields only: ut_hours, ut_date, ut_time, jdn, d, bodies, nodes.
nlohmann::json ChartJson(const reading::ReadingState& state);

// Chart fields plus sun_sign, node_row, houses, aspects, void_of_course and
// report (the pieces in writing order).
nlohmann::json ReadingJson(const reading::ReadingState& state, const reading::RecordingReportView& report);

}  // namespace starwise::cli
