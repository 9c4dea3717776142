// The birth flags of the command line and the desktop program's --pdf
// (--date, --time, --zone, --dst, --lon, --lat, --name), turned into what the
// entry form would hold, checked by the same rules and refused with the same
// messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "entry/entry_form.h"

namespace starwise::entry {

// The flags of one case, as given (empty optional = flag absent).
struct BirthFlags {
    std::optional<std::string> date;       // YYYY-MM-DD
    std::optional<std::string> time;       // HH:MM
    std::optional<std::string> zone;       // list position 0..70 or the zone's exact text
    std::optional<std::string> longitude;  // DDD:MM followed by E or W
    std::optional<std::string> latitude;   // DD:MM followed by N or S
    std::optional<std::string> name;
    bool daylightSaving = false;
};

// The name used when --name is not given (the reading never uses the name).
inline constexpr std::string_view kDefaultName = "ANONYMOUS";

// Converts the flags into form values and runs the form's filters and
// checks. Returns the values, or the message that refuses them: first
// "--date is required" (and so on for --time, --zone, --lon, --lat), then
// each value's own check.
std::variant<EntryFormValues, std::string> FormValuesOf(const BirthFlags& flags);

// The flags of one case from its words (a batch line split by
// SplitArguments): "--flag value", "--flag=value" and "--dst". Refuses a flag
// without its value, and lists every word it does not know, in order.
std::variant<BirthFlags, std::string> CaseFlagsOf(const std::vector<std::string>& arguments);

// "The following argument was not expected: X" (or "arguments ... X Y"), the
// words in the order given.
std::string UnexpectedWordsMessage(const std::vector<std::string>& words);

// Parses one batch line (the flags of one case) into form values, or the
// message that refuses it: a parse error, an unclosed quote or a form check.
std::variant<EntryFormValues, std::string> ParseCaseLine(std::string_view line);

// Splits a batch line into arguments: whitespace separates them, and single
// or double quotes group text with spaces (a zone's text, a name). Returns
// nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitArguments(std::string_view line);

}  // namespace starwise::entry
