// A whole reading through the driver: the order in which the report is
// written, failed steps skipped, and what one reading leaves to the next.
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
#include "reading/recording_view.h"
#include "reading/sun_sign.h"
#include "reading/void_of_course.h"

namespace {

using namespace starwise;
using reading::ReportPiece;

// 15 July 1980, 06:30 Greenwich Mean Time, at 0:00 E, 0:00 N.
entry::EntryFormValues Form(int month = 6, int day = 14, std::string hour = "6") {
    entry::EntryFormValues form;
    form.nameText = "Ada";
    form.monthPosition = month;
    form.dayPosition = day;
    form.dayText = std::to_string(day + 1);
    form.yearText = "1980";
    form.hourText = std::move(hour);
    form.minuteText = "30";
    form.longitudeDegreesText = "0";
    form.longitudeMinutesText = "0";
    form.latitudeDegreesText = "0";
    form.latitudeMinutesText = "0";
    form.zonePosition = 29;
    return form;
}

std::string Show(const ReportPiece& piece) {
    static constexpr std::string_view kColours[] = {"black", "green", "red", "blue"};
    if (piece.kind == ReportPiece::Kind::Picture) return piece.control + " #" + std::to_string(piece.pictureNumber);
    std::string line = piece.control;
    if (piece.kind == ReportPiece::Kind::Styled) {
        line += piece.style.bold ? " bold " : " plain ";
        line += kColours[static_cast<int>(piece.style.colour)];
        if (piece.style.pointSize) line += " " + std::to_string(*piece.style.pointSize) + "pt";
    }
    return line + " | " + piece.text;
}

std::vector<std::string> ShowAll(const std::vector<ReportPiece>& pieces) {
    std::vector<std::string> shown;
    for (const ReportPiece& piece : pieces) shown.push_back(Show(piece));
    return shown;
}

// What the steps after the engine write for a given chart and Sun sign,
// each section written on its own, in the driver's order.
std::vector<std::string> SectionsOneByOne(const engine::NatalChart& chart, std::string_view sign, bool houseSection) {
    reading::RecordingReportView view;
    houses::HousePlacement placement;
    if (houseSection) houses::ReadHouses(chart, placement, view);
    reading::FillSunSignProfile(sign, view);
    reading::FillNodeReading(chart.NorthNodeText, view);
    reading::WriteAspects(chart, view);
    reading::WriteVoidOfCourse(chart, view);
    return ShowAll(view.Pieces());
}

TEST(RunReading, WritesHousesThenSunSignThenNodesThenAspectsAndVoidOfCourse) {
    reading::ReadingState state;
    reading::RecordingReportView view;
    const std::vector<std::string_view> failed = reading::RunReading(Form(), state, view);
    EXPECT_TRUE(failed.empty()) << "failed steps: " << testing::PrintToString(failed);
    ASSERT_EQ(state.chart.PositionText(engine::kSun).substr(3, 3), "Can") << state.chart.PositionText(engine::kSun);
    ASSERT_NE(reading::NodeRowFor(state.chart.NorthNodeText), nullptr) << state.chart.NorthNodeText;

    const std::vector<std::string> written = ShowAll(view.Pieces());
    EXPECT_EQ(written, SectionsOneByOne(state.chart, "Cancer", true));
    ASSERT_GT(written.size(), 26u);
    EXPECT_TRUE(written.front().starts_with("RTBHouseDesc bold green 11pt | Planet")) << written.front();
    EXPECT_EQ(written[written.size() - 26], "lblSunSign | Cancer");
    EXPECT_EQ(written[written.size() - 18], "picSunSign #4");
    EXPECT_TRUE(written[written.size() - 17].starts_with("lblNorthSign | ")) << written[written.size() - 17];
    EXPECT_EQ(written[written.size() - 11], "RTBHouseDesc bold green 11pt | Planetary Aspects Interpration\r\n\r\n");
}

TEST(RunReading, AFailedStepIsSkippedAndTheReadingCompletes) {
    // A day text that is no number on the first reading leaves Day at 0, so
    // the chart cannot be computed and its position texts stay empty.
    entry::EntryFormValues form = Form();
    form.dayText = "x";
    reading::ReadingState state;
    reading::RecordingReportView view;
    const std::vector<std::string_view> failed = reading::RunReading(form, state, view);

    EXPECT_NE(std::find(failed.begin(), failed.end(), "ReadHouses"), failed.end())
        << "failed steps: " << testing::PrintToString(failed);
    for (const std::string_view later :
         {"ChooseSunSign", "FillSunSignProfile", "FillNodeReading", "WriteAspects", "WriteVoidOfCourse"}) {
        EXPECT_EQ(std::find(failed.begin(), failed.end(), later), failed.end()) << later << " failed";
    }
    // No house section and no node rows; the rest as usual.
    EXPECT_EQ(ShowAll(view.Pieces()), SectionsOneByOne(state.chart, "Cancer", false));
    EXPECT_NE(view.RichText().find("between\r\nNot Present\r\n\r\n"), std::string::npos) << view.RichText();
}

TEST(RunReading, NoDaySelectedKeepsTheSignOfThePreviousReading) {
    struct Step { const char* label; int dayPosition; std::string sign; std::size_t sunSignPieces; };
    const Step kSteps[] = {
        {"first reading, no day", -1, "", 1},  // only lblSunSign, empty
        {"15 July", 14, "Cancer", 9},
        {"then no day", -1, "Cancer", 9},
    };
    reading::ReadingState state;
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.label);
        entry::EntryFormValues form = Form();
        form.dayPosition = s.dayPosition;
        reading::RecordingReportView view;
        reading::RunReading(form, state, view);
        EXPECT_EQ(view.LastWritten("lblSunSign"), s.sign);
        const auto count = std::count_if(view.Pieces().begin(), view.Pieces().end(), [](const ReportPiece& p) {
            return p.control.starts_with("lblSunSign") || p.control.starts_with("txtSunSign") ||
                   p.control == "picSunSign";
        });
        EXPECT_EQ(static_cast<std::size_t>(count), s.sunSignPieces);
    }
}

