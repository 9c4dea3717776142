#include "engine/natal_chart.h"

#include <gtest/gtest.h>

#include <limits>

namespace starwise::engine {
namespace {

BirthMoment Greenwich1980() {
    return {std::chrono::year{1980} / 7 / 15, 6 * 60 + 30, 0, 0.0, 0.0};
}

// The bodies' names, order and position texts, and the same sky for a
// western place on an eastern zone, are compared with an independent
// implementation by cli_matches_oracle (tools/oracle, its fixed cases).

// Every refusal is a status in the result, never an exception.
TEST(ChartOf, RefusesWhatItCannotChartWithAStatus) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        void (*change)(BirthMoment&);
    } cases[] = {
        {"31 April", [](BirthMoment& b) { b.localDate = std::chrono::year{1980} / 4 / 31; }},
        {"clock at 24:00", [](BirthMoment& b) { b.localMinutes = 24 * 60; }},
        {"offset of 25 hours", [](BirthMoment& b) { b.utcOffsetSeconds = 25 * 3600; }},
        {"longitude not a number", [](BirthMoment& b) { b.longitudeDeg = std::numeric_limits<double>::quiet_NaN(); }},
    };
    for (const auto& c : cases) {
        BirthMoment birth = Greenwich1980();
        c.change(birth);
        const Result<NatalChart> chart = ChartOf(birth);
        EXPECT_EQ(chart.status, Status::InvalidInput) << c.what << ": " << StatusName(chart.status);
        EXPECT_FALSE(chart.detail.empty()) << c.what;
    }

    const Instant instant = InstantOf(Greenwich1980()).value;
    Instant farAway = instant;
    farAway.daysSinceJ2000 = 2.0 * kMaxDaysFromJ2000;
    const struct {
        const char* what;
        Instant instant;
        double moonDeg;
        double ascendantDeg;
    } longitudes[] = {
        {"Moon at 360", instant, 360.0, 10.0},
        {"Ascendant not a number", instant, 10.0, nan},
        {"instant too far from J2000", farAway, 10.0, 10.0},
    };
    for (const auto& c : longitudes) {
        const Result<NatalChart> chart = ChartAt(c.instant, c.moonDeg, c.ascendantDeg);
        EXPECT_EQ(chart.status, Status::OutOfRange) << c.what << ": " << StatusName(chart.status);
    }
}

}  // namespace
}  // namespace starwise::engine
