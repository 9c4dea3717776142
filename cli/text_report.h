// The reading as a person reads it in the report window, as plain text:
// Sun sign and profile, Karma Profile, then the rich-text sections.
#pragma once

#include <string>

#include "reading/recording_view.h"

namespace starwise::cli {

// colour: mark the rich-text styles with ANSI escapes (bold, red, green,
// blue); only when standard output is a terminal.
std::string TextReport(const reading::RecordingReportView& report, bool colour);

}  // namespace starwise::cli
