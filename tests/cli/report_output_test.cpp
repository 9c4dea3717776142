// The command line's two renderers of a reading, the text report and the
// JSON, for a reading whose nodes step failed: the Karma Profile's fields
// show empty (never a placeholder), the JSON leaves them out, and both tell
// the failure.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <string>
#include <variant>

#include "cli/reading_json.h"
#include "cli/text_report.h"
#include "entry/birth_flags.h"
#include "reading/report_fields.h"

namespace {

using namespace starwise;

// Pune, 15 July 1980, 06:30 Indian time.
reading::Reading WholeReading() {
    const auto birth = entry::BirthInputOfLine("--date 1980-07-15 --time 06:30 --zone 34 --lon 73:51E --lat 18:31N --name ASHA");
    return reading::RunReading(birth.value);
}

reading::Reading WithoutNodes(reading::Reading reading) {
    reading.nodeRow = nullptr;
    reading.failures.push_back({reading::Step::Nodes, Status::Internal, "stand-in failure"});
    return reading;
}

TEST(TextReport, AFailedNodesStepShowsItsFieldsEmptyAndSaysSo) {
    const reading::Reading whole = WholeReading();
    ASSERT_NE(whole.nodeRow, nullptr);
    std::string text;
    cli::AppendTextReport(WithoutNodes(whole), false, text);
    EXPECT_NE(text.find("\nNorth Node Is Placed In: \nKeywords: \n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nSouth Node Is Placed In: \nKeywords: \n"), std::string::npos) << text;
    EXPECT_EQ(text.find(std::string{whole.nodeRow->northKeywords}), std::string::npos) << text;
    EXPECT_NE(text.find(reading::FailedStepsNotice(WithoutNodes(whole))), std::string::npos) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos) << "a CR in the text report";
}

TEST(ReadingJson, AFailedNodesStepLeavesItsControlsOutAndNamesTheStep) {
    std::string line;
    cli::ReadingJsonWriter().AppendReading(WithoutNodes(WholeReading()), nullptr, line);
    rapidjson::Document json;
    json.Parse(line.c_str());
    ASSERT_FALSE(json.HasParseError()) << line;
    for (const auto& piece : json["report"].GetArray()) {
        const std::string control = piece["control"].GetString();
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.group == reading::FieldGroup::NorthNode || field.group == reading::FieldGroup::SouthNode) {
                EXPECT_NE(control, field.control) << line;
            }
        }
    }
    ASSERT_EQ(json["failed_steps"].Size(), 1u) << line;
    EXPECT_STREQ(json["failed_steps"][0].GetString(), "nodes");
    EXPECT_TRUE(json["node_row"].IsNull());
}

}  // namespace
