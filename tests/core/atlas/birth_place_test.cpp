#include "atlas/birth_place.h"

#include <gtest/gtest.h>

#include <string>

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

// Expected rows and offsets: the tz database (Asia/Kolkata, America/New_York,
// Australia/Sydney, Asia/Kathmandu) as Python's zoneinfo gives them;
// coordinates from GeoNames to the nearest minute.
TEST(ResolveBirthFlags, ThePlaceSuppliesWhatIsNotGiven) {
    const Atlas atlas;
    const struct {
        const char* line;     // the flags as a batch line
        const char* outcome;  // "lon lat zone box agrees", or the refusal
    } cases[] = {
        {"--date 1980-07-15 --time 06:30 --place Pune", "073:51E 18:31N 34 0 1"},
        {"--date 1980-01-15 --time 06:30 --place 'new york'", "074:00W 40:43N 27 0 1"},
        {"--date 2000-01-15 --time 12:00 --place Sydney", "151:12E 33:52S 7 0 1"},  // southern summer
        {"--date 1980-07-15 --time 06:30 --place 'New York' --zone 29", "074:00W 40:43N 29 1 0"},
        {"--date 1980-07-15 --time 06:30 --place 'New York' --lon 10:00E --lat 1:00S", "10:00E 1:00S 24 0 1"},
        {"--date 1980-07-15 --time 06:30 --place 'New York' --no-dst", "074:00W 40:43N 24 0 1"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu --zone 34", "085:19E 27:42N 34 0 0"},
        {"--date 1980-07-15 --time 06:30 --zone 29 --lon 0:00E --lat 0:00N", "0:00E 0:00N 29 0 -"},
        {"--date 2000-07-15 --time 06:30 --place Kathmandu",
         "The time zone list has no zone for UTC+5:45 (Asia/Kathmandu on 15 July 2000 06:30)."},
        {"--date 1980-07-15 --time 06:30 --place Xqzzy", "No place in the atlas matches \"Xqzzy\""},
        {"--date 1980-04-31 --time 06:30 --place Pune", "Please Enter Correct Date Or Month !"},
        {"--time 06:30 --place Pune", "--date is required"},
    };
    for (const auto& c : cases) {
        auto flags = entry::ParseCaseFlags(c.line);
        ASSERT_TRUE(std::holds_alternative<entry::BirthFlags>(flags)) << c.line;
        const auto result = ResolveBirthFlags(std::get<entry::BirthFlags>(flags), atlas);
        std::string outcome;
        if (const auto* refused = std::get_if<std::string>(&result)) {
            outcome = *refused;
        } else {
            const PlacedBirth& birth = std::get<PlacedBirth>(result);
            const auto& check = birth.zoneCheck;
            outcome = *birth.flags.longitude + " " + *birth.flags.latitude + " " +
                      std::to_string(birth.form.zonePosition) + (birth.form.daylightSaving ? " 1 " : " 0 ") +
                      (check ? (check->agreement.agrees ? "1" : "0") : "-");
            if (check) {
                // The message is the summary, with a warning exactly when the choice disagrees.
                EXPECT_TRUE(check->message.starts_with(ZoneSummary(check->place.name, check->moment))) << c.line;
                EXPECT_EQ(check->message.find(" but the time zone database gives ") == std::string::npos,
                          check->agreement.agrees) << c.line << "\n message: " << check->message;
            }
        }
        EXPECT_EQ(outcome, c.outcome) << c.line;
    }
}

TEST(ZoneChoiceWarnings, DisagreementNoRowAndDoubleDaylightSavingInOrder) {
    const auto looked = LookUpZoneMoment("Asia/Kathmandu", {2000, 7, 15, 6, 30});
    ASSERT_TRUE(std::holds_alternative<ZoneMoment>(looked));
    const ZoneMoment& moment = std::get<ZoneMoment>(looked);
    const ZoneRowMatch match = MatchZoneRow(moment);
    const int edt = entry::ZonePositionOfText("Eastern Daylight Time,EDT,-4.0");
    const auto warnings = ZoneChoiceWarnings(moment, match, {edt, true});
    ASSERT_EQ(warnings.size(), 3U);
    EXPECT_NE(warnings[0].find("gives UTC-3, but the time zone database gives UTC+5:45"), std::string::npos)
        << warnings[0];
    EXPECT_EQ(warnings[1], match.message);
    EXPECT_EQ(warnings[2], *DoubleDaylightSavingWarning({edt, true}));
}

}  // namespace
}  // namespace starwise::atlas
