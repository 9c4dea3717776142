// The entry form's adapter: the form's own checks and messages first, then
// the typed birth, or the message for what the lists cannot hold.
#include "entry/form_input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "entry/messages.h"

namespace starwise::entry {
namespace {

// Pune, 15 July 1980 06:30, Indian Time (row 34).
EntryFormValues Pune() {
    return {.nameText = "ASHA", .monthPosition = 6, .dayPosition = 14, .dayText = "15", .yearText = "1980",
            .hourText = "6", .minuteText = "30", .longitudeDegreesText = "73", .longitudeMinutesText = "51",
            .latitudeDegreesText = "18", .latitudeMinutesText = "31", .zonePosition = 34};
}

template <typename Change>
EntryFormValues PuneWith(Change change) {
    EntryFormValues form = Pune();
    change(form);
    return form;
}

// "lon lat YYYY-MM-DD minutes row box" (degrees to 4 places), or the message.
std::string Outcome(const EntryFormValues& form) {
    const auto result = BirthInputOfForm(form);
    if (const auto* refused = std::get_if<FormMessage>(&result)) return std::string{refused->text};
    const BirthInput& birth = std::get<BirthInput>(result);
    const auto& row = std::get<ZoneRowChoice>(birth.zone);
    char text[96];
    std::snprintf(text, sizeof text, "%.4f %.4f %04d-%02u-%02u %d %d %d", birth.longitudeDeg, birth.latitudeDeg,
                  int{birth.localDate.year()}, unsigned{birth.localDate.month()}, unsigned{birth.localDate.day()},
                  birth.localMinutes, row.zonePosition, row.daylightSaving ? 1 : 0);
    return text;
}

TEST(BirthInputOfForm, TheFormsChecksThenTheTypedBirth) {
    std::string sixtyAccented;
    for (int i = 0; i < 60; ++i) sixtyAccented += "\xC3\x89";  // É: 60 characters, 120 bytes
    const struct {
        const char* label;
        EntryFormValues form;
        std::string outcome;
    } cases[] = {
        {"Pune", Pune(), "73.8500 18.5167 1980-07-15 390 34 0"},
        {"west and south, box ticked",
         PuneWith([](EntryFormValues& f) { f.eastSelected = false; f.southSelected = true; f.daylightSaving = true; }),
         "-73.8500 -18.5167 1980-07-15 390 34 1"},
        {"60 characters", PuneWith([&](EntryFormValues& f) { f.nameText = sixtyAccented; }),
         "73.8500 18.5167 1980-07-15 390 34 0"},
        // The form's own checks run first (each is tested in validation_test).
        {"blank name", PuneWith([](EntryFormValues& f) { f.nameText = "  "; }), std::string{messages::kEnterName.text}},
        // What the lists cannot hold.
        {"61 letters", PuneWith([](EntryFormValues& f) { f.nameText = std::string(61, 'A'); }),
         std::string{messages::kNameTooLong.text}},
        {"no zone chosen", PuneWith([](EntryFormValues& f) { f.zonePosition = -1; }),
         std::string{messages::kChooseTimeZone.text}},
        {"day that is no number", PuneWith([](EntryFormValues& f) { f.dayText = "x"; }),
         std::string{messages::kFebruaryDate.text}},
        {"no month chosen", PuneWith([](EntryFormValues& f) { f.monthPosition = -1; }),
         std::string{messages::kFebruaryDate.text}},
        {"hour 24", PuneWith([](EntryFormValues& f) { f.hourText = "24"; }), std::string{messages::kCorrectTime.text}},
    };
    for (const auto& c : cases) EXPECT_EQ(Outcome(c.form), c.outcome) << c.label;
}

}  // namespace
}  // namespace starwise::entry
