// The JSON object of one case, written straight from the reading value by a
// streaming writer (no tree is built).
#pragma once

#include <string>
#include <string_view>

#include <rapidjson/stringbuffer.h>

#include "reading/reading.h"

namespace starwise::cli {

// Writes JSON lines; its buffer is kept from one line to the next, so a
// batch run does not allocate it anew for every reading.
class ReadingJsonWriter {
public:
    // Appends one line: the reading's object and a line feed.
    void AppendReading(const reading::Reading& reading, std::string& out);

    // Appends one line: {"error": message} and a line feed. The message must
    // be valid UTF-8.
    void AppendError(std::string_view message, std::string& out);

private:
    rapidjson::StringBuffer buffer_;
};

}  // namespace starwise::cli
