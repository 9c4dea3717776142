// A birth's flags completed from a place of the atlas: the place supplies the
// longitude, latitude and zone that were not given, from its coordinates and
// from the tz database's offset at the birth's local date and time; and the
// zone the reading then uses, checked against the database. Shared by the
// command line and the desktop program's --pdf.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "atlas/place_zone_state.h"
#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"
#include "entry/birth_flags.h"
#include "entry/birth_input.h"
#include "result/result.h"

namespace starwise::atlas {

// A place's coordinates as the --lat and --lon flags take them, to the
// nearest whole minute, degrees zero-padded to two and three digits:
// 18.51957 -> "18:31N", 73.85535 -> "073:51E", -74.00597 -> "074:00W".
std::string LatitudeFlagText(double latitudeDeg);
std::string LongitudeFlagText(double longitudeDeg);

// A local date and clock time (minutes after midnight, 0..1439) as the tz
// database is asked for it.
LocalMinute LocalMinuteOf(std::chrono::year_month_day localDate, int localMinutes);

// The check of the zone a reading uses against the place's moment.
struct PlaceZoneCheck {
    Place place;
    ZoneMoment moment;        // the place's zone at the birth's local date and time
    ZoneRowMatch match;       // the row and box that give the database's offset, if any
    ZoneAgreement agreement;  // the reading's zone against the moment
    std::string message;      // ZoneSummary, the zone used (ZoneText; a row with its offset), then each
                              // warning of the place-and-zone state's line
    bool hasWarnings = false; // a warning was given
};

struct PlacedBirth {
    entry::BirthInput birth;                  // completed from the place
    std::optional<PlaceZoneCheck> zoneCheck;  // when a place was given
};

// The check of a birth's zone against its place's moment as the state holds
// it (a moment is required): the agreement, the message (ZoneSummary, the
// zone used, then the state's warnings) and whether it warns.
PlaceZoneCheck ZoneCheckOf(const Place& place, const PlaceZoneState& state, const entry::BirthInput& birth);

// The check a saved birth had when it was made from a place: its place label
// looked up again in the atlas (the place of exactly that label, the one at
// the birth's coordinates when several share it) and its zone checked
// against that place's moment. Nothing for a birth without a label, a label
// the atlas does not know, or a moment the tz database cannot give.
std::optional<PlaceZoneCheck> SavedPlaceZoneCheck(const entry::BirthInput& birth, const Atlas& atlas);

// Checks the flags (entry::CheckBirthFlags) and completes them from
// flags.place.
//
// Without a place this is the flags' birth alone (the atlas is not touched).
// With one, the first match of atlas.Search is taken; --lon and --lat that
// were not given come from its coordinates (in degrees, not rounded), and
// the zone, unless --zone or --utc-offset gives it, is ZoneForMoment's for
// the tz database's moment at the local date and time: a row with its box
// where one gives the database's offset, else the database's exact offset,
// and the birthplace's own mean time where the database gives local mean
// time. A given --zone takes the database's box unless --dst or --no-dst is
// given or the row already names a daylight time. A given --dst or --no-dst
// with a zone from the place is kept for a row, the standard row the box's
// hour is added to (MatchZoneRow without the abbreviation's row: Eastern
// Standard Time, not Eastern Daylight Time); the check then says whether
// they agree. It is refused for an exact offset it contradicts. Fails with a
// message ready to show: the flags' own refusals and that contradiction
// (InvalidInput); no place matches, or the tz database cannot answer for the
// place's zone (Missing).
Result<PlacedBirth> ResolveBirthFlags(const entry::BirthFlags& flags, const Atlas& atlas);

}  // namespace starwise::atlas
