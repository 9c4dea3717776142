// The fuzz targets' check that output is JSON under a strict parser.
#pragma once

#include <rapidjson/document.h>

#include <string_view>

namespace starwise::fuzz {

// True when every line of out ends with a line feed and is one JSON value
// by RapidJSON's reader, which refuses raw control characters in strings
// and, with kParseValidateEncodingFlag, bytes that are not UTF-8.
inline bool AllLinesAreJson(std::string_view out) {
    while (!out.empty()) {
        const std::size_t end = out.find('\n');
        if (end == std::string_view::npos) return false;
        rapidjson::Document document;
        document.Parse<rapidjson::kParseValidateEncodingFlag>(out.data(), end);
        if (document.HasParseError()) return false;
        out.remove_prefix(end + 1);
    }
    return true;
}

}  // namespace starwise::fuzz
