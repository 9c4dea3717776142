// A person's input shown back to them (in a refusal, an error line, a
// message on a terminal): checked as UTF-8, and with every control
// character written as an escape, so that no terminal escape sequence in
// the input reaches the terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace starwise::entry {

// The length in bytes (1..4) of the well-formed UTF-8 sequence that starts
// at text[at], or 0 when none does (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF). at < text.size().
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// text with the C0 controls (0x00-0x1F), DEL (0x7F) and each byte that is
// not part of well-formed UTF-8 as "\xHH", and the C1 controls
// (U+0080-U+009F) as "\u0080".."\u009f"; everything else as it is.
// "\x1b[31m" comes out as the eight characters \x1b[31m.
std::string EscapeControls(std::string_view text);

}  // namespace starwise::entry
