// The report's description: every field row in its FieldId's place with a
// control of its own, and no field shows anything for a part that failed.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "entry/zones.h"
#include "reading/report_fields.h"

namespace {

using namespace starwise;

// 15 July 1980, 06:30 Greenwich Mean Time, at 0:00 E, 0:00 N.
reading::Reading WholeReading() {
    return reading::RunReading({.name = "Ada", .localDate = std::chrono::year{1980} / 7 / 15, .localMinutes = 6 * 60 + 30,
                                .zone = entry::ZoneRowChoice{entry::kGreenwichZonePosition, false}, .placeLabel = {}});
}

TEST(ReportFields, OneRowPerFieldInItsPlaceEachWithItsOwnControl) {
    std::set<std::string_view> controls;
    std::set<int> fillOrders;
    for (std::size_t i = 0; i < reading::kReportFields.size(); ++i) {
        const reading::ReportField& field = reading::kReportFields[i];
        EXPECT_EQ(static_cast<std::size_t>(field.id), i) << field.control;
        EXPECT_TRUE(controls.insert(field.control).second) << "control named twice: " << field.control;
        if (field.fillOrder >= 0) {
            EXPECT_TRUE(fillOrders.insert(field.fillOrder).second) << field.control;
        }
    }
}

// A reading whose parts are all missing, as after failed steps: every field
// reads empty and none counts as present, while a whole reading fills them.
TEST(ReportFields, EmptyWhenThePartIsMissing) {
    const reading::Reading whole = WholeReading();
    ASSERT_TRUE(whole.failures.empty()) << reading::FailedStepsNotice(whole);
    reading::Reading failed;
    failed.failures.push_back({reading::Step::SunSign, Status::Internal, "stand-in"});
    for (const reading::ReportField& field : reading::kReportFields) {
        EXPECT_FALSE(field.read(whole).empty()) << field.control;
        EXPECT_TRUE(field.present(whole)) << field.control;
        EXPECT_EQ(field.read(failed), "") << field.control;
        EXPECT_FALSE(field.present(failed)) << field.control;
    }
}

}  // namespace
