// The place-and-zone state behind a birth's entry: which place was chosen,
// what the tz database says of it at the entered date and time, and which
// zone the reading is to use. The zone follows the place until the person
// sets it by hand; the one-click fix makes it follow again. The entry window
// binds its widgets to this state and the command line drives the same state
// from its flags, so both say the same thing in the same words.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"
#include "entry/birth_input.h"
#include "entry/zones.h"

namespace starwise::atlas {

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
    // moment are forgotten; the zone stays as it is.
    void ForgetPlace();
    // The date or time changed; nothing when the date does not exist
    // (31 April). A followed zone moves with the moment.
    void SetMoment(std::optional<LocalMinute> local);
    // The person set the zone, the tick or an exact offset by hand: the zone
    // no longer follows the place.
    void SetZoneByHand(entry::BirthZone zone);
    // The one-click fix: the zone follows the place again.
    void UseFix();

    const std::optional<Place>& ChosenPlace() const { return place_; }
    const std::optional<ZoneMoment>& Moment() const { return moment_; }
    const entry::BirthZone& Zone() const { return zone_; }
    bool ZoneFollowsPlace() const { return follows_; }

    // The zone line for the current state.
    ZoneLine Line() const;

private:
    void LookUp();

    std::optional<Place> place_;
    std::optional<LocalMinute> local_;
    std::optional<ZoneMoment> moment_;    // place_ at local_
    std::string momentProblem_;           // why moment_ is empty while a place is chosen
    entry::BirthZone zone_ = entry::ZoneRowChoice{entry::kGreenwichZonePosition, false};  // as the form loads
    bool follows_ = false;
};

}  // namespace starwise::atlas
