// What the clocks of a place said at a local date and time: the UTC offset
// and daylight saving in force then, from the system's tz database
// (/usr/share/zoneinfo, read through CCTZ, which also follows each zone's
// rule for the years after its last listed change).
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace starwise::atlas {

// A local civil date and time to the minute, proleptic Gregorian calendar.
struct LocalMinute {
    int year = 2000;   // 1..9999
    int month = 1;     // 1..12
    int day = 1;       // 1..31, within the month
    int hour = 0;      // 0..23
    int minute = 0;    // 0..59
};

// How often a local time happened at that place.
enum class LocalTimeKind {
    Unique,    // once: the usual case
    Skipped,   // never: the clocks were put forward over it (a gap)
    Repeated,  // twice: the clocks were put back over it (a fold)
};

// The tz database's answer for one zone and local time.
//
// A skipped or repeated time has two candidate offsets. The reported one is
// always the offset in force BEFORE the transition: for a skipped time this
// is CCTZ's `pre` (the time read on the old clocks, as if they had not been
// put forward yet); for a repeated time it is the earlier of the two
// instants. otherOffsetSeconds holds the offset after the transition. This is
// also what Python's zoneinfo gives with fold=0.
struct ZoneMoment {
    std::string tzName;  // IANA zone name, as asked
    LocalMinute local;
    int utcOffsetSeconds = 0;   // local time = UTC + offset (east positive), exact
    int utcOffsetMinutes = 0;   // the same rounded to the nearest minute (exact
                                // for every offset but local mean times)
    bool daylightSaving = false;          // the database marks the time as daylight saving
    bool daylightAheadOfStandard = false; // ... and it puts the clocks ahead of the
                                          // nearest standard time (false for the negative
                                          // daylight saving of Ireland's winter GMT)
    std::string abbreviation;             // "EDT", "IST", "LMT", "+0545"
    LocalTimeKind kind = LocalTimeKind::Unique;
    int otherOffsetSeconds = 0;  // for Skipped/Repeated: the offset after the
                                 // transition; equal to utcOffsetSeconds when Unique
};

struct ZoneHistoryError {
    enum class Reason { UnknownZone, InvalidLocalTime };
    Reason reason;
    std::string message;  // ready to show: "Unknown time zone \"Mars/Olympus\""
};

// The offset and daylight saving of the IANA zone tzName at the local time.
// Zone names are those of the tz database ("Asia/Kolkata", "UTC"); a name
// that is not one, or that is not a plain zone name (a path, "..", spaces),
// gives Reason::UnknownZone; a date or time outside the ranges of
// LocalMinute (30 February, 24:00) gives Reason::InvalidLocalTime. Never
// throws for bad input.
std::variant<ZoneMoment, ZoneHistoryError> LookUpZoneMoment(std::string_view tzName, const LocalMinute& local);

// "UTC+5:30", "UTC-4", "UTC+0", and "UTC-4:56:02" for an offset with seconds.
std::string UtcOffsetText(int utcOffsetSeconds);

// "15 July 1980 06:30".
std::string LocalMinuteText(const LocalMinute& local);

}  // namespace starwise::atlas