TEST(RunReading, TwoReadingsLeaveNoPlacementFlagBehind) {
    // 15 July 1980 06:30, then 4 January 1980 18:30: the first places bodies
    // in houses where the second has none.
    const entry::EntryFormValues forms[] = {Form(6, 14, "6"), Form(0, 3, "18")};
    reading::ReadingState state;
    reading::RecordingReportView first, second;
    reading::RunReading(forms[0], state, first);
    const houses::HousePlacement afterFirst = state.placement;
    reading::RunReading(forms[1], state, second);

    houses::HousePlacement fresh;
    reading::RecordingReportView freshView;
    houses::ReadHouses(state.chart, fresh, freshView);
    bool differs = false;
    for (int b = 0; b < engine::kReadingBodies; ++b) {
        differs |= afterFirst.IsReported(b) && !fresh.IsReported(b);
    }
    ASSERT_TRUE(differs) << "pick births whose reported bodies differ";
    EXPECT_EQ(state.placement.inFourth, fresh.inFourth);
    EXPECT_EQ(state.placement.inEighth, fresh.inEighth);
    EXPECT_EQ(state.placement.inTwelfth, fresh.inTwelfth);
    EXPECT_EQ(state.placement.houseOccupied, fresh.houseOccupied);
    const auto& pieces = second.Pieces();
    ASSERT_GT(pieces.size(), freshView.Pieces().size());
    const std::vector<ReportPiece> houseSection(pieces.begin(), pieces.begin() + freshView.Pieces().size());
    EXPECT_EQ(ShowAll(houseSection), ShowAll(freshView.Pieces()));
    EXPECT_EQ(pieces[freshView.Pieces().size()].control, "lblSunSign");
}

}  // namespace
