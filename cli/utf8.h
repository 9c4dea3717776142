// Checking that a line from standard input is well-formed UTF-8 before any
// of it is echoed into JSON.
#pragma once

#include <string_view>

namespace starwise::cli {

// True when text is well-formed UTF-8 (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace starwise::cli
