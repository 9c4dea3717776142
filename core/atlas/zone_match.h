// Which of the entry form's 71 zones, with or without the daylight-saving
// box, gives the offset the tz database gives; the one-line summary shown
// beside the zone; and the checks of a zone the user chose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/zone_history.h"
#include "entry/birth_input.h"
#include "entry/zones.h"

namespace starwise::atlas {

// The UTC offset a choice gives, in minutes, east positive: the row's stored
// offset (which is west positive) negated, plus 60 when the box is ticked.
// Nothing for a position outside the list.
std::optional<int> ChoiceUtcOffsetMinutes(const entry::ZoneRowChoice& choice);

// A choice as words: the zone's name (its list text up to the first comma)
// and the box, "Eastern Standard Time with daylight saving"; empty for a
// position outside the list.
std::string ZoneChoiceText(const entry::ZoneRowChoice& choice);

// Whether a row's text names a daylight time ("Eastern Daylight Time",
// "Central European Daylight"): its offset already includes daylight saving.
bool RowNamesDaylightTime(int zonePosition);

struct ZoneRowMatch {
    std::optional<entry::ZoneRowChoice> choice;  // nothing when no row fits
    std::string message;               // when none fits, why, with the exact offset; empty otherwise
};

// The zone choice that gives the moment's offset.
//
// A row whose abbreviation is the database's ("BDST", "BST", "CET", "IST")
// and whose own offset is the moment's names the time that was kept: it is
// chosen, the first such in list order, with the box clear (a seasonal row
// already holds its season), so London in July 1944 is British Double Summer
// Time and New York in July 1974 Eastern Daylight Time. Otherwise the box is
// ticked exactly when the database says daylight saving is in
// force and puts the clocks ahead of standard time (moment's
// daylightAheadOfStandard; Ireland's winter GMT, marked as negative daylight
// saving, counts as standard time). The row is then one whose offset plus the
// box's hour equals the moment's offset, the first in list order, except that
//  - with the box ticked, rows naming a daylight time are never chosen (that
//    would count daylight saving twice, see DoubleDaylightSavingWarning), and
//  - rows naming no seasonal time (no "Daylight", "Summer" or "War") come
//    before those that do, so that New York in January is Eastern Standard
//    Time rather than Central Daylight Time, which has the same offset.
// No row fits an offset with seconds (local mean time), Nepal's UTC+5:45, or
// a summer time whose standard offset has no row; the message then says so:
// "The time zone list has no zone for UTC+5:45 (Asia/Kathmandu on 15 July
// 1990 06:30)." With byAbbreviation false the abbreviation's row is not
// looked for: for a box given by hand, whose hour keeps its meaning.
ZoneRowMatch MatchZoneRow(const ZoneMoment& moment, bool byAbbreviation = true);

// The zone a reading uses for a place's moment: MatchZoneRow's row and tick
// when one fits; otherwise the database's exact offset (seconds included);
// and where the database gives local mean time ("LMT"), the birthplace's own
// mean time, longitudeDeg / 15 hours, to the nearest second (Ulm, 9.99 deg E:
// UTC+0:39:58). longitudeDeg is east positive, -180..180.
entry::BirthZone ZoneForMoment(const ZoneMoment& moment, double longitudeDeg);

// The line shown beside the zone: "Pune, 15 July 1980 06:30: UTC+5:30, no
// daylight saving", "..., daylight saving in force", followed for a skipped
// or repeated time by which offset was taken. placeName may be empty: the
// zone name is used instead.
std::string ZoneSummary(std::string_view placeName, const ZoneMoment& moment);

struct ZoneAgreement {
    bool agrees = false;
    std::string message;  // empty when the choice agrees
};

// Whether a birth's zone gives the offset the reading should use at the
// moment: the database's offset (either one around a skipped or repeated
// local time), or where the database gives local mean time, the birthplace's
// own (ZoneForMoment, from longitudeDeg, east positive). A row position
// outside the list never agrees. The message says what the zone gives and
// what it should be: "Greenwich Mean Time without daylight saving gives
// UTC+0, but the time zone database gives UTC-4 (daylight saving in force)
// for America/New_York on 15 July 1974 12:00."
ZoneAgreement CheckBirthZone(const ZoneMoment& moment, const entry::BirthZone& zone, double longitudeDeg);

// The UTC offset a zone gives, in seconds, east positive: a row's stored
// offset negated plus 3600 for the tick (entry::ZoneRowUtcOffsetSeconds), or
// the exact offset. Nothing for a row position outside the list.
std::optional<int> ZoneUtcOffsetSeconds(const entry::BirthZone& zone);

// A zone as words: "Eastern Standard Time with daylight saving",
// "UTC+5:45 from the time zone database", "local mean time, UTC+0:39:58",
// "UTC-3:30 as given". placeName, when given, names the mean time's place:
// "local mean time of Ulm, UTC+0:39:58".
std::string ZoneText(const entry::BirthZone& zone, std::string_view placeName = {});

// The name of a zone's source in JSON: "zone_row", "given", "tz_database"
// or "local_mean_time".
std::string_view ZoneSourceName(const entry::BirthZone& zone);

// A warning when a row naming a daylight time is chosen with the box ticked:
// daylight saving would be added twice. Nothing otherwise (also for a
// position outside the list). Needs no atlas or tz database.
std::optional<std::string> DoubleDaylightSavingWarning(const entry::ZoneRowChoice& chosen);

}  // namespace starwise::atlas
