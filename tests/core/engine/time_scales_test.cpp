#include "engine/time_scales.h"

#include <gtest/gtest.h>

#include "entry/zones.h"
#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kHoursTolerance = 1e-12;
constexpr double kDaysTolerance = 1e-9;
constexpr double kCenturiesTolerance = 1e-12;

BirthData Birth(int year, int month, int day, int hour, int minute, bool dst = false) {
    BirthData birth;
    birth.year = static_cast<std::int16_t>(year);
    birth.month = static_cast<std::int16_t>(month);
    birth.day = static_cast<std::int16_t>(day);
    birth.hour = static_cast<std::int16_t>(hour);
    birth.minute = static_cast<std::int16_t>(minute);
    birth.daylightSaving = dst;
    return birth;
}

struct JdnCase {
    int year, month, day;
    double expected;
};

TEST(JulianDayNumber, KnownDatesAndTheGregorianSwitch) {
    const JdnCase cases[] = {
        {1900, 1, 1, 2415021}, {2000, 1, 1, 2451545}, {1980, 7, 15, 2444436},
        {1582, 10, 15, 2299171},  // last date counted in the Julian calendar
        {1582, 10, 16, 2299162},  // first with the Gregorian correction
        {2050, 12, 31, 2470172}, {1901, 1, 1, 2415386},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected);
    }
}

TEST(Centuries, ZeroAtTheirEpochs) {
    EXPECT_NEAR(CenturiesSinceJ2000(2451545, 12), 0.0, kCenturiesTolerance);
    EXPECT_NEAR(CenturiesSince1900(2415020, 12), 0.0, kCenturiesTolerance);
    EXPECT_NEAR(CenturiesSince1900(2451545, 12), 1.0, kCenturiesTolerance);
    EXPECT_NEAR(CenturiesSinceJ2000(2444436, 6.5), -0.1946401, 1e-7);
}

struct DayNumberCase {
    int year, month, day, hour, minute;
    double expected;
};

TEST(DayNumberJ2000, KnownInstants) {
    const DayNumberCase cases[] = {
        {2000, 1, 1, 12, 0, 0.0},
        {1980, 7, 15, 6, 30, -7109.229166666667},
        {2000, 3, 1, 0, 0, 59.5},
        {1901, 1, 1, 0, 0, -36159.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute);
        EXPECT_NEAR(DayNumberJ2000(c.year, c.month, c.day, c.hour, c.minute), c.expected, kDaysTolerance);
    }
}

struct UtCase {
    const char* what;
    BirthData birth;
    ZoneOffset zone;
    double expectedHours;
};

TEST(UniversalTimeHours, SignedZoneOnTheLocalDate) {
    const UtCase cases[] = {
        {"Greenwich noon", Birth(2000, 1, 1, 12, 0), {0, 0}, 12.0},
        {"New York EDT", Birth(1980, 7, 15, 6, 30, true), {5, 0}, 10.5},
        {"Delhi IST", Birth(1980, 7, 15, 6, 30), {-5, -30}, 1.0},
        {"IST with daylight saving", Birth(1980, 7, 15, 6, 30, true), {-5, -30}, 6.5 - 6.5},
        {"late evening west", Birth(1980, 7, 15, 23, 30), {5, 0}, 28.5},
        {"early morning far east", Birth(1980, 7, 15, 0, 15), {-13, 0}, 0.25 - 13.0},
        {"Newfoundland", Birth(1980, 7, 15, 1, 0), {3, 30}, 4.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(UniversalTimeHours(c.birth, c.zone), c.expectedHours, kHoursTolerance);
    }
}

TEST(UniversalTimeHours, IgnoresTheHemisphereOfThePlace) {
    // Madrid (3:42 W) keeps Central European Time: the instant must not
    // depend on which side of Greenwich the place lies.
    BirthData west = Birth(1990, 5, 1, 14, 0);
    west.longitudeDegrees = 3;
    west.longitudeMinutes = 42;
    west.isEast = false;
    BirthData east = west;
    east.isEast = true;
    const ZoneOffset cet{-1, 0};
    EXPECT_NEAR(UniversalTimeHours(west, cet), 13.0, kHoursTolerance);
    EXPECT_NEAR(UniversalTimeHours(east, cet), 13.0, kHoursTolerance);
}

struct DateTimeCase {
    const char* what;
    BirthData birth;
    ZoneOffset zone;
    UniversalDateTime expected;
};

TEST(UniversalDateTimeOf, RollsOverDaysMonthsAndYears) {
    const DateTimeCase cases[] = {
        {"EST new year", Birth(1999, 12, 31, 22, 0), {5, 0}, {2000, 1, 1, 3, 0}},
        {"western evening", Birth(1980, 7, 15, 23, 30), {5, 0}, {1980, 7, 16, 4, 30}},
        {"eastern morning", Birth(1980, 3, 1, 4, 0), {-5, -30}, {1980, 2, 29, 22, 30}},
        {"daylight saving back over midnight", Birth(1980, 7, 1, 0, 30, true), {0, 0}, {1980, 6, 30, 23, 30}},
        {"minutes roll the hour", Birth(1980, 7, 1, 10, 45), {3, 30}, {1980, 7, 1, 14, 15}},
        {"far east into the previous year", Birth(1950, 1, 1, 5, 0), {-13, 0}, {1949, 12, 31, 16, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const UniversalDateTime ut = UniversalDateTimeOf(c.birth, c.zone);
        EXPECT_EQ(ut.year, c.expected.year);
        EXPECT_EQ(ut.month, c.expected.month);
        EXPECT_EQ(ut.day, c.expected.day);
        EXPECT_EQ(ut.hour, c.expected.hour);
        EXPECT_EQ(ut.minute, c.expected.minute);
    }
}

TEST(UniversalDateTimeOf, RefusesImpossibleDates) {
    for (const BirthData& bad : {Birth(1901, 2, 29, 0, 0), Birth(1980, 4, 31, 0, 0), Birth(1980, 0, 1, 0, 0)}) {
        SCOPED_TRACE(testing::Message() << bad.year << "-" << bad.month << "-" << bad.day);
        EXPECT_THROW(UniversalDateTimeOf(bad, {}), std::invalid_argument);
    }
}

// Both universal-time derivations must name the same instant for every zone,
// hemisphere and daylight-saving choice.
TEST(UniversalTime, BothDerivationsAgreeOnTheInstant) {
    auto random = test::TestRandom();
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
        zone(0, 70), coin(0, 1);
    for (int i = 0; i < 5000; ++i) {
        BirthData birth = Birth(year(random), month(random), day(random), hour(random), minute(random), coin(random));
        birth.isEast = coin(random) == 1;
        birth.longitudeDegrees = static_cast<std::int16_t>(minute(random));
        ZoneOffset offset;
        entry::ZoneCalculation(zone(random), offset);
        const double localJdn = JulianDayNumber(birth.month, birth.day, birth.year);
        const double pathA = localJdn + UniversalTimeHours(birth, offset) / 24.0;
        const UniversalDateTime ut = UniversalDateTimeOf(birth, offset);
        const double pathB = JulianDayNumber(ut.month, ut.day, ut.year) + (ut.hour + ut.minute / 60.0) / 24.0;
        SCOPED_TRACE(testing::Message() << birth.year << "-" << birth.month << "-" << birth.day << " " << birth.hour
                                        << ":" << birth.minute << " zone " << offset.zoneOffsetHours << ":"
                                        << offset.zoneOffsetMinutes << " dst " << birth.daylightSaving);
        EXPECT_NEAR(pathA, pathB, 1e-9);
    }
}

}  // namespace
}  // namespace starwise::engine
