// The entry form's adapter: the texts and positions its controls hold, turned
// into the typed birth a reading is made for. With the birth flags' adapter
// (entry/birth_flags.h) the only place where birth texts are parsed.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <variant>

#include "entry/birth_input.h"
#include "entry/entry_form.h"

namespace starwise::entry {

// The local date and clock time the form's lists hold (seconds are not read).
struct FormDateTime {
    std::chrono::year_month_day localDate;
    int localMinutes = 0;  // 0..1439
};

// The date and time of the lists: year, month position, day text, hour and
// minute texts (whole numbers, spaces around them ignored). Nothing when a
// text is not a number, the date does not exist (31 April) or the time is
// outside 0:00..23:59.
std::optional<FormDateTime> FormDateTimeOf(const EntryFormValues& form);

// The form's checks (ValidateEntryForm), then a name of at most
// kNameMaxCharacters, a date and time (FormDateTimeOf) and a chosen zone row
// or exact offset. Coordinates are degrees + minutes / 60, west and south
// negative; the zone is the row with the daylight-saving box, or at
// kExactOffsetPosition the offset of utcOffsetText as given (the entry window
// names the tz database as its source when the place filled it in). Returns
// the birth or the message that refuses the form.
std::variant<BirthInput, FormMessage> BirthInputOfForm(const EntryFormValues& form);

// Unicode code points of a UTF-8 text (bytes that do not start one are not
// counted).
std::size_t CharacterCount(std::string_view utf8);

}  // namespace starwise::entry
