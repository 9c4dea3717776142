#include "atlas/place_zone_state.h"

#include <utility>

#include "atlas/birth_place.h"  // kNoSuchDateMessage
#include "atlas/zone_match.h"

namespace starwise::atlas {
namespace {

// The offset the reading should use at the moment: the birthplace's mean
// time where the database gives local mean time, the database's otherwise.
// A skipped or repeated local time accepts the offset on either side.
bool AgreesWithMoment(const ZoneMoment& moment, double longitudeDeg, int chosenSeconds) {
    const entry::BirthZone truth = ZoneForMoment(moment, longitudeDeg);
    if (const auto* exact = std::get_if<entry::ExactOffset>(&truth);
        exact && exact->source == entry::OffsetSource::LocalMeanTime) {
        return chosenSeconds == exact->utcOffsetSeconds;
    }
    return chosenSeconds == moment.utcOffsetSeconds ||
           (moment.kind != LocalTimeKind::Unique && chosenSeconds == moment.otherOffsetSeconds);
}

}  // namespace

void PlaceZoneState::ChoosePlace(Place place) {
    place_ = std::move(place);
    follows_ = true;
    LookUp();
}

void PlaceZoneState::ForgetPlace() {
    place_.reset();
    follows_ = false;
    LookUp();
}

void PlaceZoneState::SetMoment(std::optional<LocalMinute> local) {
    local_ = local;
    LookUp();
}

void PlaceZoneState::SetZoneByHand(entry::BirthZone zone) {
    zone_ = std::move(zone);
    follows_ = false;
}

void PlaceZoneState::UseFix() {
    follows_ = place_.has_value();
    LookUp();
}

void PlaceZoneState::LookUp() {
    moment_.reset();
    momentProblem_.clear();
    if (!place_) return;
    if (!local_) {
        momentProblem_ = std::string{kNoSuchDateMessage};
        return;
    }
    auto looked = LookUpZoneMoment(place_->timeZone, *local_);
    if (auto* error = std::get_if<ZoneHistoryError>(&looked)) {
        momentProblem_ = std::move(error->message);
        return;
    }
    moment_ = std::move(std::get<ZoneMoment>(looked));
    if (follows_) zone_ = ZoneForMoment(*moment_, place_->longitudeDeg);
}

ZoneLine PlaceZoneState::Line() const {
    ZoneLine line;
    const auto* row = std::get_if<entry::ZoneRowChoice>(&zone_);
    if (row) {
        if (auto twice = DoubleDaylightSavingWarning(*row)) line.warnings.push_back(std::move(*twice));
    }
    if (!place_) return line;
    if (!moment_) {
        line.summary = momentProblem_;
        return line;
    }
    line.summary = ZoneSummary(place_->name, *moment_);
    const std::optional<int> chosenSeconds = ZoneUtcOffsetSeconds(zone_);
    if (chosenSeconds && AgreesWithMoment(*moment_, place_->longitudeDeg, *chosenSeconds)) {
        if (!row) line.summary += "; the reading uses " + ZoneText(zone_, place_->name);
        return line;
    }
    const entry::BirthZone truth = ZoneForMoment(*moment_, place_->longitudeDeg);
    const int truthSeconds = *ZoneUtcOffsetSeconds(truth);
    const std::string chosenText =
        chosenSeconds ? ZoneText(zone_, place_->name) + " gives " + UtcOffsetText(*chosenSeconds) : "No zone is chosen";
    line.warnings.insert(line.warnings.begin(),
                         chosenText + ", but " + place_->name + " kept " + ZoneText(truth, place_->name) +
                             (std::holds_alternative<entry::ZoneRowChoice>(truth) ? ", " + UtcOffsetText(truthSeconds)
                                                                                    : std::string{}) +
                             ", on " + LocalMinuteText(moment_->local) + ".");
    line.fix = truth;
    line.fixText = "Use " + ZoneText(truth, place_->name);
    return line;
}

}  // namespace starwise::atlas
