#include "entry/validation.h"

#include <gtest/gtest.h>

#include "entry/messages.h"

namespace starwise::entry {
namespace {

EntryFormValues ValidForm() {
    EntryFormValues form;
    form.nameText = "ADA";
    form.longitudeDegreesText = "74";
    form.longitudeMinutesText = "0";
    form.latitudeDegreesText = "40";
    form.latitudeMinutesText = "43";
    return form;
}

struct ValidationCase {
    const char* what;
    void (*change)(EntryFormValues&);
    std::optional<FormMessage> expected;
};

TEST(ValidateEntryForm, FirstFailingCheckInOrder) {
    const ValidationCase cases[] = {
        {"valid form", [](EntryFormValues&) {}, std::nullopt},
        {"all-space name", [](EntryFormValues& f) { f.nameText = "   "; }, messages::kEnterName},
        {"name of letters and spaces", [](EntryFormValues& f) { f.nameText = "ADA KING"; }, std::nullopt},
        {"empty name and bad longitude",
         [](EntryFormValues& f) { f.nameText = ""; f.longitudeDegreesText = "180"; }, messages::kEnterName},
        {"longitude 180", [](EntryFormValues& f) { f.longitudeDegreesText = "180"; }, messages::kLongitudeDegrees},
        {"longitude 179", [](EntryFormValues& f) { f.longitudeDegreesText = "179"; }, std::nullopt},
        {"longitude 0", [](EntryFormValues& f) { f.longitudeDegreesText = "0"; }, std::nullopt},
        {"longitude empty", [](EntryFormValues& f) { f.longitudeDegreesText = ""; }, messages::kLongitudeDegrees},
        {"longitude minutes 60", [](EntryFormValues& f) { f.longitudeMinutesText = "60"; }, messages::kLongitudeMinutes},
        {"longitude minutes 59", [](EntryFormValues& f) { f.longitudeMinutesText = "59"; }, std::nullopt},
        {"latitude 90", [](EntryFormValues& f) { f.latitudeDegreesText = "90"; }, messages::kLatitudeDegrees},
        {"latitude 89", [](EntryFormValues& f) { f.latitudeDegreesText = "89"; }, std::nullopt},
        {"latitude minutes 60", [](EntryFormValues& f) { f.latitudeMinutesText = "60"; }, messages::kLatitudeMinutes},
        {"latitude minutes empty", [](EntryFormValues& f) { f.latitudeMinutesText = " "; }, messages::kLatitudeMinutes},
        {"29 February 1904", [](EntryFormValues& f) { f.monthPosition = 1; f.dayPosition = 28; f.yearText = "1904"; },
         std::nullopt},
        {"29 February 1901", [](EntryFormValues& f) { f.monthPosition = 1; f.dayPosition = 28; f.yearText = "1901"; },
         messages::kFebruaryDate},
        {"30 February 1904", [](EntryFormValues& f) { f.monthPosition = 1; f.dayPosition = 29; f.yearText = "1904"; },
         messages::kFebruaryDate},
        {"31 February 2000", [](EntryFormValues& f) { f.monthPosition = 1; f.dayPosition = 30; f.yearText = "2000"; },
         messages::kFebruaryDate},
        {"28 February 1901", [](EntryFormValues& f) { f.monthPosition = 1; f.dayPosition = 27; f.yearText = "1901"; },
         std::nullopt},
        {"31 April", [](EntryFormValues& f) { f.monthPosition = 3; f.dayPosition = 30; }, messages::kThirtyDayMonthDate},
        {"31 November", [](EntryFormValues& f) { f.monthPosition = 10; f.dayPosition = 30; },
         messages::kThirtyDayMonthDate},
        {"30 April", [](EntryFormValues& f) { f.monthPosition = 3; f.dayPosition = 29; }, std::nullopt},
        {"31 March", [](EntryFormValues& f) { f.monthPosition = 2; f.dayPosition = 30; }, std::nullopt},
        {"exact offset well formed",
         [](EntryFormValues& f) { f.zonePosition = kExactOffsetPosition; f.utcOffsetText = "+05:45"; }, std::nullopt},
        {"exact offset malformed",
         [](EntryFormValues& f) { f.zonePosition = kExactOffsetPosition; f.utcOffsetText = "5.45"; },
         messages::kUtcOffset},
        {"malformed offset text unread for a zone row", [](EntryFormValues& f) { f.utcOffsetText = "5.45"; },
         std::nullopt},
        {"bad coordinates beat a bad date",
         [](EntryFormValues& f) { f.latitudeDegreesText = "95"; f.monthPosition = 3; f.dayPosition = 30; },
         messages::kLatitudeDegrees},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EntryFormValues form = ValidForm();
        c.change(form);
        const auto actual = ValidateEntryForm(form);
        EXPECT_EQ(actual.has_value(), c.expected.has_value());
        if (actual && c.expected) {
            EXPECT_EQ(actual->text, c.expected->text);
            EXPECT_EQ(actual->icon, c.expected->icon);
            EXPECT_EQ(actual->focus, c.expected->focus);
        }
    }
}

struct LookupCase {
    const char* city;
    const char* state;
    const char* country;
    std::optional<FormMessage> expected;
};

TEST(LocationLookup, ChecksInOrderAndBuildsTheSearch) {
    const LookupCase cases[] = {
        {"", "", "", messages::kEnterCity},
        {"Pune", "", "India", messages::kEnterState},
        {"Pune", "Maharashtra", "", messages::kEnterCountry},
        {" ", " ", " ", std::nullopt},  // spaces count as content
        {"Pune", "Maharashtra", "India", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.city << "|" << c.state << "|" << c.country);
        EXPECT_EQ(ValidateLocationLookup(c.city, c.state, c.country), c.expected);
    }
    EXPECT_EQ(LocationSearchText("Pune", "Maharashtra", "India"), "Pune Maharashtra India Latitude Longitude");
}

}  // namespace
}  // namespace starwise::entry
