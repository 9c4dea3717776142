// A whole reading through the driver: the order in which the report is
// written, failed steps skipped, and the Sun sign one reading leaves to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "houses/house_section.h"
#include "reading/aspects.h"
#include "reading/driver.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"
#include "reading/void_of_course.h"
#include "report_pieces.h"

namespace {

using namespace starwise;
using test::ShowAll;

// 15 July 1980, 06:30 Greenwich Mean Time, at 0:00 E, 0:00 N.
entry::EntryFormValues Form(int dayPosition = 14, std::string dayText = "15") {
    return {.nameText = "Ada", .monthPosition = 6, .dayPosition = dayPosition, .dayText = std::move(dayText),
            .yearText = "1980", .hourText = "6", .minuteText = "30", .longitudeDegreesText = "0",
            .longitudeMinutesText = "0", .latitudeDegreesText = "0", .latitudeMinutesText = "0", .zonePosition = 29};
}

// The steps after the engine, each run on its own in the driver's order.
std::vector<std::string> SectionsOneByOne(const engine::NatalChart& chart, bool houseSection) {
    reading::RecordingReportView view;
    houses::HousePlacement placement;
    if (houseSection) houses::ReadHouses(chart, placement, view);
    reading::FillSunSignProfile("Cancer", view);
    reading::FillNodeReading(chart.NorthNodeText, view);
    reading::WriteAspects(chart, view);
    reading::WriteVoidOfCourse(chart, view);
    return ShowAll(view);
}

TEST(RunReading, WritesHousesThenSunSignThenNodesThenAspectsAndVoidOfCourse) {
    reading::ReadingState state;
    reading::RecordingReportView view;
    const std::vector<std::string_view> failed = reading::RunReading(Form(), state, view);
    EXPECT_TRUE(failed.empty()) << "failed steps: " << testing::PrintToString(failed);
    ASSERT_NE(reading::NodeRowFor(state.chart.NorthNodeText), nullptr) << state.chart.NorthNodeText;

    EXPECT_EQ(ShowAll(view), SectionsOneByOne(state.chart, true));
}

TEST(RunReading, AFailedStepIsSkippedAndTheReadingCompletes) {
    // A day text that is no number on the first reading leaves Day at 0, so
    // the chart cannot be computed and its position texts stay empty.
    reading::ReadingState state;
    reading::RecordingReportView view;
    const std::vector<std::string_view> failed = reading::RunReading(Form(14, "x"), state, view);
    // The house section is the last step to fail: every step after it ran.
    EXPECT_EQ(failed.empty() ? "" : failed.back(), "ReadHouses") << testing::PrintToString(failed);
    // No house section and no node rows; the rest as usual.
    EXPECT_EQ(ShowAll(view), SectionsOneByOne(state.chart, false));
    EXPECT_NE(view.RichText().find("between\r\nNot Present\r\n\r\n"), std::string::npos) << view.RichText();
}

TEST(RunReading, NoDaySelectedKeepsTheSignOfThePreviousReading) {
    struct Step { const char* label; int dayPosition; std::string sign; long sunSignPieces; };
    const Step kSteps[] = {
        {"first reading, no day", -1, "", 1}, {"15 July", 14, "Cancer", 9}, {"then no day", -1, "Cancer", 9}};
    reading::ReadingState state;
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.label);
        reading::RecordingReportView view;
        reading::RunReading(Form(s.dayPosition), state, view);
        EXPECT_EQ(view.LastWritten("lblSunSign"), s.sign);
        const std::vector<std::string> written = ShowAll(view);
        EXPECT_EQ(std::count_if(written.begin(), written.end(),
                                [](const std::string& line) { return line.find("SunSign") == 3; }),
                  s.sunSignPieces) << testing::PrintToString(written);
    }
}

}  // namespace
