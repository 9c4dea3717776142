#include "atlas/zone_history.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "entry/entry_form.h"

namespace starwise::atlas {
namespace {

using Instant = cctz::time_point<cctz::seconds>;

// Zone names are made of letters, digits and "/_+-" ("America/Port-au-Prince",
// "Etc/GMT+5"). Anything else, a leading "/" or a ".." would make CCTZ open a
// file outside the zone directory, so such names are refused before loading.
bool IsPlainZoneName(std::string_view name) {
    if (name.empty() || name.size() > 64 || name.front() == '/' || name.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : name) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                             c == '/' || c == '_' || c == '+' || c == '-';
        if (!allowed) return false;
    }
    return true;
}

bool IsValidLocalMinute(const LocalMinute& local) {
    if (local.year < 1 || local.year > 9999 || local.month < 1 || local.month > 12 || local.day < 1 ||
        local.hour < 0 || local.hour > 23 || local.minute < 0 || local.minute > 59) {
        return false;
    }
    // cctz normalises 30 February to 2 March: a date is valid when it survives.
    const cctz::civil_day day(local.year, local.month, local.day);
    return day.month() == local.month && day.day() == local.day;
}

// How many transitions to walk from a daylight-saving period to find a
// standard one. Year-round and double summer times span a few transitions at
// most; the bound only keeps a malformed zone file from looping for long.
constexpr int kMaxTransitionsToStandardTime = 64;

enum class Direction { Earlier, Later };

// Offset in seconds of the nearest standard-time period before (or after)
// the instant `at`; nothing when the zone has none on that side.
std::optional<int> NearestStandardOffsetSeconds(const cctz::time_zone& zone, Instant at, Direction direction) {
    cctz::time_zone::civil_transition transition;
    Instant cursor = at;
    for (int step = 0; step < kMaxTransitionsToStandardTime; ++step) {
        const bool found = direction == Direction::Earlier ? zone.prev_transition(cursor, &transition)
                                                           : zone.next_transition(cursor, &transition);
        if (!found) break;
        const Instant transitionInstant = zone.lookup(transition.to).trans;
        if (direction == Direction::Earlier ? transitionInstant >= cursor : transitionInstant <= cursor) break;
        cursor = transitionInstant;
        const auto period = zone.lookup(direction == Direction::Earlier ? cursor - cctz::seconds(1) : cursor);
        if (!period.is_dst) return period.offset;
    }
    return std::nullopt;
}

// Whether a daylight-saving offset puts the clocks ahead of standard time:
// ahead of the standard time before it or of the one after it. Both sides
// count because a zone may change its standard offset while keeping summer
// time (Paris 1944-45 went from German to French standard time; the Soviet
// zones in 1991); negative daylight saving (Dublin's winter GMT, Morocco's
// Ramadan hour) is behind the standard time on both sides.
bool DaylightAheadOfStandard(const cctz::time_zone& zone, Instant at, int daylightOffsetSeconds) {
    const std::optional<int> before = NearestStandardOffsetSeconds(zone, at, Direction::Earlier);
    const std::optional<int> after = NearestStandardOffsetSeconds(zone, at, Direction::Later);
    if (!before && !after) return true;
    return (before && daylightOffsetSeconds > *before) || (after && daylightOffsetSeconds > *after);
}

int RoundedMinutes(int seconds) {
    const int magnitude = (std::abs(seconds) + 30) / 60;
    return seconds < 0 ? -magnitude : magnitude;
}

// At least two digits: "06", "30", "2021".
std::string TwoDigits(int value) {
    if (value >= 0 && value < 10) return std::string{'0', static_cast<char>('0' + value)};
    return std::to_string(value);
}

}  // namespace

std::variant<ZoneMoment, ZoneHistoryError> LookUpZoneMoment(std::string_view tzName, const LocalMinute& local) {
    cctz::time_zone zone;
    if (!IsPlainZoneName(tzName) || !cctz::load_time_zone(std::string{tzName}, &zone)) {
        return ZoneHistoryError{ZoneHistoryError::Reason::UnknownZone,
                                "Unknown time zone \"" + std::string{tzName} + "\""};
    }
    if (!IsValidLocalMinute(local)) {
        return ZoneHistoryError{ZoneHistoryError::Reason::InvalidLocalTime,
                                "Not a valid date and time: " + std::to_string(local.year) + "-" +
                                    TwoDigits(local.month) + "-" + TwoDigits(local.day) + " " +
                                    TwoDigits(local.hour) + ":" + TwoDigits(local.minute)};
    }

    const cctz::civil_second civil(local.year, local.month, local.day, local.hour, local.minute, 0);
    const cctz::time_zone::civil_lookup found = zone.lookup(civil);

    ZoneMoment moment;
    moment.tzName = std::string{tzName};
    moment.local = local;
    // For a skipped or repeated time, the period in force just before the
    // transition gives the reported offset; the one from it on the other.
    const bool unique = found.kind == cctz::time_zone::civil_lookup::UNIQUE;
    const Instant reportedInstant = unique ? found.pre : found.trans - cctz::seconds(1);
    const auto period = zone.lookup(reportedInstant);
    moment.utcOffsetSeconds = period.offset;
    moment.utcOffsetMinutes = RoundedMinutes(period.offset);
    moment.daylightSaving = period.is_dst;
    moment.abbreviation = period.abbr != nullptr ? period.abbr : "";
    moment.otherOffsetSeconds = unique ? period.offset : zone.lookup(found.trans).offset;
    switch (found.kind) {
        case cctz::time_zone::civil_lookup::UNIQUE: moment.kind = LocalTimeKind::Unique; break;
        case cctz::time_zone::civil_lookup::SKIPPED: moment.kind = LocalTimeKind::Skipped; break;
        case cctz::time_zone::civil_lookup::REPEATED: moment.kind = LocalTimeKind::Repeated; break;
    }
    moment.daylightAheadOfStandard = period.is_dst && DaylightAheadOfStandard(zone, reportedInstant, period.offset);
    return moment;
}

std::string UtcOffsetText(int utcOffsetSeconds) {
    const int magnitude = std::abs(utcOffsetSeconds);
    std::string text = utcOffsetSeconds < 0 ? "UTC-" : "UTC+";
    text += std::to_string(magnitude / 3600);
    const int minutes = magnitude / 60 % 60;
    const int seconds = magnitude % 60;
    if (minutes != 0 || seconds != 0) (text += ':') += TwoDigits(minutes);
    if (seconds != 0) (text += ':') += TwoDigits(seconds);
    return text;
}

std::string LocalMinuteText(const LocalMinute& local) {
    const bool monthKnown = local.month >= 1 && local.month <= 12;
    const std::string month = monthKnown ? std::string{entry::kMonthNames[static_cast<std::size_t>(local.month - 1)]}
                                         : "month " + std::to_string(local.month);
    return std::to_string(local.day) + " " + month + " " + std::to_string(local.year) + " " +
           TwoDigits(local.hour) + ":" + TwoDigits(local.minute);
}

}  // namespace starwise::atlas
