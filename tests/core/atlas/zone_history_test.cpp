#include "atlas/zone_history.h"

#include <gtest/gtest.h>

#include <string>

namespace starwise::atlas {
namespace {

struct HardCase {
    const char* zone;
    LocalMinute local;
    int offsetSeconds;
    bool daylightSaving;
    bool ahead;
    LocalTimeKind kind;
    int otherOffsetSeconds;
    const char* abbreviation;
};

constexpr int kHour = 3600;  // seconds
// Offset of h hours and m minutes in seconds, m taking the sign of h.
constexpr int Hm(int h, int m) { return h * kHour + (h < 0 ? -m : m) * 60; }
using enum LocalTimeKind;

// Expected values from the tz database's source files (tzdata 2025b:
// europe, asia, northamerica, australasia, africa), zone by zone.
TEST(LookUpZoneMoment, HardCasesOfTheTzDatabase) {
    const HardCase cases[] = {
        // British Double Summer Time
        {"Europe/London", {1944, 6, 1, 12, 0}, 2 * kHour, true, true, Unique, 2 * kHour, "BDST"},
        // India's war time, 1942-45
        {"Asia/Kolkata", {1943, 7, 1, 12, 0}, Hm(6, 30), true, true, Unique, Hm(6, 30), "+0630"},
        // Nepal since 1986
        {"Asia/Kathmandu", {2000, 7, 1, 12, 0}, Hm(5, 45), false, false, Unique, Hm(5, 45), "+0545"},
        // Kathmandu's local mean time before 1920: +5:41:16
        {"Asia/Kathmandu", {1910, 7, 1, 12, 0}, Hm(5, 41) + 16, false, false, Unique, Hm(5, 41) + 16, "LMT"},
        // The United States' year-round daylight time of 1974
        {"America/New_York", {1974, 1, 15, 12, 0}, -4 * kHour, true, true, Unique, -4 * kHour, "EDT"},
        // Beyond 2037 the zone's rule goes on
        {"America/New_York", {2038, 7, 1, 12, 0}, -4 * kHour, true, true, Unique, -4 * kHour, "EDT"},
        // Southern-hemisphere summer
        {"Australia/Sydney", {2000, 1, 15, 12, 0}, 11 * kHour, true, true, Unique, 11 * kHour, "AEDT"},
        // Honolulu: war time 1942-45, -10:30 until 1947, then -10
        {"Pacific/Honolulu", {1944, 7, 1, 12, 0}, Hm(-9, 30), true, true, Unique, Hm(-9, 30), "HWT"},
        {"Pacific/Honolulu", {1946, 7, 1, 12, 0}, Hm(-10, 30), false, false, Unique, Hm(-10, 30), "HST"},
        {"Pacific/Honolulu", {1950, 7, 1, 12, 0}, -10 * kHour, false, false, Unique, -10 * kHour, "HST"},
        // Spring-forward gap: 02:00 EST became 03:00 EDT; the offset before is reported
        {"America/New_York", {2021, 3, 14, 2, 30}, -5 * kHour, false, false, Skipped, -4 * kHour, "EST"},
        // Fall-back hour: 02:00 EDT became 01:00 EST; the earlier offset is reported
        {"America/New_York", {2021, 11, 7, 1, 30}, -4 * kHour, true, true, Repeated, -5 * kHour, "EDT"},
        // Ireland's winter GMT is negative daylight saving in the database
        {"Europe/Dublin", {2000, 1, 15, 12, 0}, 0, true, false, Unique, 0, "GMT"},
        {"Europe/Dublin", {2000, 7, 15, 12, 0}, kHour, false, false, Unique, kHour, "IST"},
        // Summer time kept through a change of standard time (Moscow +3 to
        // Eastern European +2): ahead of the standard time after it
        {"Europe/Kyiv", {1990, 12, 24, 12, 0}, 3 * kHour, true, true, Unique, 3 * kHour, "EEST"},
        // Morocco's Ramadan hour, also negative daylight saving
        {"Africa/Casablanca", {2019, 5, 15, 12, 0}, 0, true, false, Unique, 0, "+00"},
    };
    for (const HardCase& c : cases) {
        const std::string input = std::string{c.zone} + " " + LocalMinuteText(c.local);
        const auto result = LookUpZoneMoment(c.zone, c.local);
        ASSERT_TRUE(std::holds_alternative<ZoneMoment>(result)) << input;
        const auto& moment = std::get<ZoneMoment>(result);
        EXPECT_EQ(moment.utcOffsetSeconds, c.offsetSeconds) << input;
        EXPECT_EQ(moment.utcOffsetMinutes, (c.offsetSeconds + (c.offsetSeconds < 0 ? -30 : 30)) / 60) << input;
        EXPECT_EQ(moment.daylightSaving, c.daylightSaving) << input;
        EXPECT_EQ(moment.daylightAheadOfStandard, c.ahead) << input;
        EXPECT_EQ(moment.kind, c.kind) << input;
        EXPECT_EQ(moment.otherOffsetSeconds, c.otherOffsetSeconds) << input;
        EXPECT_EQ(moment.abbreviation, c.abbreviation) << input;
    }
}

TEST(LookUpZoneMoment, RefusesUnknownZonesAndImpossibleTimes) {
    using Reason = ZoneHistoryError::Reason;
    const struct {
        const char* zone;
        LocalMinute local;
        Reason reason;
    } cases[] = {
        {"Mars/Olympus", {1980, 7, 15, 6, 30}, Reason::UnknownZone},
        {"", {1980, 7, 15, 6, 30}, Reason::UnknownZone},
        {"../../../etc/passwd", {1980, 7, 15, 6, 30}, Reason::UnknownZone},
        {"America/New York", {1980, 7, 15, 6, 30}, Reason::UnknownZone},
        {"America/New_York", {1980, 2, 30, 6, 30}, Reason::InvalidLocalTime},
        {"America/New_York", {1981, 2, 29, 6, 30}, Reason::InvalidLocalTime},
        {"America/New_York", {1980, 7, 15, 24, 0}, Reason::InvalidLocalTime},
    };
    for (const auto& c : cases) {
        const auto result = LookUpZoneMoment(c.zone, c.local);
        const auto* error = std::get_if<ZoneHistoryError>(&result);
        ASSERT_NE(error, nullptr) << "zone \"" << c.zone << "\" " << LocalMinuteText(c.local);
        EXPECT_EQ(error->reason, c.reason) << c.zone;
        EXPECT_FALSE(error->message.empty());
    }
}

TEST(UtcOffsetText, HoursMinutesAndSeconds) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{19800, "UTC+5:30"}, {20700, "UTC+5:45"}, {-14400, "UTC-4"},       {0, "UTC+0"},
                 {-34200, "UTC-9:30"}, {-17762, "UTC-4:56:02"}, {46800, "UTC+13"}};
    for (const auto& c : cases) EXPECT_EQ(UtcOffsetText(c.seconds), c.text) << c.seconds << " s";
    EXPECT_EQ(LocalMinuteText({1980, 7, 15, 6, 30}), "15 July 1980 06:30");
}

}  // namespace
}  // namespace starwise::atlas
