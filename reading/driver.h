// One whole reading, after the entry form's checks have passed.
#pragma once

#include <string_view>
#include <vector>

#include "entry/entry_form.h"
#include "reading/reading_state.h"
#include "reading/report_view.h"

namespace starwise::reading {

// Captures the form into the state (zone offset first, then the birth
// record), runs the engine (Ascendant, Moon, planets), then the house
// section, Sun sign and profile, node reading, aspects and void of course,
// each writing through the view. Every step runs on its own: an exception
// inside one is caught here and the next step runs, so a reading always
// completes. Returns the names of the steps that failed, in order.
std::vector<std::string_view> RunReading(const entry::EntryFormValues& form, ReadingState& state,
                                         ReportView& view);

// The capture and engine steps only (no report): what the chart output of
// the command line needs. Returns the names of the steps that failed.
std::vector<std::string_view> RunChart(const entry::EntryFormValues& form, ReadingState& state);

}  // namespace starwise::reading
