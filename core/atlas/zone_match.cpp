#include "atlas/zone_match.h"

#include <cmath>
#include <cstddef>

namespace starwise::atlas {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kDaylightSavingMinutes = 60;  // what the box adds

bool IsListPosition(int zonePosition) {
    return zonePosition >= 0 && zonePosition < static_cast<int>(entry::kZoneCount);
}

const entry::ZoneRow& RowAt(int zonePosition) { return entry::kZones[static_cast<std::size_t>(zonePosition)]; }

// The zone's name: its list text up to the first comma ("Eastern Daylight Time").
std::string_view RowName(int zonePosition) {
    const std::string_view text = RowAt(zonePosition).listText;
    return text.substr(0, text.find(','));
}

// East-positive offset of the row alone, in minutes.
int RowUtcOffsetMinutes(int zonePosition) {
    return *entry::ZoneRowUtcOffsetSeconds({zonePosition, false}) / kSecondsPerMinute;
}

// The zone's abbreviation: its list text's second field, spaces trimmed
// ("Indian Time, IST, +5.3" -> "IST").
std::string_view RowAbbreviation(int zonePosition) {
    std::string_view text = RowAt(zonePosition).listText;
    text = text.substr(text.find(',') + 1);
    text = text.substr(0, text.find(','));
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool RowNamesSeasonalTime(int zonePosition) {
    const std::string_view name = RowName(zonePosition);
    return name.find("Daylight") != std::string_view::npos || name.find("Summer") != std::string_view::npos ||
           name.find("War") != std::string_view::npos;
}


// "Asia/Kathmandu on 15 July 1990 06:30"
std::string ZoneAndTimeText(const ZoneMoment& moment) {
    return moment.tzName + " on " + LocalMinuteText(moment.local);
}

std::string DaylightSavingText(const ZoneMoment& moment) {
    return moment.daylightAheadOfStandard ? "daylight saving in force" : "no daylight saving";
}

}  // namespace

std::optional<int> ChoiceUtcOffsetMinutes(const entry::ZoneRowChoice& choice) {
    const std::optional<int> seconds = entry::ZoneRowUtcOffsetSeconds(choice);
    if (!seconds) return std::nullopt;
    return *seconds / kSecondsPerMinute;
}

std::string ZoneChoiceText(const entry::ZoneRowChoice& choice) {
    if (!IsListPosition(choice.zonePosition)) return {};
    return std::string{RowName(choice.zonePosition)} +
           (choice.daylightSaving ? " with daylight saving" : " without daylight saving");
}

bool RowNamesDaylightTime(int zonePosition) {
    return IsListPosition(zonePosition) && RowName(zonePosition).find("Daylight") != std::string_view::npos;
}

ZoneRowMatch MatchZoneRow(const ZoneMoment& moment, bool byAbbreviation) {
    for (int position = 0; byAbbreviation && position < static_cast<int>(entry::kZoneCount); ++position) {
        if (!moment.abbreviation.empty() && RowAbbreviation(position) == moment.abbreviation &&
            RowUtcOffsetMinutes(position) * kSecondsPerMinute == moment.utcOffsetSeconds) {
            return {entry::ZoneRowChoice{position, false}, ""};
        }
    }
    const bool tick = moment.daylightAheadOfStandard;
    const int wantedSeconds = moment.utcOffsetSeconds - (tick ? kDaylightSavingMinutes * kSecondsPerMinute : 0);
    std::optional<int> firstSeasonal;
    std::optional<int> firstPlain;
    for (int position = 0; position < static_cast<int>(entry::kZoneCount); ++position) {
        if (RowUtcOffsetMinutes(position) * kSecondsPerMinute != wantedSeconds) continue;
        if (tick && RowNamesDaylightTime(position)) continue;
        if (RowNamesSeasonalTime(position)) {
            if (!firstSeasonal) firstSeasonal = position;
        } else if (!firstPlain) {
            firstPlain = position;
        }
    }
    const std::optional<int> position = firstPlain ? firstPlain : firstSeasonal;
    if (position) return {entry::ZoneRowChoice{*position, tick}, ""};
    return {std::nullopt, "The time zone list has no zone for " + UtcOffsetText(moment.utcOffsetSeconds) + " (" +
                              ZoneAndTimeText(moment) + (tick ? ", daylight saving in force" : "") + ")."};
}

std::string ZoneSummary(std::string_view placeName, const ZoneMoment& moment) {
    std::string summary = placeName.empty() ? moment.tzName : std::string{placeName};
    summary += ", " + LocalMinuteText(moment.local) + ": " + UtcOffsetText(moment.utcOffsetSeconds) + ", " +
               DaylightSavingText(moment);
    switch (moment.kind) {
        case LocalTimeKind::Unique: break;
        case LocalTimeKind::Skipped:
            summary += "; this time was skipped when the clocks went forward to " +
                       UtcOffsetText(moment.otherOffsetSeconds) + ", so it is read on the clocks before the change";
            break;
        case LocalTimeKind::Repeated:
            summary += "; this time happened twice when the clocks went back to " +
                       UtcOffsetText(moment.otherOffsetSeconds) + ", so the first of the two is taken";
            break;
    }
    return summary;
}

std::optional<std::string> DoubleDaylightSavingWarning(const entry::ZoneRowChoice& chosen) {
    if (!chosen.daylightSaving || !RowNamesDaylightTime(chosen.zonePosition)) return std::nullopt;
    return std::string{RowName(chosen.zonePosition)} +
           " already includes daylight saving; with the daylight-saving box ticked as well it is counted twice.";
}

ZoneAgreement CheckBirthZone(const ZoneMoment& moment, const entry::BirthZone& zone, double longitudeDeg) {
    const std::optional<int> chosenSeconds = ZoneUtcOffsetSeconds(zone);
    if (!chosenSeconds) return {false, "No zone is chosen."};
    const entry::BirthZone truth = ZoneForMoment(moment, longitudeDeg);
    const auto* meanTime = std::get_if<entry::ExactOffset>(&truth);
    const bool localMeanTime = meanTime != nullptr && meanTime->source == entry::OffsetSource::LocalMeanTime;
    const bool agrees = localMeanTime ? *chosenSeconds == meanTime->utcOffsetSeconds
                                      : *chosenSeconds == moment.utcOffsetSeconds ||
                                            (moment.kind != LocalTimeKind::Unique &&
                                             *chosenSeconds == moment.otherOffsetSeconds);
    if (agrees) return {true, ""};
    const std::string given = ZoneText(zone) + " gives " + UtcOffsetText(*chosenSeconds);
    if (localMeanTime) {
        return {false, given + ", but the time zone database gives local mean time for " + ZoneAndTimeText(moment) +
                           ", and the birthplace's own is " + UtcOffsetText(meanTime->utcOffsetSeconds) + "."};
    }
    return {false, given + ", but the time zone database gives " + UtcOffsetText(moment.utcOffsetSeconds) + " (" +
                       DaylightSavingText(moment) + ") for " + ZoneAndTimeText(moment) + "."};
}

std::optional<int> ZoneUtcOffsetSeconds(const entry::BirthZone& zone) {
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) return entry::ZoneRowUtcOffsetSeconds(*row);
    return std::get<entry::ExactOffset>(zone).utcOffsetSeconds;
}

