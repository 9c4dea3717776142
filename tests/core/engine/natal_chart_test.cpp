#include "engine/natal_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace starwise::engine {
namespace {

BirthMoment Greenwich1980() {
    return {std::chrono::year{1980} / 7 / 15, 6 * 60 + 30, 0, 0.0, 0.0};
}

NatalChart ChartOrEmpty(const BirthMoment& birth) {
    Result<NatalChart> chart = ChartOf(birth);
    EXPECT_TRUE(chart.Ok()) << chart.detail;
    return std::move(chart.value);
}

TEST(ChartAt, BodiesInChartOrderWithTheirTexts) {
    const NatalChart chart = ChartOrEmpty(Greenwich1980());
    const struct {
        int body;
        const char* name;
        const char* position;
    } expected[] = {
        {kSun, "Sun", "22 Can 55"},         {kMoon, "Moon", "28 Leo 05"},       {kMercury, "Mercury", "17 Can 28"},
        {kVenus, "Venus", "17 Gem 20"},     {kMars, "Mars", "02 Lib 33"},       {kJupiter, "Jupiter", "08 Vir 28"},
        {kSaturn, "Saturn", "22 Vir 33"},   {kUranus, "Uranus", "21 Sco 36"},   {kNeptune, "Neptune", "20 Sag 28"},
        {kPluto, "Pluto", "19 Lib 03"},     {kAscendant, "Ascendant", "28 Can 38"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(chart.bodies[static_cast<std::size_t>(e.body)].name, e.name);
        EXPECT_EQ(chart.bodies[static_cast<std::size_t>(e.body)].positionText, e.position);
    }
    EXPECT_EQ(chart.northNodeText, "21 Leo 35");
    EXPECT_EQ(chart.southNodeText, "21 Aqu 35");
}

TEST(ChartAt, WesternPlaceOnEasternZoneKeepsTheInstant) {
    // Madrid on CET at 07:30 is 06:30 UT: the same Moon and the same sky as
    // the Greenwich chart, the Ascendant moved only by the 3:42 of longitude.
    // Neither universal time may depend on the side of Greenwich the place lies.
    BirthMoment madrid = Greenwich1980();
    madrid.localMinutes = 7 * 60 + 30;
    madrid.utcOffsetSeconds = 3600;
    madrid.longitudeDeg = -(3 + 42 / 60.0);
    const NatalChart greenwich = ChartOrEmpty(Greenwich1980());
    const NatalChart spain = ChartOrEmpty(madrid);
    for (int body = 0; body < kReadingBodies; ++body) {
        SCOPED_TRACE(kBodyNames[static_cast<std::size_t>(body)]);
        EXPECT_DOUBLE_EQ(spain.bodies[static_cast<std::size_t>(body)].longitudeDeg,
                         greenwich.bodies[static_cast<std::size_t>(body)].longitudeDeg);
    }
    EXPECT_LT(std::abs(spain.bodies[kAscendant].longitudeDeg - greenwich.bodies[kAscendant].longitudeDeg), 5.0);
}

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
