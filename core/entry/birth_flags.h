// The birth flags of the command line and the desktop program's --pdf
// (--date, --time, --zone, --dst/--no-dst, --lon, --lat, --name, --place),
// turned into what the entry form would hold, checked by the same rules and
// refused with the same messages.
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
    std::optional<std::string> place;      // a place of the atlas, as searched ("Pune, India")
    std::optional<bool> daylightSaving;    // --dst: true, --no-dst: false
};

// The name used when --name is not given (the reading never uses the name).
inline constexpr std::string_view kDefaultName = "ANONYMOUS";

// Converts the flags into form values and runs the form's filters and
// checks. Returns the values, or the message that refuses them: first
// "--date is required" (and so on for --time, --zone, --lon, --lat), then
// each value's own check. Without --dst the box is not ticked. The place is
// not read here: atlas/birth_place.h completes the flags from it first.
std::variant<EntryFormValues, std::string> FormValuesOf(const BirthFlags& flags);

// The flags of one case from its words (a batch line split by
// SplitArguments): "--flag value", "--flag=value", "--dst" and "--no-dst" (the
// last of the two wins). Refuses a flag
// without its value, and lists every word it does not know, in order.
std::variant<BirthFlags, std::string> CaseFlagsOf(const std::vector<std::string>& arguments);

// "The following argument was not expected: X" (or "arguments ... X Y"), the
// words in the order given.
std::string UnexpectedWordsMessage(const std::vector<std::string>& words);

// Parses one batch line into the flags of one case, or the message that
// refuses it: an unclosed quote or a parse error.
std::variant<BirthFlags, std::string> ParseCaseFlags(std::string_view line);

// Parses one batch line (the flags of one case) into form values, or the
// message that refuses it: a parse error, an unclosed quote or a form check.
// A --place is not resolved here (see atlas/birth_place.h).
std::variant<EntryFormValues, std::string> ParseCaseLine(std::string_view line);

// Splits a batch line into arguments: whitespace separates them, and single
// or double quotes group text with spaces (a zone's text, a name). Returns
// nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitArguments(std::string_view line);

}  // namespace starwise::entry
