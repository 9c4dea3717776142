// Turning command-line flags into what the entry form would hold, checked
// by the same rules and refused with the same messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "entry/entry_form.h"

namespace CLI {
class App;
}

namespace starwise::cli {

// The flags of one case, as given (empty optional = flag absent).
struct CaseFlags {
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
std::variant<entry::EntryFormValues, std::string> FormValuesOf(const CaseFlags& flags);

// Declares the flags of one case on a command-line parser.
void AddCaseOptions(CLI::App& app, CaseFlags& flags);

// The flags of one case from its words (a batch line split by
// SplitArguments): "--flag value", "--flag=value" and "--dst". Refuses a flag
// without its value, and lists every word it does not know, in order.
std::variant<CaseFlags, std::string> CaseFlagsOf(const std::vector<std::string>& arguments);

// Parses one batch line (the flags of one case) into form values, or the
// message that refuses it: a parse error, an unclosed quote or a form check.
std::variant<entry::EntryFormValues, std::string> ParseCaseLine(std::string_view line);

// Splits a batch line into arguments: whitespace separates them, and single
// or double quotes group text with spaces (a zone's text, a name). Returns
// nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitArguments(std::string_view line);

}  // namespace starwise::cli
