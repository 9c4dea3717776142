#include "engine/natal_chart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace starwise::engine {
namespace {

BirthMoment Greenwich1980() {
    return {std::chrono::year{1980} / 7 / 15, 6 * 60 + 30, 0, 0.0, 0.0};
}

NatalChart ChartOf(const BirthMoment& birth) {
    const Instant instant = InstantOf(birth);
    return ChartAt(instant, MoonAt(instant), AscendantAt(instant, birth));
}

TEST(ChartAt, BodiesInChartOrderWithTheirTexts) {
    const NatalChart chart = ChartOf(Greenwich1980());
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
    const NatalChart greenwich = ChartOf(Greenwich1980());
    const NatalChart spain = ChartOf(madrid);
    for (int body = 0; body < kReadingBodies; ++body) {
        SCOPED_TRACE(kBodyNames[static_cast<std::size_t>(body)]);
        EXPECT_DOUBLE_EQ(spain.bodies[static_cast<std::size_t>(body)].longitudeDeg,
                         greenwich.bodies[static_cast<std::size_t>(body)].longitudeDeg);
    }
    EXPECT_LT(std::abs(spain.bodies[kAscendant].longitudeDeg - greenwich.bodies[kAscendant].longitudeDeg), 5.0);
}

TEST(InstantOf, RefusesADateThatIsNoCalendarDate) {
    BirthMoment impossible = Greenwich1980();
    impossible.localDate = std::chrono::year{1980} / 4 / 31;
    EXPECT_THROW(InstantOf(impossible), std::invalid_argument);
}

}  // namespace
}  // namespace starwise::engine
