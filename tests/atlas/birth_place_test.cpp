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

TEST(LocalMinuteOfForm, OnlyDatesThatExist) {
    entry::EntryFormValues form;
    form.yearText = "1904";
    form.monthPosition = 1;
    form.hourText = "23";
    form.minuteText = "59";
    const struct {
        const char* day;
        bool exists;
    } cases[] = {{"29", true}, {"30", false}, {"x", false}};
    for (const auto& c : cases) {
        form.dayText = c.day;
        const auto local = LocalMinuteOfForm(form);
        EXPECT_EQ(local.has_value(), c.exists) << "February " << c.day << " 1904";
        if (local) {
            EXPECT_EQ(LocalMinuteText(*local), "29 February 1904 23:59");
        }
    }
}

entry::BirthFlags Flags(const char* date, const char* time, const char* place) {
    entry::BirthFlags flags;
    flags.date = date;
    flags.time = time;
    if (place != nullptr) flags.place = place;
    return flags;
}

// Expected rows and offsets: the tz database (Asia/Kolkata, America/New_York,
// Australia/Sydney, Asia/Kathmandu) as Python's zoneinfo gives them.
TEST(ResolveBirthFlags, ThePlaceSuppliesWhatIsNotGiven) {
    const Atlas atlas;
    struct Case {
        const char* what;
        entry::BirthFlags flags;
        const char* refusal;  // nullptr: accepted
        const char* longitude;
        const char* latitude;
        int zonePosition;
        bool daylightSaving;
        bool agrees;
    };
    auto givenZone = Flags("1980-07-15", "06:30", "New York");
    givenZone.zone = "29";
    auto givenCoordinates = Flags("1980-07-15", "06:30", "New York");
    givenCoordinates.longitude = "10:00E";
    givenCoordinates.latitude = "1:00S";
    auto noDst = Flags("1980-07-15", "06:30", "New York");
    noDst.daylightSaving = false;
    auto kathmanduZone = Flags("2000-07-15", "06:30", "Kathmandu");
    kathmanduZone.zone = "34";
    auto noPlace = Flags("1980-07-15", "06:30", nullptr);
    noPlace.zone = "29";
    noPlace.longitude = "0:00E";
    noPlace.latitude = "0:00N";
    const Case cases[] = {
        {"Pune", Flags("1980-07-15", "06:30", "Pune"), nullptr, "073:51E", "18:31N", 34, false, true},
        {"New York in July", Flags("1980-07-15", "06:30", "new york"), nullptr, "074:00W", "40:43N", 27, true, true},
        {"New York in January", Flags("1980-01-15", "06:30", "New York"), nullptr, "074:00W", "40:43N", 27, false,
         true},
        {"Sydney in January", Flags("2000-01-15", "12:00", "Sydney"), nullptr, "151:12E", "33:52S", 8, true, true},
        {"given zone wins, box from the place", givenZone, nullptr, "074:00W", "40:43N", 29, true, false},
        {"given coordinates win", givenCoordinates, nullptr, "10:00E", "1:00S", 27, true, true},
        {"given --no-dst wins", noDst, nullptr, "074:00W", "40:43N", 27, false, false},
        {"Kathmandu with a given zone", kathmanduZone, nullptr, "085:19E", "27:42N", 34, false, false},
        {"no place: the flags alone", noPlace, nullptr, "0:00E", "0:00N", 29, false, true},
        {"Kathmandu: no row", Flags("2000-07-15", "06:30", "Kathmandu"),
         "The time zone list has no zone for UTC+5:45 (Asia/Kathmandu on 15 July 2000 06:30).", "", "", 0, false,
         false},
        {"no such place", Flags("1980-07-15", "06:30", "Xqzzy"), "No place in the atlas matches \"Xqzzy\"", "", "", 0,
         false, false},
        {"date checked first", Flags("1980-04-31", "06:30", "Pune"), "Please Enter Correct Date Or Month !", "", "", 0,
         false, false},
        {"no date", Flags("", "06:30", "Pune"), "--date must look like YYYY-MM-DD", "", "", 0, false, false},
    };
    for (const Case& c : cases) {
        const auto result = ResolveBirthFlags(c.flags, atlas);
        if (c.refusal != nullptr) {
            ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.what;
            EXPECT_EQ(std::get<std::string>(result), c.refusal) << c.what;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<PlacedBirth>(result)) << c.what << ": " << std::get<std::string>(result);
        const PlacedBirth& birth = std::get<PlacedBirth>(result);
        EXPECT_EQ(birth.flags.longitude, c.longitude) << c.what;
        EXPECT_EQ(birth.flags.latitude, c.latitude) << c.what;
        EXPECT_EQ(birth.form.zonePosition, c.zonePosition) << c.what;
        EXPECT_EQ(birth.form.daylightSaving, c.daylightSaving) << c.what;
        EXPECT_EQ(birth.zoneCheck.has_value(), c.flags.place.has_value()) << c.what;
        if (!birth.zoneCheck) continue;
        EXPECT_EQ(birth.zoneCheck->agreement.agrees, c.agrees) << c.what << ": " << birth.zoneCheck->message;
        // The message starts with the summary and carries a warning exactly when the choice disagrees.
        EXPECT_EQ(birth.zoneCheck->message.starts_with(ZoneSummary(birth.zoneCheck->place.name, birth.zoneCheck->moment)),
                  true) << c.what;
        EXPECT_EQ(birth.zoneCheck->message.find(" but the time zone database gives ") == std::string::npos, c.agrees)
            << c.what << ": " << birth.zoneCheck->message;
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
