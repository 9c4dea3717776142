// An exact UTC offset as the entry form's exact-offset box takes it and
// shows it: "+05:45", "-03:30", "+00:39:58".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace starwise::entry {

// Largest offset either way, in seconds: 16 h, beyond every offset the tz
// database has used (Kiribati's +14 h, local mean times under 12 h).
inline constexpr int kLargestUtcOffsetSeconds = 16 * 3600;

// Reads "±HH:MM" or "±HH:MM:SS": a sign, one or two digits of hours, two of
// minutes and optionally two of seconds, each below 60; spaces around are
// allowed. Returns the offset in seconds, east positive, or nothing for any
// other text or an offset beyond kLargestUtcOffsetSeconds. The one reader of
// exact offsets, for the form's box and the command line's --utc-offset.
std::optional<int> ParseUtcOffsetSeconds(std::string_view text);

// The box's text for an offset in seconds: sign, two-digit hours and
// minutes, and the seconds only when there are any: 20700 -> "+05:45",
// -12600 -> "-03:30", 2398 -> "+00:39:58".
std::string UtcOffsetBoxText(int utcOffsetSeconds);

}  // namespace starwise::entry
