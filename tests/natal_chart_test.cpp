#include "engine/natal_chart.h"

#include <gtest/gtest.h>

#include "engine/planets.h"
#include "engine/time_scales.h"

namespace starwise::engine {
namespace {

constexpr double kSameValueToleranceDeg = 0.0;  // copied, not recomputed

BirthData Greenwich1980() {
    BirthData birth;
    birth.Year = 1980;
    birth.Month = 7;
    birth.Day = 15;
    birth.Hour = 6;
    birth.Minute = 30;
    return birth;
}

NatalChart ChartOf(const BirthData& birth, const ZoneOffset& zone) {
    EngineWorking working;
    CalculateAscendant(birth, zone, working);
    CalculateMoon(birth, zone, working);
    NatalChart chart;
    CalculatePlanets(birth, zone, working, chart);
    return chart;
}

TEST(CalculatePlanets, BodiesInChartOrderWithTheirTexts) {
    const NatalChart chart = ChartOf(Greenwich1980(), {});
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
        EXPECT_EQ(chart.Bodies[static_cast<std::size_t>(e.body)].BodyName, e.name);
        EXPECT_EQ(chart.PositionText(e.body), e.position);
    }
    EXPECT_EQ(chart.PositionText(kNorthNodeText), "21 Leo 35");
    EXPECT_EQ(chart.PositionText(kSouthNodeText), "21 Aqu 35");
    // The Sun is element row 2 but chart body 0; Mercury row 0 is body 2.
    const double d = DayNumberJ2000(1980, 7, 15, 6, 30);
    EXPECT_NEAR(chart.Bodies[kSun].Longitude, PlanetLongitude(2, d), kSameValueToleranceDeg);
    EXPECT_NEAR(chart.Bodies[kMercury].Longitude, PlanetLongitude(0, d), kSameValueToleranceDeg);
    EXPECT_THROW(chart.PositionText(13), std::out_of_range);
}

TEST(CalculatePlanets, WesternPlaceOnEasternZoneKeepsTheInstant) {
    // Madrid on CET at 07:30 is 06:30 UT: the same Moon and the same sky as
    // the Greenwich chart, the Ascendant moved only by the 3:42 of longitude.
    BirthData madrid = Greenwich1980();
    madrid.Hour = 7;
    madrid.LongitudeDegrees = 3;
    madrid.LongitudeMinutes = 42;
    const NatalChart greenwich = ChartOf(Greenwich1980(), {});
    const NatalChart spain = ChartOf(madrid, {-1, 0});
    for (int body = 0; body < kReadingBodies; ++body) {
        SCOPED_TRACE(kBodyNames[static_cast<std::size_t>(body)]);
        EXPECT_DOUBLE_EQ(spain.Bodies[static_cast<std::size_t>(body)].Longitude,
                         greenwich.Bodies[static_cast<std::size_t>(body)].Longitude);
    }
    EXPECT_LT(std::abs(spain.Bodies[kAscendant].Longitude - greenwich.Bodies[kAscendant].Longitude), 5.0);
}

TEST(CalculatePlanets, FailureLeavesTheChartAsItWas) {
    const NatalChart before = ChartOf(Greenwich1980(), {});
    BirthData impossible = Greenwich1980();
    impossible.Month = 4;
    impossible.Day = 31;
    EngineWorking working;
    CalculateAscendant(impossible, {}, working);
    CalculateMoon(impossible, {}, working);
    NatalChart chart = before;
    EXPECT_THROW(CalculatePlanets(impossible, {}, working, chart), std::invalid_argument);
    for (int body = 0; body < kChartBodies; ++body) {
        SCOPED_TRACE(body);
        EXPECT_EQ(chart.PositionText(body), before.PositionText(body));
    }
}

}  // namespace
}  // namespace starwise::engine
