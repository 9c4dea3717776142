// The birth a reading is made for, typed: local calendar date and clock time,
// the place's coordinates and the zone the clock time was kept in. Built only
// by the two adapters that parse texts (the entry form's boxes,
// entry/form_input.h, and the birth flags of the command line, batch lines and
// `starwise --pdf`, entry/birth_flags.h); read by the reading and the people
// store.
#pragma once

#include <chrono>
#include <string>
#include <variant>

namespace starwise::entry {

// A row of the entry form's zone list (entry::kZones) with the daylight-saving
// tick, which adds one hour to the row's offset.
struct ZoneRowChoice {
    int zonePosition = 0;          // 0..70
    bool daylightSaving = false;   // the tick
    friend bool operator==(const ZoneRowChoice&, const ZoneRowChoice&) = default;
};

// Where an exact offset came from.
enum class OffsetSource {
    Given,             // typed by the person (--utc-offset, the form's exact-offset box)
    TimeZoneDatabase,  // the tz database's offset for the place at the local time
    LocalMeanTime,     // the birthplace's own mean time: longitude / 15 hours
};

// An exact offset of local clock time from UTC, in seconds, east positive
// (UTC+5:45 is +20700), within -16 h .. +16 h.
struct ExactOffset {
    int utcOffsetSeconds = 0;
    OffsetSource source = OffsetSource::Given;
    friend bool operator==(const ExactOffset&, const ExactOffset&) = default;
};

using BirthZone = std::variant<ZoneRowChoice, ExactOffset>;

struct BirthInput {
    std::string name;                        // as typed; the reading never reads it
    std::chrono::year_month_day localDate;   // a valid Gregorian date, 1901..2050
    int localMinutes = 0;                    // clock time, minutes after local midnight, 0..1439
    double latitudeDeg = 0.0;                // north positive, -90..90
    double longitudeDeg = 0.0;               // east positive, -180..180
    BirthZone zone = ZoneRowChoice{};
    std::string placeLabel;                  // "Pune, Maharashtra, India"; empty for typed coordinates
};

}  // namespace starwise::entry
