// A whole reading: every part filled from one instant, the running text in
// order, and a failed step leaving its own part (and those that need it)
// empty while the others still run.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reading/house_section.h"
#include "reading/reading.h"
#include "reading/sun_sign.h"
#include "reading/void_of_course.h"
#include "entry/zones.h"
#include "report_blocks.h"

namespace {

using namespace starwise;
using test::ShowAll;

// 15 July 1980, 06:30 Greenwich Mean Time, at 0:00 E, 0:00 N.
entry::BirthInput Birth(std::chrono::year_month_day date = std::chrono::year{1980} / 7 / 15,
                        entry::BirthZone zone = entry::ZoneRowChoice{entry::kGreenwichZonePosition, false}) {
    return {.name = "Ada", .localDate = date, .localMinutes = 6 * 60 + 30, .zone = zone, .placeLabel = {}};
}

TEST(RunReading, EveryPartFromTheOneChart) {
    const reading::Reading r = reading::RunReading(Birth());
    ASSERT_TRUE(r.failures.empty()) << reading::FailedStepsNotice(r);
    ASSERT_TRUE(r.instant && r.chart && r.houses && r.aspects);
    ASSERT_NE(r.sunSignProfile, nullptr);
    EXPECT_EQ(r.sunSignProfile->sign, "Cancer");
    // Its instant, Sun sign, node row and void-of-course bodies: cli_matches_oracle,
    // whose fixed cases hold this birth.

    // The running text: houses, then aspects, then void of course.
    std::vector<reading::ReportBlock> expected = reading::HouseSection(reading::PlaceBodies(*r.chart));
    for (const auto& section : {reading::AspectSection(reading::FindAspects(*r.chart)),
                                reading::VoidOfCourseSection(*r.chart, r.voidOfCourseBodies)}) {
        expected.insert(expected.end(), section.begin(), section.end());
    }
    EXPECT_EQ(ShowAll(r.RunningText()), ShowAll(expected));
    // A block is one run of text: the renderers break the lines.
    for (const reading::ReportBlock& block : r.RunningText()) {
        std::string texts = block.text;
        for (const std::string& item : block.items) texts += item;
        EXPECT_EQ(texts.find_first_of("\r\n"), std::string::npos) << texts;
    }
}

// An exact offset reaches the instant to the second: Moscow's mean time of
// 1908, UTC+2:30:17 (tz database, Europe/Moscow), at 06:30 is 03:59:43 UT.
TEST(RunReading, AnExactOffsetGivesTheInstantToTheSecond) {
    constexpr int kMoscowMeanTimeSeconds = 2 * 3600 + 30 * 60 + 17;
    const reading::Reading r = reading::RunReading(
        Birth(std::chrono::year{1908} / 7 / 1, entry::ExactOffset{kMoscowMeanTimeSeconds, entry::OffsetSource::TimeZoneDatabase}));
    ASSERT_TRUE(r.instant) << reading::FailedStepsNotice(r);
    EXPECT_EQ(r.utcOffsetSeconds, kMoscowMeanTimeSeconds);
    EXPECT_EQ((std::array{r.instant->ut.hour, r.instant->ut.minute, r.instant->ut.second}), (std::array{3, 59, 43}));
}

TEST(RunReading, AFailedStepLeavesItsPartsEmptyAndTheRestRuns) {
    struct Case {
        const char* label;
        entry::BirthInput birth;
        std::vector<std::string_view> failed;
        std::string sunSign;
    };
    const Case kCases[] = {
        // 31 June is no calendar date: nothing that needs the instant can be made.
        {"no calendar date", Birth(std::chrono::year{1980} / 6 / 31),
         {"instant", "ascendant", "moon", "chart", "houses", "sun_cusp", "nodes", "aspects", "void_of_course"},
         "Cancer"},
        // No zone picked: no instant, rather than a reading at Greenwich.
        {"no zone picked", Birth(std::chrono::year{1980} / 7 / 15, entry::ZoneRowChoice{-1, false}),
         {"zone", "instant", "ascendant", "moon", "chart", "houses", "sun_cusp", "nodes", "aspects", "void_of_course"},
         "Cancer"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        const reading::Reading r = reading::RunReading(c.birth);
        std::vector<std::string_view> failed;
        for (const reading::StepFailure& failure : r.failures) failed.push_back(reading::StepName(failure.step));
        EXPECT_EQ(failed, c.failed);
        // The first failure has its own cause; the steps after it miss its part.
        for (std::size_t k = 0; k < r.failures.size(); ++k) {
            EXPECT_EQ(r.failures[k].reason == Status::Missing, k > 0)
                << failed[k] << ": " << StatusName(r.failures[k].reason) << ", " << r.failures[k].detail;
        }
        EXPECT_EQ(reading::FailedStepsNotice(r).empty(), c.failed.empty()) << reading::FailedStepsNotice(r);
        EXPECT_EQ(r.sunSign ? reading::SignName(*r.sunSign) : "", c.sunSign);
        EXPECT_EQ(r.sunSignProfile != nullptr, !c.sunSign.empty());
        if (c.failed.empty()) continue;
        EXPECT_FALSE(r.chart || r.houses || r.aspects);
        EXPECT_EQ(r.nodeRow, nullptr);
        EXPECT_TRUE(r.RunningText().empty()) << testing::PrintToString(ShowAll(r.RunningText()));
    }
}

}  // namespace
