// A birth's flags completed from a place of the atlas: the place supplies the
// longitude, latitude, zone and daylight-saving box that were not given, from
// its coordinates and from the tz database's offset at the birth's local date
// and time; and the zone the reading then uses, checked against the database.
// Shared by the command line and the desktop program's --pdf.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"
#include "entry/birth_flags.h"
#include "entry/entry_form.h"

namespace starwise::atlas {

// A place's coordinates as the --lat and --lon flags take them, to the
// nearest whole minute, degrees zero-padded to two and three digits:
// 18.51957 -> "18:31N", 73.85535 -> "073:51E", -74.00597 -> "074:00W".
std::string LatitudeFlagText(double latitudeDeg);
std::string LongitudeFlagText(double longitudeDeg);

// The local date and time the form's lists hold (year, month, day, hour,
// minute; seconds are not read). Nothing when a text is not a number or the
// date does not exist (31 April).
std::optional<LocalMinute> LocalMinuteOfForm(const entry::EntryFormValues& form);

// What is wrong with a chosen zone for a moment of a place, in order: the
// choice does not give the database's offset (CheckZoneChoice), the list has
// no row for that offset (MatchZoneRow's message, only when the choice does
// not agree), and daylight saving counted twice
// (DoubleDaylightSavingWarning). Empty when nothing is wrong.
std::vector<std::string> ZoneChoiceWarnings(const ZoneMoment& moment, const ZoneRowMatch& match,
                                            const ZoneChoice& chosen);

// Why a place's zone cannot be looked up for a date that is not a calendar
// date (31 April).
inline constexpr std::string_view kNoSuchDateMessage =
    "The date of birth does not exist, so the time zone database cannot be asked.";

// The check of the zone a reading uses against the place's moment.
struct PlaceZoneCheck {
    Place place;
    ZoneMoment moment;        // the place's zone at the birth's local date and time
    ZoneRowMatch match;       // the row and box that give the database's offset, if any
    ZoneAgreement agreement;  // the reading's row and box against the moment
    std::string message;      // ZoneSummary, then each of ZoneChoiceWarnings
    bool hasWarnings = false; // ZoneChoiceWarnings gave at least one
};

struct PlacedBirth {
    entry::BirthFlags flags;             // completed from the place
    entry::EntryFormValues form;         // FormValuesOf(flags)
    std::optional<PlaceZoneCheck> zoneCheck;  // when a place was given
};

// Completes the flags from flags.place and checks them.
//
// Without a place this is FormValuesOf alone (the atlas is not touched).
// With one, the first match of atlas.Search is taken; each of --lon, --lat,
// --zone and --dst/--no-dst that was not given comes from it (given values
// win): the coordinates to the nearest minute, and the row and box of
// MatchZoneRow for the tz database's moment at the local date and time. The
// zone, when it comes from the place, is MatchZoneRow's row whatever the box
// (a given --dst or --no-dst is kept as given, and the check then says the
// two disagree). Refused, with a message ready to show: no place matches;
// the date or time is missing or wrong (FormValuesOf's messages); the tz
// database cannot answer for the place's zone; or the zone is to come from
// the place and no row fits (MatchZoneRow's message).
std::variant<PlacedBirth, std::string> ResolveBirthFlags(entry::BirthFlags flags, const Atlas& atlas);

}  // namespace starwise::atlas
