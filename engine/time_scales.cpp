#include "engine/time_scales.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace starwise::engine {

double WestLongitudeDeg(const BirthData& birth) {
    const double degrees = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    return birth.IsEast ? -degrees : degrees;
}

double NorthLatitudeDeg(const BirthData& birth) {
    const double degrees = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    return birth.IsSouth ? -degrees : degrees;
}

double UniversalTimeHours(const BirthData& birth, const ZoneOffset& zone) {
    double utHours = birth.Hour + birth.Minute / 60.0 + zone.ZoneOffsetHours +
                     zone.ZoneOffsetMinutes / 60.0;
    if (birth.DaylightSaving) utHours -= 1.0;
    return utHours;
}

UniversalDateTime UniversalDateTimeOf(const BirthData& birth, const ZoneOffset& zone) {
    using namespace std::chrono;
    const year_month_day localDate{year{birth.Year}, month{static_cast<unsigned>(birth.Month)},
                                   day{static_cast<unsigned>(birth.Day)}};
    if (birth.Month < 1 || birth.Day < 1 || !localDate.ok()) {
        throw std::invalid_argument("birth date is not a calendar date");
    }
    sys_time<minutes> instant = sys_days{localDate} + hours{birth.Hour} + minutes{birth.Minute};
    instant += hours{zone.ZoneOffsetHours};
    instant += minutes{zone.ZoneOffsetMinutes};
    if (birth.DaylightSaving) instant -= hours{1};

    const sys_days utDay = floor<days>(instant);
    const year_month_day utDate{utDay};
    const hh_mm_ss<minutes> utClock{instant - utDay};
    return UniversalDateTime{int{utDate.year()}, static_cast<int>(unsigned{utDate.month()}),
                             static_cast<int>(unsigned{utDate.day()}),
                             static_cast<int>(utClock.hours().count()),
                             static_cast<int>(utClock.minutes().count())};
}

double JulianDayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = day + std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) +
               std::floor(m / 48.0) - 32083.0;
    if (j > 2299171.0) {
        j += std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

double CenturiesSince1900(double jdn, double utHours) {
    return (jdn - 2415020.0 + utHours / 24.0 - 0.5) / 36525.0;
}

double CenturiesSinceJ2000(double jdn, double utHours) {
    return (jdn - 2451545.0 + utHours / 24.0 - 0.5) / 36525.0;
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute) {
    double d = 367.0 * year - std::floor(7.0 * (year + std::floor((month + 9) / 12.0)) / 4.0) +
               std::floor(275.0 * month / 9.0) + day - 730531.5;
    d += (hour + minute / 60.0) / 24.0;
    return d;
}

}  // namespace starwise::engine
