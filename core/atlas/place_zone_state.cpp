#include "atlas/place_zone_state.h"

#include <utility>

#include "atlas/text_folding.h"
#include "atlas/zone_match.h"
#include "entry/utc_offset.h"

namespace starwise::atlas {
void PlaceZoneState::ChoosePlace(Place place) {
    place_ = std::move(place);
    follows_ = true;
    placeNote_.clear();
    LookUp();
}

void PlaceZoneState::ForgetPlace() {
    place_.reset();
    follows_ = false;
    LookUp();
}

bool PlaceZoneState::CityTextEdited(std::string_view cityText) {
    if (!place_ || FoldForSearch(cityText) == FoldForSearch(place_->name)) return false;
    placeNote_ = "Not the chosen place any more: the coordinates, state and country of " + place_->name +
                 " were cleared and the zone no longer follows it. Choose a place from the offers, or enter the "
                 "coordinates.";
    ForgetPlace();
    return true;
}

void PlaceZoneState::SetZone(entry::BirthZone zone) {
    zone_ = std::move(zone);
    offsetMalformed_ = false;
    const auto* exact = std::get_if<entry::ExactOffset>(&zone_);
    offsetText_ = exact ? entry::UtcOffsetBoxText(exact->utcOffsetSeconds) : std::string{};
}

void PlaceZoneState::TypeExactOffset(std::string text) {
    follows_ = false;
    if (const std::optional<int> seconds = entry::ParseUtcOffsetSeconds(text)) {
        zone_ = entry::ExactOffset{*seconds, entry::OffsetSource::Given};
        offsetMalformed_ = false;
    } else {
        offsetMalformed_ = true;
    }
    offsetText_ = std::move(text);
}

void PlaceZoneState::SetMoment(std::optional<LocalMinute> local) {
    local_ = local;
    LookUp();
}

void PlaceZoneState::SetZoneByHand(entry::BirthZone zone) {
    SetZone(std::move(zone));
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
    if (follows_) SetZone(ZoneForMoment(*moment_, place_->longitudeDeg));
}

void PlaceZoneState::CompleteBirth(entry::BirthInput& birth) const {
    if (place_) birth.placeLabel = PlaceLabel(*place_);
    auto* given = std::get_if<entry::ExactOffset>(&birth.zone);
    const auto* held = std::get_if<entry::ExactOffset>(&zone_);
    if (given && held && !offsetMalformed_ && given->utcOffsetSeconds == held->utcOffsetSeconds) {
        given->source = held->source;
    }
}

ZoneLine PlaceZoneState::Line() const {
    ZoneLine line;
    if (offsetMalformed_) {
        line.warnings.push_back("Type the exact UTC offset as +HH:MM or +HH:MM:SS, east of Greenwich positive: "
                                "+05:45 for UTC+5:45.");
    }
    const auto* row = offsetMalformed_ ? nullptr : std::get_if<entry::ZoneRowChoice>(&zone_);
    if (row) {
        if (auto twice = DoubleDaylightSavingWarning(*row)) line.warnings.push_back(std::move(*twice));
    }
    if (!place_) return line;
    if (!moment_) {
        line.summary = momentProblem_;
        return line;
    }
    line.summary = ZoneSummary(place_->name, *moment_);
    const entry::BirthZone truth = ZoneForMoment(*moment_, place_->longitudeDeg);
    if (offsetMalformed_) {
        line.fix = truth;
        line.fixText = "Use " + ZoneText(truth, place_->name);
        return line;
    }
    const ZoneAgreement agreement = CheckBirthZone(*moment_, zone_, place_->longitudeDeg);
    if (agreement.agrees) {
        if (!row) line.summary += "; the reading uses " + ZoneText(zone_, place_->name);
        return line;
    }
    line.warnings.insert(line.warnings.begin(), agreement.message);
    line.fix = truth;
    line.fixText = "Use " + ZoneText(truth, place_->name);
    return line;
}

}  // namespace starwise::atlas
