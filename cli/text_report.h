// The reading as a person reads it in the report window, as plain text:
// Sun sign and profile, Karma Profile, then the running text.
#pragma once

#include <string>

#include "reading/reading.h"

namespace starwise::cli {

// colour: mark the running text's kinds with ANSI escapes (bold, red, green,
// blue); only when standard output is a terminal.
// Appends the report to out.
void AppendTextReport(const reading::Reading& reading, bool colour, std::string& out);

}  // namespace starwise::cli
