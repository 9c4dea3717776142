// The JSON object of one case, written straight from the reading value by a
// streaming writer (no tree is built).
#pragma once

#include <string>
#include <string_view>

#include "reading/reading.h"

namespace starwise::cli {

// Appends one line: the reading's object and a line feed.
void AppendReadingJson(const reading::Reading& reading, std::string& out);

// Appends one line: {"error": message} and a line feed. The message must be
// valid UTF-8.
void AppendErrorJson(std::string_view message, std::string& out);

}  // namespace starwise::cli
