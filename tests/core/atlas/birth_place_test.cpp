#include "atlas/birth_place.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

namespace starwise::atlas {
namespace {

TEST(CoordinateFlagText, NearestWholeMinuteWithHemisphere) {
    // Coordinates of GeoNames (Pune, Springfield IL, New York, Quito).
    const struct {
        double latitudeDeg;
        double longitudeDeg;
        const char* latitude;
        const char* longitude;
    } cases[] = {
        {18.51957, 73.85535, "18:31N", "073:51E"},
        {39.80172, -89.64371, "39:48N", "089:39W"},
        {40.71427, -74.00597, "40:43N", "074:00W"},
        {-0.22985, -78.52495, "00:14S", "078:31W"},
        {-0.0001, 179.9999, "00:00N", "180:00E"},  // rounds to zero: not south; to 180 degrees
        {59.9999, -0.99999, "60:00N", "001:00W"},  // 59.994' rounds up into the next degree
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LatitudeFlagText(c.latitudeDeg), c.latitude) << c.latitudeDeg;
        EXPECT_EQ(LongitudeFlagText(c.longitudeDeg), c.longitude) << c.longitudeDeg;
    }
}

// "lon lat zone agrees" of a resolved birth: degrees to 4 places, the zone
// as "row N box" or "UTC+5:45 source", agrees 1/0 (or - without a place).
std::string Outcome(const Result<PlacedBirth>& result) {
    if (!result.Ok()) return result.detail;
    const PlacedBirth& placed = result.value;
    char coordinates[48];
    std::snprintf(coordinates, sizeof coordinates, "%.4f %.4f ", placed.birth.longitudeDeg, placed.birth.latitudeDeg);
    std::string outcome = coordinates;
    if (const auto* row = std::get_if<entry::ZoneRowChoice>(&placed.birth.zone)) {
        outcome += "row " + std::to_string(row->zonePosition) + (row->daylightSaving ? " 1" : " 0");
    } else {
        const auto& exact = std::get<entry::ExactOffset>(placed.birth.zone);
        outcome += UtcOffsetText(exact.utcOffsetSeconds) + " " + std::string{ZoneSourceName(placed.birth.zone)};
    }
    const auto& check = placed.zoneCheck;
    return outcome + " " + (check ? (check->agreement.agrees ? "1" : "0") : "-");
}

Result<PlacedBirth> Resolve(const char* line, const Atlas& atlas) {
    const auto flags = entry::ParseCaseFlags(line);
    if (!flags.Ok()) return flags.AsFailure();
    return ResolveBirthFlags(flags.value, atlas);
}

// Expected rows and offsets: the tz database (Asia/Kolkata, America/New_York,
// Australia/Sydney, Asia/Kathmandu) as Python's zoneinfo gives them;
// coordinates from GeoNames.
TEST(ResolveBirthFlags, ThePlaceSuppliesWhatIsNotGiven) {
    const Atlas atlas;
    const struct {
        const char* line;     // the flags as a batch line
        const char* outcome;  // Outcome(), or the refusal
    } cases[] = {
        {"--date 1980-07-15 --time 06:30 --place Pune", "73.8554 18.5196 row 34 0 1"},
        {"--date 1980-01-15 --time 06:30 --place 'new york'", "-74.0060 40.7143 row 27 0 1"},
        {"--date 2000-01-15 --time 12:00 --place Sydney", "151.2073 -33.8678 row 7 0 1"},  // AEDT names a row
        {"--date 1980-07-15 --time 06:30 --place 'New York' --zone 29", "-74.0060 40.7143 row 29 1 0"},
        {"--date 1980-07-15 --time 06:30 --place 'New York' --lon 10:30E --lat 1:00S", "10.5000 -1.0000 row 24 0 1"},  // EDT
        // A given box keeps its hour: added to Eastern Standard Time.
        {"--date 1980-07-15 --time 06:30 --place 'New York' --no-dst", "-74.0060 40.7143 row 27 0 0"},
        {"--date 1980-07-15 --time 06:30 --place 'New York' --dst", "-74.0060 40.7143 row 27 1 1"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --zone 34", "85.3206 27.7017 row 34 0 0"},
        {"--date 1980-07-15 --time 06:30 --zone 29 --lon 0:00E --lat 0:00N", "0.0000 0.0000 row 29 0 -"},
        {"--date 1980-07-15 --time 06:30 --utc-offset -04:56:02 --lon 0:00E --lat 0:00N",
         "0.0000 0.0000 UTC-4:56:02 given -"},
        // No row for UTC+5:45: the database's exact offset, not a refusal.
        {"--date 2000-07-15 --time 06:30 --place Kathmandu", "85.3206 27.7017 UTC+5:45 tz_database 1"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --no-dst", "85.3206 27.7017 UTC+5:45 tz_database 1"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --utc-offset +05:45", "85.3206 27.7017 UTC+5:45 given 1"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --utc-offset +05:30", "85.3206 27.7017 UTC+5:30 given 0"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --dst",
         "--dst contradicts the time zone database (Kathmandu, 15 July 2000 06:30: UTC+5:45, no daylight saving) and "
         "the time zone list has no row for that offset: give --zone or --utc-offset instead"},
        {"--date 1980-07-15 --time 06:30 --place Xqzzy", "No place in the atlas matches \"Xqzzy\""},
        // The flags' own refusals come first (each one: cli_contract_test.py).
        {"--date 1980-04-31 --time 06:30 --place Pune", "Please Enter Correct Date Or Month !"},
    };
    for (const auto& c : cases) {
        const auto result = Resolve(c.line, atlas);
        EXPECT_EQ(Outcome(result), c.outcome) << c.line;
        if (const PlacedBirth* placed = result.Ok() ? &result.value : nullptr; placed && placed->zoneCheck) {
            // The summary, the zone used, and a warning exactly when the zone disagrees.
            const PlaceZoneCheck& check = *placed->zoneCheck;
            EXPECT_TRUE(check.message.starts_with(ZoneSummary(check.place.name, check.moment))) << c.line;
            EXPECT_NE(check.message.find("The reading uses " + ZoneText(placed->birth.zone, check.place.name)),
                      std::string::npos) << c.line << "\n message: " << check.message;
            EXPECT_EQ(check.hasWarnings, !check.agreement.agrees) << c.line << "\n message: " << check.message;
        }
    }
}

// Births whose clocks no zone row gives, at the tz database's instant
// (Debian's tzdata as Python's zoneinfo reads it, 12:00 local on 1 July):
// Asia/Kathmandu 1990 +5:45; Europe/Amsterdam 1935 Dutch summer time
// +1:19:32 (Amsterdam mean time +0:19:32 and an hour); Africa/Kampala 1943
// +2:30; Europe/Moscow 1908 Moscow mean time +2:30:17; and a row where one
// fits: America/New_York 1974 EDT, Eastern Standard Time with the box.
// Asia/Kathmandu says LMT until 1920: Pokhara then keeps its own mean time,
// its longitude (GeoNames, 83.9667 E) times 240 s.
TEST(ResolveBirthFlags, NamedBirthsAtTheDatabasesInstant) {
    const Atlas atlas;
    const struct {
        const char* line;
        int utcOffsetSeconds;
        std::string_view source;
    } cases[] = {
        {"--date 1990-07-01 --time 12:00 --place Kathmandu", 5 * 3600 + 45 * 60, "tz_database"},
        {"--date 1935-07-01 --time 12:00 --place 'Amsterdam, Netherlands'", 3600 + 19 * 60 + 32, "tz_database"},
        {"--date 1943-07-01 --time 12:00 --place Kampala", 2 * 3600 + 30 * 60, "tz_database"},
        {"--date 1908-07-01 --time 12:00 --place 'Moscow, Russia'", 2 * 3600 + 30 * 60 + 17, "tz_database"},
        {"--date 1974-07-01 --time 12:00 --place 'New York'", -4 * 3600, "zone_row"},
        {"--date 1915-07-01 --time 12:00 --place Pokhara", 20152, "local_mean_time"},
    };
    for (const auto& c : cases) {
        const auto result = Resolve(c.line, atlas);
        ASSERT_TRUE(result.Ok()) << c.line << ": " << result.detail;
        const PlacedBirth& placed = result.value;
        const auto* exact = std::get_if<entry::ExactOffset>(&placed.birth.zone);
        const auto* row = std::get_if<entry::ZoneRowChoice>(&placed.birth.zone);
        const int offset = exact != nullptr ? exact->utcOffsetSeconds : entry::ZoneRowUtcOffsetSeconds(*row).value();
        EXPECT_EQ(offset, c.utcOffsetSeconds) << c.line;
        EXPECT_EQ(ZoneSourceName(placed.birth.zone), c.source) << c.line;
        EXPECT_TRUE(placed.zoneCheck && placed.zoneCheck->agreement.agrees) << c.line;
    }
}

}  // namespace
}  // namespace starwise::atlas
