// The birth flags' adapter: the flags of the command line, of a batch line
// and of the desktop program's --pdf (--date, --time, --zone, --dst/--no-dst,
// --utc-offset, --lon, --lat, --name, --place), read by one option table,
// checked by the entry form's rules and refused with its messages. With the
// form's adapter (entry/form_input.h) the only place where birth texts are
// parsed.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/birth_input.h"
#include "entry/entry_form.h"
#include "result/result.h"

namespace starwise::entry {

// The flags of one case, as given (empty optional = flag absent).
struct BirthFlags {
    std::optional<std::string> date;       // YYYY-MM-DD
    std::optional<std::string> time;       // HH:MM
    std::optional<std::string> zone;       // list position 0..70 or the zone's exact text
    std::optional<std::string> utcOffset;  // +HH:MM or +HH:MM:SS, east positive
    std::optional<std::string> longitude;  // DDD:MM followed by E or W
    std::optional<std::string> latitude;   // DD:MM followed by N or S
    std::optional<std::string> name;
    std::optional<std::string> place;      // a place of the atlas, as searched ("Pune, India")
    std::optional<bool> daylightSaving;    // --dst: true, --no-dst: false
    std::optional<std::string> person;     // a saved person's name: the whole birth comes from the people store
    std::optional<std::string> personId;   // a saved person's id, as --list-people shows it
};

// One row of the option table: a flag that takes a value (value != nullptr)
// or a switch that sets daylightSaving to switchSets.
struct BirthOption {
    std::string_view flag;       // "--date"
    std::string_view valueName;  // "YYYY-MM-DD"; empty for a switch
    std::string_view help;       // one line of --help
    std::optional<std::string> BirthFlags::*value;
    bool switchSets;
};

inline constexpr std::array<BirthOption, 12> kBirthOptions{{
    {"--date", "YYYY-MM-DD", "date of birth, 1901 to 2050", &BirthFlags::date, false},
    {"--time", "HH:MM", "local clock time of birth", &BirthFlags::time, false},
    {"--zone", "N", "time zone: its position 0..70 in starwise-cli --list-zones, or its text", &BirthFlags::zone,
     false},
    {"--dst", "", "daylight saving time was in force (the entry form's box)", nullptr, true},
    {"--no-dst", "", "no daylight saving (with --place: instead of the tz database's)", nullptr, false},
    {"--utc-offset", "+HH:MM[:SS]",
     "the exact offset of the local clock from UTC, east positive, in place of --zone and --dst",
     &BirthFlags::utcOffset, false},
    {"--lon", "DDD:MM{E|W}", "longitude of the place of birth (e.g. 074:00W)", &BirthFlags::longitude, false},
    {"--lat", "DD:MM{N|S}", "latitude of the place of birth (e.g. 40:43N)", &BirthFlags::latitude, false},
    {"--name", "NAME",
     "the person's name: letters of any script, spaces, hyphens and apostrophes, at most 60 (ANONYMOUS when not "
     "given)",
     &BirthFlags::name, false},
    {"--place", "TEXT",
     "the first place of the atlas that matches TEXT (\"Pune\", \"Springfield, Illinois\") supplies --lon, "
     "--lat and the zone where they are not given: a zone row with the daylight-saving box where one gives "
     "the tz database's offset, else the database's exact offset, and before standard time the birthplace's "
     "own mean time",
     &BirthFlags::place, false},
    {"--person", "NAME",
     "the birth saved under NAME (starwise-cli --save) in place of the flags above; when several people share "
     "the name, their ids are listed and --person-id chooses",
     &BirthFlags::person, false},
    {"--person-id", "N", "the saved birth with id N (as starwise-cli --list-people shows it)", &BirthFlags::personId,
     false},
}};

// The birth flags' part of --help, one flag a line ("  --date YYYY-MM-DD   date
// of birth ..."), long lines wrapped at 79 columns, for both programs.
std::string BirthFlagsHelp();

// The name used when --name is not given (the reading never uses the name).
inline constexpr std::string_view kDefaultName = "ANONYMOUS";

// The flags of one case checked, before a place completes them.
struct CheckedFlags {
    std::string name;
    std::chrono::year_month_day localDate;
    int localMinutes = 0;                    // 0..1439
    std::optional<double> longitudeDeg;      // east positive
    std::optional<double> latitudeDeg;       // north positive
    std::optional<int> zonePosition;         // --zone: 0..70
    std::optional<bool> daylightSaving;      // --dst / --no-dst
    std::optional<int> utcOffsetSeconds;     // --utc-offset, east positive
    std::optional<std::string> place;
};

// Checks the flags in order and fails with the first refusal
// (InvalidInput, its detail the message to show): "--date is
// required", "--time is required", then without --place "--zone or
// --utc-offset is required", "--lon is required", "--lat is required"; then
// --utc-offset given with --zone, --dst or --no-dst; then each value's own
// check (the name box's filter and length, the date lists' ranges, the time,
// the zone, the offset within -16:00..+16:00, the coordinates) and the entry
// form's checks (name, coordinate ranges, 29 February, 31st of a thirty-day
// month) with the form's messages.
Result<CheckedFlags> CheckBirthFlags(const BirthFlags& flags);

// The birth of checked flags that need no place (every one of the zone,
// --lon and --lat given): the zone is the row and box (no box: not ticked)
// or the given exact offset.
BirthInput BirthInputOf(const CheckedFlags& checked);

// The flags of one case from its words (argv, or a batch line split by
// SplitArguments): "--flag value", "--flag=value", "--dst" and "--no-dst".
// Refuses a flag given twice, --dst with --no-dst, a flag without its
// value, and lists every word it does not know, in order (InvalidInput).
Result<BirthFlags> CaseFlagsOf(const std::vector<std::string>& arguments);

// "The following argument was not expected: X" (or "arguments ... X Y"), the
// words in the order given.
std::string UnexpectedWordsMessage(const std::vector<std::string>& words);

// Parses one batch line into the flags of one case, or fails with the
// message that refuses it (InvalidInput): an unclosed quote or a parse error.
Result<BirthFlags> ParseCaseFlags(std::string_view line);

// One batch line that names no place, parsed and checked into its birth, or
// fails with the message that refuses it (InvalidInput). A --place is
// refused here: the atlas completes such lines (atlas::ResolveBirthFlags).
Result<BirthInput> BirthInputOfLine(std::string_view line);

// Splits a batch line into arguments: whitespace separates them, and single
// or double quotes group text with spaces (a zone's text, a name). Returns
// nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitArguments(std::string_view line);

}  // namespace starwise::entry
