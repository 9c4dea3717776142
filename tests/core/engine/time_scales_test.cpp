#include "engine/time_scales.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kHoursTolerance = 1e-12;
constexpr double kDaysTolerance = 1e-9;
constexpr double kCenturiesTolerance = 1e-12;

// A birth at a local time kept utcOffsetSeconds east of Greenwich.
BirthMoment Birth(int year, int month, int day, int hour, int minute, int utcOffsetSeconds) {
    return {std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                std::chrono::day{static_cast<unsigned>(day)},
            hour * 60 + minute, utcOffsetSeconds, 0.0, 0.0};
}

constexpr int kHour = 3600;
constexpr int kMinute = 60;

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
    int year, month, day, hour, minute, second;
    double expected;
};

TEST(DayNumberJ2000, KnownInstants) {
    const DayNumberCase cases[] = {
        {2000, 1, 1, 12, 0, 0, 0.0},
        {1980, 7, 15, 6, 30, 0, -7109.229166666667},
        {2000, 3, 1, 0, 0, 0, 59.5},
        {1901, 1, 1, 0, 0, 0, -36159.5},
        {2000, 1, 1, 12, 0, 36, 36.0 / 86400.0},  // seconds count too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute);
        EXPECT_NEAR(DayNumberJ2000(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected, kDaysTolerance);
    }
}

struct UtCase {
    const char* what;
    BirthMoment birth;
    double expectedHours;
};

TEST(UniversalTimeHours, SignedOffsetOnTheLocalDate) {
    const UtCase cases[] = {
        {"Greenwich noon", Birth(2000, 1, 1, 12, 0, 0), 12.0},
        {"New York EDT", Birth(1980, 7, 15, 6, 30, -4 * kHour), 10.5},
        {"Delhi IST", Birth(1980, 7, 15, 6, 30, 5 * kHour + 30 * kMinute), 1.0},
        {"late evening west", Birth(1980, 7, 15, 23, 30, -5 * kHour), 28.5},
        {"early morning far east", Birth(1980, 7, 15, 0, 15, 13 * kHour), 0.25 - 13.0},
        {"Newfoundland", Birth(1980, 7, 15, 1, 0, -(3 * kHour + 30 * kMinute)), 4.5},
        {"Moscow mean time, seconds", Birth(1908, 7, 1, 12, 0, 2 * kHour + 30 * kMinute + 17), 12.0 - 9017.0 / 3600.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(UniversalTimeHours(c.birth), c.expectedHours, kHoursTolerance);
    }
}

struct DateTimeCase {
    const char* what;
    BirthMoment birth;
    UniversalDateTime expected;
};

TEST(UniversalDateTimeOf, RollsOverDaysMonthsAndYears) {
    const DateTimeCase cases[] = {
        {"EST new year", Birth(1999, 12, 31, 22, 0, -5 * kHour), {2000, 1, 1, 3, 0, 0}},
        {"western evening", Birth(1980, 7, 15, 23, 30, -5 * kHour), {1980, 7, 16, 4, 30, 0}},
        {"eastern morning", Birth(1980, 3, 1, 4, 0, 5 * kHour + 30 * kMinute), {1980, 2, 29, 22, 30, 0}},
        {"back over midnight", Birth(1980, 7, 1, 0, 30, kHour), {1980, 6, 30, 23, 30, 0}},
        {"minutes roll the hour", Birth(1980, 7, 1, 10, 45, -(3 * kHour + 30 * kMinute)), {1980, 7, 1, 14, 15, 0}},
        {"far east into the previous year", Birth(1950, 1, 1, 5, 0, 13 * kHour), {1949, 12, 31, 16, 0, 0}},
        {"offset with seconds", Birth(1908, 1, 1, 0, 0, 2 * kHour + 30 * kMinute + 17), {1907, 12, 31, 21, 29, 43}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const UniversalDateTime ut = UniversalDateTimeOf(c.birth);
        EXPECT_EQ(ut.year, c.expected.year);
        EXPECT_EQ(ut.month, c.expected.month);
        EXPECT_EQ(ut.day, c.expected.day);
        EXPECT_EQ(ut.hour, c.expected.hour);
        EXPECT_EQ(ut.minute, c.expected.minute);
        EXPECT_EQ(ut.second, c.expected.second);
    }
}

TEST(UniversalDateTimeOf, RefusesImpossibleDates) {
    for (const BirthMoment& bad : {Birth(1901, 2, 29, 0, 0, 0), Birth(1980, 4, 31, 0, 0, 0), Birth(1980, 0, 1, 0, 0, 0)}) {
        SCOPED_TRACE(testing::Message() << int{bad.localDate.year()} << "-" << unsigned{bad.localDate.month()} << "-"
                                        << unsigned{bad.localDate.day()});
        EXPECT_THROW(UniversalDateTimeOf(bad), std::invalid_argument);
    }
}

// Both universal-time derivations must name the same instant for every zone,
// hemisphere and daylight-saving choice.
TEST(UniversalTime, BothDerivationsAgreeOnTheInstant) {
    auto random = test::TestRandom();
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59),
        offsetSeconds(-16 * kHour, 16 * kHour);
    for (int i = 0; i < 5000; ++i) {
        const int y = year(random), mo = month(random), d = day(random), h = hour(random), mi = minute(random);
        const BirthMoment birth = Birth(y, mo, d, h, mi, offsetSeconds(random));
        const double pathA = JulianDayNumber(mo, d, y) + UniversalTimeHours(birth) / 24.0;
        const UniversalDateTime ut = UniversalDateTimeOf(birth);
        const double pathB =
            JulianDayNumber(ut.month, ut.day, ut.year) + (ut.hour + ut.minute / 60.0 + ut.second / 3600.0) / 24.0;
        SCOPED_TRACE(testing::Message() << y << "-" << mo << "-" << d << " " << h << ":" << mi << " offset "
                                        << birth.utcOffsetSeconds << " s");
        EXPECT_NEAR(pathA, pathB, 1e-9);
    }
}

}  // namespace
}  // namespace starwise::engine
