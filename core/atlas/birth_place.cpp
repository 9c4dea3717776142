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

std::vector<std::string> ZoneChoiceWarnings(const ZoneMoment& moment, const ZoneRowMatch& match,
                                            const entry::ZoneRowChoice& chosen) {
    std::vector<std::string> warnings;
    if (const ZoneAgreement agreement = CheckZoneChoice(moment, chosen); !agreement.agrees) {
        warnings.push_back(agreement.message);
        if (!match.choice) warnings.push_back(match.message);
    }
    if (auto twice = DoubleDaylightSavingWarning(chosen)) warnings.push_back(std::move(*twice));
    return warnings;
}

PlaceZoneCheck ZoneCheckOf(const Place& place, ZoneMoment moment, ZoneRowMatch match, const entry::BirthZone& zone) {
    std::vector<std::string> warnings;
    PlaceZoneCheck check{place, std::move(moment), std::move(match), {}, {}, false};
    check.agreement = CheckBirthZone(check.moment, zone);
    check.message = ZoneSummary(place.name, check.moment) + ".";
    check.message += " The reading uses " + ZoneText(zone, place.name);
    if (std::holds_alternative<entry::ZoneRowChoice>(zone)) check.message += ", " + UtcOffsetText(*ZoneUtcOffsetSeconds(zone));
    check.message += ".";
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) {
        warnings = ZoneChoiceWarnings(check.moment, check.match, *row);
    } else if (!check.agreement.agrees) {
        warnings.push_back(check.agreement.message);
    }
    for (const std::string& warning : warnings) {
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
    auto looked = LookUpZoneMoment(chosen->timeZone, LocalMinuteOf(birth.localDate, birth.localMinutes));
    if (std::holds_alternative<ZoneHistoryError>(looked)) return std::nullopt;
    ZoneMoment moment = std::move(std::get<ZoneMoment>(looked));
    ZoneRowMatch match = MatchZoneRow(moment);
    return ZoneCheckOf(*chosen, std::move(moment), std::move(match), birth.zone);
}

std::variant<PlacedBirth, std::string> ResolveBirthFlags(const entry::BirthFlags& flags, const Atlas& atlas) {
    auto checkedOrRefused = entry::CheckBirthFlags(flags);
    if (auto* refused = std::get_if<std::string>(&checkedOrRefused)) return std::move(*refused);
    const entry::CheckedFlags& checked = std::get<entry::CheckedFlags>(checkedOrRefused);
    entry::BirthInput birth = entry::BirthInputOf(checked);
    if (!checked.place) return PlacedBirth{std::move(birth), std::nullopt};

    const std::vector<Place> found = atlas.Search(*checked.place, 1);
    if (found.empty()) return "No place in the atlas matches \"" + *checked.place + "\"";
    const Place& place = found.front();
    birth.longitudeDeg = checked.longitudeDeg.value_or(place.longitudeDeg);
    birth.latitudeDeg = checked.latitudeDeg.value_or(place.latitudeDeg);
    birth.placeLabel = PlaceLabel(place);

    auto looked = LookUpZoneMoment(place.timeZone, LocalMinuteOf(birth.localDate, birth.localMinutes));
    if (const auto* error = std::get_if<ZoneHistoryError>(&looked)) return error->message;
    ZoneMoment moment = std::move(std::get<ZoneMoment>(looked));
    ZoneRowMatch match = MatchZoneRow(moment);

    if (checked.zonePosition) {
        // A given row takes the database's box, except a row that already
        // names a daylight time: that would count daylight saving twice.
        const bool tick = checked.daylightSaving.value_or(moment.daylightAheadOfStandard &&
                                                          !RowNamesDaylightTime(*checked.zonePosition));
        birth.zone = entry::ZoneRowChoice{*checked.zonePosition, tick};
    } else if (!checked.utcOffsetSeconds) {
        birth.zone = ZoneForMoment(moment, birth.longitudeDeg);
        if (auto* row = std::get_if<entry::ZoneRowChoice>(&birth.zone); row && checked.daylightSaving) {
            row->daylightSaving = *checked.daylightSaving;
        } else if (!row && checked.daylightSaving && *checked.daylightSaving != moment.daylightAheadOfStandard) {
            return std::string{*checked.daylightSaving ? "--dst" : "--no-dst"} + " contradicts the time zone database (" +
                   ZoneSummary(place.name, moment) + ") and the time zone list has no row for that offset: give " +
                   "--zone or --utc-offset instead";
        }
    }

    PlaceZoneCheck check = ZoneCheckOf(place, std::move(moment), std::move(match), birth.zone);
    return PlacedBirth{std::move(birth), std::move(check)};
}

}  // namespace starwise::atlas
