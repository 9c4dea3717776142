#include "atlas/birth_place.h"

#include <array>
#include <cstdio>

#include "entry/zones.h"

namespace starwise::atlas {
namespace {

// "DD:MMN" with degrees padded to `degreeDigits`.
std::string CoordinateFlagText(double angleDeg, int degreeDigits, char positive, char negative) {
    const WholeMinutesAngle angle = ToWholeMinutes(angleDeg);
    char text[16];
    std::snprintf(text, sizeof text, "%0*d:%02d%c", degreeDigits, angle.degrees, angle.minutes,
                  angle.negative ? negative : positive);
    return text;
}

}  // namespace

std::string LatitudeFlagText(double latitudeDeg) { return CoordinateFlagText(latitudeDeg, 2, 'N', 'S'); }

std::string LongitudeFlagText(double longitudeDeg) { return CoordinateFlagText(longitudeDeg, 3, 'E', 'W'); }

LocalMinute LocalMinuteOf(std::chrono::year_month_day localDate, int localMinutes) {
    constexpr int kMinutesPerHour = 60;
    return {int{localDate.year()}, static_cast<int>(unsigned{localDate.month()}),
            static_cast<int>(unsigned{localDate.day()}), localMinutes / kMinutesPerHour,
            localMinutes % kMinutesPerHour};
}

PlaceZoneCheck ZoneCheckOf(const Place& place, const PlaceZoneState& state, const entry::BirthInput& birth) {
    const ZoneMoment& moment = *state.Moment();
    PlaceZoneCheck check{place, moment, MatchZoneRow(moment), CheckBirthZone(moment, birth.zone, birth.longitudeDeg),
                         ZoneSummary(place.name, moment) + ".", false};
    check.message += " The reading uses " + ZoneText(birth.zone, place.name);
    if (std::holds_alternative<entry::ZoneRowChoice>(birth.zone)) {
        check.message += ", " + UtcOffsetText(*ZoneUtcOffsetSeconds(birth.zone));
    }
    check.message += ".";
    for (const std::string& warning : state.Line().warnings) {
        check.message += " " + warning;
        check.hasWarnings = true;
    }
    return check;
}

std::optional<PlaceZoneCheck> SavedPlaceZoneCheck(const entry::BirthInput& birth, const Atlas& atlas) {
    constexpr std::size_t kCandidates = 20;  // places sharing a label are few
    if (birth.placeLabel.empty()) return std::nullopt;
    const Place* chosen = nullptr;
    const std::vector<Place> found = atlas.Search(birth.placeLabel, kCandidates);
    for (const Place& place : found) {
        if (PlaceLabel(place) != birth.placeLabel) continue;
        if (!chosen || (place.latitudeDeg == birth.latitudeDeg && place.longitudeDeg == birth.longitudeDeg)) chosen = &place;
    }
    if (!chosen) return std::nullopt;
    // As ResolveBirthFlags did: the zone follows the place, and is set by
    // hand only where the saved one differs.
    Place located = *chosen;
    located.longitudeDeg = birth.longitudeDeg;
    located.latitudeDeg = birth.latitudeDeg;
    PlaceZoneState state;
    state.SetMoment(LocalMinuteOf(birth.localDate, birth.localMinutes));
    state.ChoosePlace(located);
    if (!state.Moment()) return std::nullopt;
    if (!(state.Zone() == birth.zone)) state.SetZoneByHand(birth.zone);
    return ZoneCheckOf(*chosen, state, birth);
}

Result<PlacedBirth> ResolveBirthFlags(const entry::BirthFlags& flags, const Atlas& atlas) {
    const Result<entry::CheckedFlags> checkedOrRefused = entry::CheckBirthFlags(flags);
    if (!checkedOrRefused.Ok()) return checkedOrRefused.AsFailure();
    const entry::CheckedFlags& checked = checkedOrRefused.value;
    entry::BirthInput birth = entry::BirthInputOf(checked);
    if (!checked.place) return PlacedBirth{std::move(birth), std::nullopt};

    const std::vector<Place> found = atlas.Search(*checked.place, 1);
    if (found.empty()) return Failure{Status::Missing, "No place in the atlas matches \"" + *checked.place + "\""};
    const Place& place = found.front();
    birth.longitudeDeg = checked.longitudeDeg.value_or(place.longitudeDeg);
    birth.latitudeDeg = checked.latitudeDeg.value_or(place.latitudeDeg);
    birth.placeLabel = PlaceLabel(place);

    // The zone follows the place, as in the entry form, until a flag sets it.
    Place located = place;
    located.longitudeDeg = birth.longitudeDeg;
    located.latitudeDeg = birth.latitudeDeg;
    PlaceZoneState state;
    state.SetMoment(LocalMinuteOf(birth.localDate, birth.localMinutes));
    state.ChoosePlace(located);
    if (!state.Moment()) return Failure{Status::Missing, state.Line().summary};
    const ZoneMoment& moment = *state.Moment();

    if (checked.zonePosition) {
        // A given row takes the database's box, except a row that already
        // names a daylight time: that would count daylight saving twice.
        const bool tick = checked.daylightSaving.value_or(moment.daylightAheadOfStandard &&
                                                          !RowNamesDaylightTime(*checked.zonePosition));
        state.SetZoneByHand(entry::ZoneRowChoice{*checked.zonePosition, tick});
    } else if (checked.utcOffsetSeconds) {
        state.SetZoneByHand(birth.zone);
    } else if (checked.daylightSaving) {
        if (std::holds_alternative<entry::ZoneRowChoice>(state.Zone())) {
            // A given box keeps the meaning of its hour: the row is the
            // standard one the box is added to (Eastern Standard Time rather
            // than Eastern Daylight Time, which the database's "EDT" names).
            entry::ZoneRowChoice row = std::get<entry::ZoneRowChoice>(state.Zone());
            if (const ZoneRowMatch standard = MatchZoneRow(moment, false); standard.choice) row = *standard.choice;
            row.daylightSaving = *checked.daylightSaving;
            state.SetZoneByHand(row);
        } else if (*checked.daylightSaving != moment.daylightAheadOfStandard) {
            return Refused(std::string{*checked.daylightSaving ? "--dst" : "--no-dst"} +
                           " contradicts the time zone database (" + ZoneSummary(place.name, moment) +
                           ") and the time zone list has no row for that offset: give --zone or --utc-offset instead");
        }
    }
    birth.zone = state.Zone();

    PlaceZoneCheck check = ZoneCheckOf(place, state, birth);
    return PlacedBirth{std::move(birth), std::move(check)};
}

}  // namespace starwise::atlas
