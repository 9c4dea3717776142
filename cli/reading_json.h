// The JSON object of one case, written straight from the reading value by a
// streaming writer (no tree is built).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <rapidjson/stringbuffer.h>

#include "atlas/birth_place.h"
#include "atlas/places.h"
#include "reading/reading.h"

namespace starwise::cli {

// Writes JSON lines; its buffer is kept from one line to the next, so a
// batch run does not allocate it anew for every reading.
class ReadingJsonWriter {
public:
    // Appends one line: the reading's object and a line feed, with "place"
    // and "zone_check" from the place the birth was completed from (both null
    // when zoneCheck is null). utc_offset_seconds is the offset the reading
    // used and utc_offset_source where it came from ("zone_row", "given",
    // "tz_database", "local_mean_time"); zone_check.zone is the list
    // position (as --zone takes it) of the row the reading used, or null
    // when it used an exact offset.
    void AppendReading(const reading::Reading& reading, const atlas::PlaceZoneCheck* zoneCheck, std::string& out);

    // Appends one line: an array of places, each {name, state, country,
    // latitude, longitude, timezone, population} (decimal degrees, north and
    // east positive; state "" when the place has none).
    void AppendPlaces(const std::vector<atlas::Place>& places, std::string& out);

    // Appends one line: {"skipped": why} ("blank", "comment") and a line feed.
    void AppendSkipped(std::string_view why, std::string& out);

    // Appends one line: {"error": message} and a line feed. The message must
    // be valid UTF-8.
    void AppendError(std::string_view message, std::string& out);

private:
    rapidjson::StringBuffer buffer_;
};

}  // namespace starwise::cli
