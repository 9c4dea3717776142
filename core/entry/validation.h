// The checks the entry form runs before a reading captures anything, and
// the location lookup's checks and search text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "entry/entry_form.h"

namespace starwise::entry {

// Runs the checks in order (name, longitude degrees and minutes, latitude
// degrees and minutes, February, 31st of a thirty-day month, the exact UTC
// offset when it is chosen) and returns the
// first failure's message, or nothing when the form may be captured.
std::optional<FormMessage> ValidateEntryForm(const EntryFormValues& form);

// The leading decimal number of a text, 0 when it has none (leading spaces
// skipped, digits read up to the first other character).
double LeadingNumber(std::string_view text);

// Checks of the location lookup: city, state, country must not be exactly
// empty (spaces count as content). Returns the first failure's message.
std::optional<FormMessage> ValidateLocationLookup(std::string_view city, std::string_view state,
                                                  std::string_view country);

// "city state country Latitude Longitude": the text handed to the web search.
std::string LocationSearchText(std::string_view city, std::string_view state, std::string_view country);

}  // namespace starwise::entry
