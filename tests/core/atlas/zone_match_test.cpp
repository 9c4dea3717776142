#include "atlas/zone_match.h"

#include <gtest/gtest.h>

#include <string>

namespace starwise::atlas {
namespace {

ZoneMoment MomentOf(const char* zone, LocalMinute local) {
    auto result = LookUpZoneMoment(zone, local);
    EXPECT_TRUE(std::holds_alternative<ZoneMoment>(result)) << zone;
    return std::holds_alternative<ZoneMoment>(result) ? std::get<ZoneMoment>(result) : ZoneMoment{};
}

int Row(const char* listText) {
    const int position = entry::ZonePositionOfText(listText);
    EXPECT_GE(position, 0) << listText;
    return position;
}

struct MatchCase {
    const char* zone;
    LocalMinute local;
    const char* rowText;  // nullptr: no row fits
    bool tick;
    const char* messagePart;  // for no row: the exact offset the message must name
};

TEST(MatchZoneRow, RowAndBoxGiveTheTzOffset) {
    const MatchCase cases[] = {
        {"Asia/Kolkata", {1980, 7, 15, 6, 30}, "Indian Time, IST, +5.3", false, nullptr},
        {"Asia/Kolkata", {1943, 7, 1, 12, 0}, "Indian Time, IST, +5.3", true, nullptr},
        // The database's abbreviation names the row: BST, BDST, EDT, AEDT, HWT.
        {"Europe/London", {1980, 7, 15, 12, 0}, "British Summer Time,BST,+1.0", false, nullptr},
        {"Europe/London", {1944, 7, 15, 12, 0}, "British Double Summer Time,BDST,+2.0", false, nullptr},
        {"Europe/London", {1969, 1, 15, 12, 0}, "British Summer Time,BST,+1.0", false, nullptr},  // standard +1
        {"Europe/Paris", {1980, 7, 15, 12, 0}, "Central European Time,CET,+1.0", true, nullptr},  // CEST: no row
        {"Europe/Dublin", {2000, 1, 15, 12, 0}, "Greenwich Mean Time,GMT,0.0", false, nullptr},
        {"America/New_York", {1980, 1, 15, 12, 0}, "Eastern Standard Time,EST,-5.0", false, nullptr},
        {"America/New_York", {1980, 7, 15, 12, 0}, "Eastern Daylight Time,EDT,-4.0", false, nullptr},
        {"America/New_York", {2021, 3, 14, 2, 30}, "Eastern Standard Time,EST,-5.0", false, nullptr},
        {"Australia/Sydney", {2000, 1, 15, 12, 0}, "Australian Eastern Daylight Time,AEDT,+11.0", false, nullptr},
        {"Pacific/Honolulu", {1944, 7, 1, 12, 0}, "Hawaiian War Time,HWT,-9.5", false, nullptr},
        {"Pacific/Honolulu", {1946, 7, 1, 12, 0}, "Hawaiian Standard Time,HST,-10.5", false, nullptr},
        {"Pacific/Honolulu", {1950, 7, 1, 12, 0}, "Alaska/Hawaii Standard Time,AHST,-10.0", false, nullptr},
        {"Asia/Kathmandu", {2000, 7, 15, 6, 30}, nullptr, false, "UTC+5:45 (Asia/Kathmandu on 15 July 2000 06:30)"},
        {"Asia/Kathmandu", {1910, 7, 1, 12, 0}, nullptr, false, "UTC+5:41:16"},  // local mean time
        {"Pacific/Chatham", {2000, 1, 15, 12, 0}, nullptr, true, "UTC+13:45"},    // 12:45 + summer hour
    };
    for (const MatchCase& c : cases) {
        const ZoneMoment moment = MomentOf(c.zone, c.local);
        const std::string input = std::string{c.zone} + " " + LocalMinuteText(c.local);
        const ZoneRowMatch match = MatchZoneRow(moment);
        if (c.rowText == nullptr) {
            EXPECT_FALSE(match.choice.has_value()) << input;
            EXPECT_NE(match.message.find(c.messagePart), std::string::npos)
                << input << "\n expected part: " << c.messagePart << "\n actual: " << match.message;
            continue;
        }
        ASSERT_TRUE(match.choice.has_value()) << input << ": " << match.message;
        EXPECT_EQ(entry::kZones[static_cast<std::size_t>(match.choice->zonePosition)].listText,
                  std::string_view{c.rowText}) << input;
        EXPECT_EQ(match.choice->daylightSaving, c.tick) << input;
        // What is suggested agrees with the database and never counts daylight saving twice.
        EXPECT_TRUE(CheckBirthZone(moment, *match.choice, 0.0).agrees) << input;
        EXPECT_FALSE(DoubleDaylightSavingWarning(*match.choice).has_value()) << input;
    }
}

TEST(CheckBirthZone, AcceptsEveryRowAndBoxWithTheOffsetOnly) {
    const ZoneMoment newYorkJuly = MomentOf("America/New_York", {1980, 7, 15, 12, 0});
    const ZoneMoment fallBack = MomentOf("America/New_York", {2021, 11, 7, 1, 30});
    const int edt = Row("Eastern Daylight Time,EDT,-4.0");
    const int est = Row("Eastern Standard Time,EST,-5.0");
    const struct {
        const ZoneMoment* moment;
        entry::ZoneRowChoice choice;
        bool agrees;
    } cases[] = {
        {&newYorkJuly, {edt, false}, true},  {&newYorkJuly, {est, true}, true},
        {&newYorkJuly, {est, false}, false}, {&newYorkJuly, {edt, true}, false},
        {&newYorkJuly, {-1, false}, false},  {&fallBack, {edt, false}, true},
        {&fallBack, {est, false}, true},     {&fallBack, {Row("Central Standard Time,CST,-6.0"), false}, false},
    };
    for (const auto& c : cases) {
        const ZoneAgreement agreement = CheckBirthZone(*c.moment, c.choice, -74.0);
        EXPECT_EQ(agreement.agrees, c.agrees) << LocalMinuteText(c.moment->local) << " row " << c.choice.zonePosition
                                              << " tick " << c.choice.daylightSaving << ": " << agreement.message;
        EXPECT_EQ(agreement.message.empty(), c.agrees) << agreement.message;
    }
    EXPECT_EQ(CheckBirthZone(newYorkJuly, entry::ZoneRowChoice{est, false}, -74.0).message,
              "Eastern Standard Time without daylight saving gives UTC-5, but the time zone database gives UTC-4 "
              "(daylight saving in force) for America/New_York on 15 July 1980 12:00.");
}

TEST(DoubleDaylightSavingWarning, OnlyForADaylightTimeWithTheBoxTicked) {
    const struct {
        const char* rowText;
        bool tick;
        bool warned;
    } cases[] = {
        {"Eastern Daylight Time,EDT,-4.0", true, true},     {"Central European Daylight,CED,+2.0", true, true},
        {"Eastern Daylight Time,EDT,-4.0", false, false},   {"Eastern Standard Time,EST,-5.0", true, false},
        {"British Summer Time,BST,+1.0", true, false},
    };
    for (const auto& c : cases) {
        const auto warning = DoubleDaylightSavingWarning({Row(c.rowText), c.tick});
        EXPECT_EQ(warning.has_value(), c.warned) << c.rowText << " tick " << c.tick;
    }
    EXPECT_FALSE(DoubleDaylightSavingWarning({-1, true}).has_value());
    EXPECT_EQ(*DoubleDaylightSavingWarning({Row("Eastern Daylight Time,EDT,-4.0"), true}),
              "Eastern Daylight Time already includes daylight saving; with the daylight-saving box ticked as well "
              "it is counted twice.");
}

TEST(ZoneSummary, OneLineBesideTheZone) {
    EXPECT_EQ(ZoneSummary("Pune", MomentOf("Asia/Kolkata", {1980, 7, 15, 6, 30})),
              "Pune, 15 July 1980 06:30: UTC+5:30, no daylight saving");
    EXPECT_EQ(ZoneSummary("New York City", MomentOf("America/New_York", {1980, 7, 15, 12, 0})),
              "New York City, 15 July 1980 12:00: UTC-4, daylight saving in force");
    EXPECT_EQ(ZoneSummary("New York City", MomentOf("America/New_York", {2021, 3, 14, 2, 30})),
              "New York City, 14 March 2021 02:30: UTC-5, no daylight saving; this time was skipped when the "
              "clocks went forward to UTC-4, so it is read on the clocks before the change");
}

// The zone a place's moment gives, and how the reading names it. Europe/Berlin
// says LMT (its own UTC+0:53:28) in 1890; Ulm (9.99 deg E) keeps its own mean
// time, 9.99 * 240 s = 2398 s. Asia/Kathmandu gives UTC+5:45 in 1990.
TEST(ZoneForMoment, RowExactOffsetOrTheBirthplacesMeanTime) {
    const ZoneMoment berlin1890 = MomentOf("Europe/Berlin", {1890, 7, 1, 12, 0});
    const ZoneMoment kathmandu = MomentOf("Asia/Kathmandu", {1990, 5, 1, 12, 0});
    const ZoneMoment newYork = MomentOf("America/New_York", {1980, 7, 15, 12, 0});
    const struct {
        const ZoneMoment* moment;
        double longitudeDeg;
        entry::BirthZone zone;
        const char* words;
    } cases[] = {
        {&berlin1890, 9.99, entry::ExactOffset{2398, entry::OffsetSource::LocalMeanTime},
         "local mean time of Ulm, UTC+0:39:58"},
        {&berlin1890, -9.99, entry::ExactOffset{-2398, entry::OffsetSource::LocalMeanTime},
         "local mean time of Ulm, UTC-0:39:58"},
        {&kathmandu, 85.32, entry::ExactOffset{20700, entry::OffsetSource::TimeZoneDatabase},
         "UTC+5:45 from the time zone database"},
        {&newYork, -74.0, entry::ZoneRowChoice{Row("Eastern Daylight Time,EDT,-4.0"), false},
         "Eastern Daylight Time without daylight saving"},
    };
    for (const auto& c : cases) {
        const entry::BirthZone zone = ZoneForMoment(*c.moment, c.longitudeDeg);
        EXPECT_EQ(zone, c.zone) << c.words;
        EXPECT_EQ(ZoneText(zone, "Ulm"), c.words);
        EXPECT_TRUE(CheckBirthZone(*c.moment, zone, c.longitudeDeg).agrees) << c.words;
    }
    EXPECT_EQ(ZoneText(entry::ExactOffset{20700, entry::OffsetSource::Given}), "UTC+5:45 as given");
    EXPECT_FALSE(CheckBirthZone(kathmandu, entry::ExactOffset{19800, entry::OffsetSource::Given}, 85.32).agrees);
    // Where the database gives local mean time, the reference city's is not the birthplace's.
    EXPECT_FALSE(CheckBirthZone(berlin1890, entry::ExactOffset{berlin1890.utcOffsetSeconds, entry::OffsetSource::Given},
                                9.99).agrees);
}

}  // namespace
}  // namespace starwise::atlas