std::string ZoneText(const entry::BirthZone& zone, std::string_view placeName) {
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&zone)) return ZoneChoiceText(*row);
    const auto& exact = std::get<entry::ExactOffset>(zone);
    const std::string offset = UtcOffsetText(exact.utcOffsetSeconds);
    switch (exact.source) {
        case entry::OffsetSource::Given: return offset + " as given";
        case entry::OffsetSource::TimeZoneDatabase: return offset + " from the time zone database";
        case entry::OffsetSource::LocalMeanTime:
            return placeName.empty() ? "local mean time, " + offset
                                     : "local mean time of " + std::string{placeName} + ", " + offset;
    }
    return offset;
}

std::string_view ZoneSourceName(const entry::BirthZone& zone) {
    if (std::holds_alternative<entry::ZoneRowChoice>(zone)) return "zone_row";
    switch (std::get<entry::ExactOffset>(zone).source) {
        case entry::OffsetSource::Given: return "given";
        case entry::OffsetSource::TimeZoneDatabase: return "tz_database";
        case entry::OffsetSource::LocalMeanTime: return "local_mean_time";
    }
    return "given";
}

entry::BirthZone ZoneForMoment(const ZoneMoment& moment, double longitudeDeg) {
    if (moment.abbreviation == "LMT") {
        constexpr double kSecondsPerDegree = 240.0;  // 24 h / 360 degrees
        return entry::ExactOffset{static_cast<int>(std::lround(longitudeDeg * kSecondsPerDegree)),
                                  entry::OffsetSource::LocalMeanTime};
    }
    const ZoneRowMatch match = MatchZoneRow(moment);
    if (match.choice) return *match.choice;
    return entry::ExactOffset{moment.utcOffsetSeconds, entry::OffsetSource::TimeZoneDatabase};
}

}  // namespace starwise::atlas
