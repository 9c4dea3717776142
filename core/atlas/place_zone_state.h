// The place-and-zone state behind a birth's entry: which place was chosen,
// what the tz database says of it at the entered date and time, and which
// zone the reading is to use. The zone follows the place until the person
// sets it by hand; the one-click fix makes it follow again. The entry window
// binds its widgets to this state and the command line drives the same state
// from its flags, so both say the same thing in the same words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"
#include "entry/birth_input.h"
#include "entry/zones.h"

namespace starwise::atlas {

// Why a place's zone cannot be looked up for a date that is not a calendar
// date (31 April).
inline constexpr std::string_view kNoSuchDateMessage =
    "The date of birth does not exist, so the time zone database cannot be asked.";

// What is shown beside the zone.
struct ZoneLine {
    std::string summary;                  // "Pune, 15 July 1980 06:30: UTC+5:30, no daylight saving"; why
                                          // the zone cannot be looked up; empty without a place
    std::vector<std::string> warnings;    // shown as warnings, in order
    std::optional<entry::BirthZone> fix;  // the zone that gives the database's offset, when the
                                          // chosen one does not
    std::string fixText;                  // "Use Eastern Standard Time with daylight saving"
};

class PlaceZoneState {
public:
    // A place was chosen (from the offers, or the first match of --place):
    // the zone follows it from now on.
    void ChoosePlace(Place place);
    // The place's text no longer names the chosen place: the place and its
    // moment are forgotten; the zone stays as it is but no longer follows.
    void ForgetPlace();
    // The City box's text was edited. When a place is chosen and the text no
    // longer names it (compared as the atlas folds names: case, accents,
    // punctuation), the place is forgotten and PlaceNote says so. Returns
    // whether it was: the form then clears what the place filled in.
    bool CityTextEdited(std::string_view cityText);
    // The date or time changed; nothing when the date does not exist
    // (31 April). A followed zone moves with the moment.
    void SetMoment(std::optional<LocalMinute> local);
    // The person set the zone, the tick or an exact offset by hand: the zone
    // no longer follows the place.
    void SetZoneByHand(entry::BirthZone zone);
    // The exact-offset box was typed in: "+05:45", "-03:30:00" (see
    // entry::ParseUtcOffsetSeconds). A well-formed text sets the offset by
    // hand, as given; a malformed one (or none) leaves Zone() as it was,
    // keeps the text and makes Line() say how to type it. Either way the
    // exact offset is chosen and the zone no longer follows the place.
    void TypeExactOffset(std::string text);
    // The one-click fix: the zone follows the place again.
    void UseFix();

    const std::optional<Place>& ChosenPlace() const { return place_; }
    const std::optional<ZoneMoment>& Moment() const { return moment_; }
    const entry::BirthZone& Zone() const { return zone_; }
    bool ZoneFollowsPlace() const { return follows_; }
    // Whether the exact offset is chosen (well-formed or being typed) rather
    // than a row of the list.
    bool ExactOffsetChosen() const {
        return offsetMalformed_ || std::holds_alternative<entry::ExactOffset>(zone_);
    }
    // What the exact-offset box shows: the text typed; the exact offset
    // ("+05:45") when it came from the place or the fix; empty for a row.
    const std::string& ExactOffsetText() const { return offsetText_; }
    // Said beside the City box after CityTextEdited forgot a place; empty
    // otherwise, and again once a place is chosen.
    const std::string& PlaceNote() const { return placeNote_; }

    // The zone line for the current state.
    ZoneLine Line() const;

    // Completes a birth built from the form's texts with what only this
    // state knows: the chosen place's label ("Pune, Maharashtra, India"),
    // and where an exact offset came from when it is the one the place
    // filled in (the tz database, the birthplace's mean time); an offset
    // typed or changed by hand stays as given.
    void CompleteBirth(entry::BirthInput& birth) const;

private:
    void LookUp();
    void SetZone(entry::BirthZone zone);

    std::optional<Place> place_;
    std::optional<LocalMinute> local_;
    std::optional<ZoneMoment> moment_;    // place_ at local_
    std::string momentProblem_;           // why moment_ is empty while a place is chosen
    entry::BirthZone zone_ = entry::ZoneRowChoice{entry::kGreenwichZonePosition, false};  // as the form loads
    bool follows_ = false;
    std::string offsetText_;       // see ExactOffsetText
    bool offsetMalformed_ = false; // offsetText_ was typed and is not an offset
    std::string placeNote_;
};

}  // namespace starwise::atlas
