#include "atlas/place_zone_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace starwise::atlas {
namespace {

// Coordinates from GeoNames (the atlas's source), zones from the tz database.
const Place kKathmandu{"Kathmandu", "Bagmati Province", "Nepal", "NP", 27.70169, 85.3206, "Asia/Kathmandu", 1442271};
const Place kNewYork{"New York City", "New York", "United States", "US", 40.71427, -74.00597, "America/New_York",
                     8804190};

int OffsetOf(const entry::BirthZone& zone) { return ZoneUtcOffsetSeconds(zone).value_or(-999999); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PlaceZoneState, TheZoneFollowsThePlaceWithExactOffsetsWhereNoRowFits) {
    struct Case {
        const Place* place;
        LocalMinute local;
        int utcOffsetSeconds;       // tz database (or the birthplace's mean time)
        bool row;                   // a list row gives it
        const char* summaryPart;
    };
    // Kathmandu: UTC+5:45 from 1986; before 1920 local mean time, here the
    // birthplace's own: 85.3206 deg * 240 s/deg = 20477 s (UTC+5:41:17).
    const Case cases[] = {
        {&kKathmandu, {1990, 5, 1, 12, 0}, 5 * 3600 + 45 * 60, false, "the reading uses UTC+5:45 from the time zone database"},
        {&kKathmandu, {1910, 5, 1, 12, 0}, 20477, false, "local mean time of Kathmandu, UTC+5:41:17"},
        {&kKathmandu, {1980, 5, 1, 12, 0}, 5 * 3600 + 30 * 60, true, "UTC+5:30"},
        {&kNewYork, {1974, 7, 15, 12, 0}, -4 * 3600, true, "daylight saving in force"},
    };
    for (const Case& c : cases) {
        PlaceZoneState state;
        state.SetMoment(c.local);
        state.ChoosePlace(*c.place);
        const ZoneLine line = state.Line();
        const std::string input = c.place->name + " " + LocalMinuteText(c.local);
        EXPECT_EQ(OffsetOf(state.Zone()), c.utcOffsetSeconds) << input;
        EXPECT_EQ(std::holds_alternative<entry::ZoneRowChoice>(state.Zone()), c.row) << input;
        EXPECT_TRUE(Contains(line.summary, c.summaryPart)) << input << ": " << line.summary;
        EXPECT_TRUE(line.warnings.empty()) << input << ": " << (line.warnings.empty() ? "" : line.warnings[0]);
        EXPECT_FALSE(line.fix) << input;
    }
}

TEST(PlaceZoneState, AZoneSetByHandStaysUntilTheFixIsUsed) {
    PlaceZoneState state;
    state.SetMoment(LocalMinute{1990, 5, 1, 12, 0});
    state.ChoosePlace(kKathmandu);
    state.SetZoneByHand(entry::ExactOffset{5 * 3600 + 30 * 60, entry::OffsetSource::Given});
    state.SetMoment(LocalMinute{1990, 5, 2, 12, 0});  // a new moment does not undo the hand's choice
    EXPECT_EQ(OffsetOf(state.Zone()), 5 * 3600 + 30 * 60);
    ZoneLine line = state.Line();
    ASSERT_EQ(line.warnings.size(), 1u);
    EXPECT_TRUE(Contains(line.warnings[0], "UTC+5:30 as given gives UTC+5:30")) << line.warnings[0];
    ASSERT_TRUE(line.fix);
    EXPECT_EQ(line.fixText, "Use UTC+5:45 from the time zone database");

    state.UseFix();
    EXPECT_TRUE(state.ZoneFollowsPlace());
    EXPECT_EQ(OffsetOf(state.Zone()), 5 * 3600 + 45 * 60);
    EXPECT_TRUE(state.Line().warnings.empty());
}

TEST(PlaceZoneState, ForgettingThePlaceKeepsTheZoneAndClearsTheLine) {
    PlaceZoneState state;
    state.SetMoment(LocalMinute{1974, 7, 15, 12, 0});
    state.ChoosePlace(kNewYork);
    const entry::BirthZone followed = state.Zone();
    state.ForgetPlace();
    EXPECT_EQ(state.Zone(), followed);
    EXPECT_FALSE(state.ChosenPlace());
    EXPECT_TRUE(state.Line().summary.empty());

    state.ChoosePlace(kNewYork);
    state.SetMoment(std::nullopt);  // 31 April
    EXPECT_EQ(state.Line().summary, std::string{"The date of birth does not exist, so the time zone database cannot be asked."});
}

TEST(PlaceZoneState, ACityTextThatIsNotThePlaceForgetsIt) {
    const struct {
        const char* typed;
        bool forgotten;
    } cases[] = {{"Kathmandu", false}, {"kathmandu ", false}, {"Kathmand", true}, {"Toronto", true}};
    for (const auto& c : cases) {
        PlaceZoneState state;
        state.SetMoment(LocalMinute{1990, 5, 1, 12, 0});
        state.ChoosePlace(kKathmandu);
        EXPECT_EQ(state.CityTextEdited(c.typed), c.forgotten) << c.typed;
        EXPECT_EQ(state.ChosenPlace().has_value(), !c.forgotten) << c.typed;
        EXPECT_EQ(state.PlaceNote().empty(), !c.forgotten) << c.typed << ": " << state.PlaceNote();
        EXPECT_EQ(state.Line().summary.empty(), c.forgotten) << c.typed;
        EXPECT_FALSE(state.ZoneFollowsPlace() && c.forgotten) << c.typed;
    }
    PlaceZoneState state;
    state.ChoosePlace(kKathmandu);
    state.CityTextEdited("Toronto");
    EXPECT_FALSE(state.CityTextEdited("Toront"));  // nothing left to forget
    state.ChoosePlace(kNewYork);
    EXPECT_TRUE(state.PlaceNote().empty());
}

TEST(PlaceZoneState, TheExactOffsetBoxIsFilledByThePlaceAndTyped) {
    PlaceZoneState state;
    state.SetMoment(LocalMinute{1990, 5, 1, 12, 0});
    state.ChoosePlace(kKathmandu);
    EXPECT_TRUE(state.ExactOffsetChosen());
    EXPECT_EQ(state.ExactOffsetText(), "+05:45");

    state.TypeExactOffset("+05:3");  // half typed: the zone stays, the line says how to type it
    EXPECT_TRUE(state.ExactOffsetChosen());
    EXPECT_FALSE(state.ZoneFollowsPlace());
    EXPECT_EQ(state.ExactOffsetText(), "+05:3");
    EXPECT_EQ(OffsetOf(state.Zone()), 5 * 3600 + 45 * 60);
    ZoneLine line = state.Line();
    ASSERT_EQ(line.warnings.size(), 1u);
    EXPECT_TRUE(Contains(line.warnings[0], "+HH:MM or +HH:MM:SS")) << line.warnings[0];
    EXPECT_EQ(line.fixText, "Use UTC+5:45 from the time zone database");

    state.TypeExactOffset("+05:30");
    EXPECT_EQ(state.Zone(), (entry::BirthZone{entry::ExactOffset{5 * 3600 + 30 * 60, entry::OffsetSource::Given}}));
    EXPECT_EQ(state.ExactOffsetText(), "+05:30");

    entry::BirthInput typed;  // as the form's adapter reads the boxes
    typed.zone = entry::ExactOffset{5 * 3600 + 30 * 60, entry::OffsetSource::Given};
    state.CompleteBirth(typed);
    EXPECT_EQ(typed.placeLabel, "Kathmandu, Bagmati Province, Nepal");
    EXPECT_EQ(std::get<entry::ExactOffset>(typed.zone).source, entry::OffsetSource::Given);
    state.UseFix();
    typed.zone = entry::ExactOffset{5 * 3600 + 45 * 60, entry::OffsetSource::Given};
    state.CompleteBirth(typed);
    EXPECT_EQ(std::get<entry::ExactOffset>(typed.zone).source, entry::OffsetSource::TimeZoneDatabase);

    state.SetZoneByHand(entry::ZoneRowChoice{entry::kGreenwichZonePosition, false});
    EXPECT_FALSE(state.ExactOffsetChosen());
    EXPECT_EQ(state.ExactOffsetText(), "");
}

}  // namespace
}  // namespace starwise::atlas
