#include "engine/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kHoursTolerance = 1e-12;
constexpr double kDaysTolerance = 1e-9;
// Meeus prints T to twelve decimals.
constexpr double kCenturiesTolerance = 1e-12;

// A birth at a local time kept utcOffsetSeconds east of Greenwich.
BirthMoment Birth(int year, int month, int day, int hour, int minute, int utcOffsetSeconds) {
    return {std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                std::chrono::day{static_cast<unsigned>(day)},
            hour * 60 + minute, utcOffsetSeconds, 0.0, 0.0};
}

constexpr int kHour = 3600;
constexpr int kMinute = 60;

// A row of tests/data/julian_dates.csv (Meeus, Astronomical Algorithms, ch. 7).
struct MeeusDate {
    int year, month, day;
    double dayFraction;
    double julianDate;
};

std::vector<MeeusDate> MeeusDates() {
    std::vector<MeeusDate> dates;
    for (const auto& row : test::ReadNumberTable("julian_dates.csv")) {
        dates.push_back({static_cast<int>(row.at(0)), static_cast<int>(row.at(1)), static_cast<int>(row.at(2)),
                         row.at(3), row.at(4)});
    }
    return dates;
}

// The Julian day number is the Julian date at noon of the same date; the
// reform rows: 4 October 1582 (Julian) 2299160, then 15 October (Gregorian)
// 2299161.
TEST(JulianDayNumber, MeeusDatesAndTheCalendarReform) {
    const std::vector<MeeusDate> dates = MeeusDates();
    ASSERT_GE(dates.size(), 14u);
    for (const MeeusDate& date : dates) {
        const double expected = std::floor(date.julianDate + 0.5);
        EXPECT_DOUBLE_EQ(JulianDayNumber(date.month, date.day, date.year), expected)
            << date.year << "-" << date.month << "-" << date.day << " (JD " << date.julianDate << " at day "
            << date.day + date.dayFraction << ")";
    }
}

// The ten dates the reform skipped are read in the Julian calendar (the
// function's comment): 5 October gives the number of 15 October.
TEST(JulianDayNumber, SkippedDatesReadInTheJulianCalendar) {
    EXPECT_DOUBLE_EQ(JulianDayNumber(10, 5, 1582), 2299161.0);
    EXPECT_DOUBLE_EQ(JulianDayNumber(10, 14, 1582), 2299170.0);
}

// The day number is the Julian date less 2451545.0 (J2000.0), for the Meeus
// dates inside its range (1 March 1900 to 28 February 2100) that fall on a
// whole minute.
TEST(DayNumberJ2000, MeeusDatesInItsRange) {
    int compared = 0;
    for (const MeeusDate& date : MeeusDates()) {
        const double minutes = date.dayFraction * 1440.0;
        if (date.year <= 1900 || date.year >= 2100 || minutes != std::round(minutes)) continue;
        const int minuteOfDay = static_cast<int>(minutes);
        const double expected = date.julianDate - 2451545.0;
        const double actual = DayNumberJ2000(date.year, date.month, date.day, minuteOfDay / 60, minuteOfDay % 60, 0);
        EXPECT_NEAR(actual, expected, kDaysTolerance)
            << date.year << "-" << date.month << "-" << date.day << " " << minuteOfDay << " min: expected "
            << expected << ", actual " << actual;
        ++compared;
    }
    EXPECT_GE(compared, 6);
}

// T of Meeus, Example 22.a (tests/data/mean_lunar_node.csv); J2000.0 is
// 36525 days, one Julian century, after J1900.0 (1899 December 31, 12h).
TEST(Centuries, MeeusExample22aAndTheEpochs) {
    const auto rows = test::ReadNumberTable("mean_lunar_node.csv");
    ASSERT_FALSE(rows.empty());
    const double jdn = std::floor(rows[0].at(0) + 0.5);  // 0h of the date is 12 hours before its noon
    EXPECT_NEAR(CenturiesSinceJ2000(jdn, 0.0), rows[0].at(1), kCenturiesTolerance) << "JD " << rows[0].at(0);
    EXPECT_NEAR(CenturiesSince1900(2451545, 12), 1.0, kCenturiesTolerance);
}

// Seconds of an exact offset reach the day number: 36 s after J2000.0.
TEST(DayNumberJ2000, SecondsCount) {
    EXPECT_NEAR(DayNumberJ2000(2000, 1, 1, 12, 0, 36), 36.0 / 86400.0, kDaysTolerance);
}

struct UtCase {
    const char* what;
    BirthMoment birth;
    double expectedHours;
};

// Greenwich, New York on EDT, Delhi on IST and EST's new year are among
// cli_matches_oracle's fixed cases, compared to 1e-9 hour.
TEST(UniversalTimeHours, SignedOffsetOnTheLocalDate) {
    const UtCase cases[] = {
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
        EXPECT_NEAR(pathA, pathB, kDaysTolerance);
    }
}

}  // namespace
}  // namespace starwise::engine
