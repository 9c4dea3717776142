#include "atlas/birth_place.h"

#include <array>
#include <charconv>
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

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Proleptic Gregorian calendar: a leap year is divisible by 4, except
// centuries not divisible by 400.
int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

std::string LatitudeFlagText(double latitudeDeg) { return CoordinateFlagText(latitudeDeg, 2, 'N', 'S'); }

std::string LongitudeFlagText(double longitudeDeg) { return CoordinateFlagText(longitudeDeg, 3, 'E', 'W'); }

std::optional<LocalMinute> LocalMinuteOfForm(const entry::EntryFormValues& form) {
    const auto year = WholeNumber(form.yearText);
    const auto day = WholeNumber(form.dayText);
    const auto hour = WholeNumber(form.hourText);
    const auto minute = WholeNumber(form.minuteText);
    if (!year || !day || !hour || !minute || form.monthPosition < 0) return std::nullopt;
    const LocalMinute local{*year, form.monthPosition + 1, *day, *hour, *minute};
    if (local.month > 12 || local.day < 1 || local.day > DaysInMonth(local.year, local.month) || local.hour < 0 ||
        local.hour > 23 || local.minute < 0 || local.minute > 59) {
        return std::nullopt;
    }
    return local;
}

std::vector<std::string> ZoneChoiceWarnings(const ZoneMoment& moment, const ZoneRowMatch& match,
                                            const ZoneChoice& chosen) {
    std::vector<std::string> warnings;
    if (const ZoneAgreement agreement = CheckZoneChoice(moment, chosen); !agreement.agrees) {
        warnings.push_back(agreement.message);
        if (!match.choice) warnings.push_back(match.message);
    }
    if (auto twice = DoubleDaylightSavingWarning(chosen)) warnings.push_back(std::move(*twice));
    return warnings;
}

std::variant<PlacedBirth, std::string> ResolveBirthFlags(entry::BirthFlags flags, const Atlas& atlas) {
    if (!flags.place) {
        auto values = entry::FormValuesOf(flags);
        if (auto* refused = std::get_if<std::string>(&values)) return std::move(*refused);
        return PlacedBirth{std::move(flags), std::move(std::get<entry::EntryFormValues>(values)), std::nullopt};
    }

    const std::vector<Place> found = atlas.Search(*flags.place, 1);
    if (found.empty()) return "No place in the atlas matches \"" + *flags.place + "\"";
    const Place& place = found.front();
    entry::BirthFlags completed = flags;
    if (!completed.longitude) completed.longitude = LongitudeFlagText(place.longitudeDeg);
    if (!completed.latitude) completed.latitude = LatitudeFlagText(place.latitudeDeg);

    // The date and time are checked before the zone is looked up; a zone
    // still to come stands in as Greenwich meanwhile.
    entry::BirthFlags checked = completed;
    if (!checked.zone) checked.zone = std::to_string(entry::kGreenwichZonePosition);
    const auto values = entry::FormValuesOf(checked);
    if (const auto* refused = std::get_if<std::string>(&values)) return *refused;
    const std::optional<LocalMinute> local = LocalMinuteOfForm(std::get<entry::EntryFormValues>(values));
    if (!local) return std::string{kNoSuchDateMessage};  // the form's checks refuse it first
    auto looked = LookUpZoneMoment(place.timeZone, *local);
    if (const auto* error = std::get_if<ZoneHistoryError>(&looked)) return error->message;
    ZoneMoment moment = std::move(std::get<ZoneMoment>(looked));

    ZoneRowMatch match = MatchZoneRow(moment);
    const bool zoneGiven = completed.zone.has_value();
    const bool boxGiven = completed.daylightSaving.has_value();
    if (!completed.zone) {
        if (!match.choice) return match.message;
        completed.zone = std::to_string(match.choice->zonePosition);
    }
    // A zone that comes from the place takes the box of its match (clear for
    // a row named by the database's abbreviation, such as Eastern Daylight
    // Time); a given zone takes the database's daylight saving.
    if (!completed.daylightSaving) {
        completed.daylightSaving = zoneGiven ? moment.daylightAheadOfStandard : match.choice->daylightSaving;
    }

    auto resolved = entry::FormValuesOf(completed);
    if (auto* refused = std::get_if<std::string>(&resolved)) return std::move(*refused);
    entry::EntryFormValues form = std::move(std::get<entry::EntryFormValues>(resolved));
    // A given zone that already names a daylight time takes no box from the
    // database: that would count daylight saving twice.
    if (zoneGiven && !boxGiven && form.daylightSaving && RowNamesDaylightTime(form.zonePosition)) {
        form.daylightSaving = false;
        completed.daylightSaving = false;
    }

    const ZoneChoice chosen{form.zonePosition, form.daylightSaving};
    PlaceZoneCheck check{place, moment, match, CheckZoneChoice(moment, chosen), ZoneSummary(place.name, moment) + ".", false};
    for (const std::string& warning : ZoneChoiceWarnings(moment, match, chosen)) {
        check.message += " " + warning;
        check.hasWarnings = true;
    }
    return PlacedBirth{std::move(completed), std::move(form), std::move(check)};
}

}  // namespace starwise::atlas
