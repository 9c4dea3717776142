#include "engine/time_scales.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace starwise::engine {

double UniversalTimeHours(const BirthMoment& birth) {
    constexpr double kSecondsPerHour = 3600.0;
    return (birth.localMinutes * 60 - birth.utcOffsetSeconds) / kSecondsPerHour;
}

UniversalDateTime UniversalDateTimeOf(const BirthMoment& birth) {
    using namespace std::chrono;
    if (!birth.localDate.ok()) throw std::invalid_argument("birth date is not a calendar date");
    const sys_seconds instant =
        sys_days{birth.localDate} + minutes{birth.localMinutes} - seconds{birth.utcOffsetSeconds};
    const sys_days utDay = floor<days>(instant);
    const year_month_day utDate{utDay};
    const hh_mm_ss<seconds> utClock{instant - utDay};
    return UniversalDateTime{int{utDate.year()}, static_cast<int>(unsigned{utDate.month()}),
                             static_cast<int>(unsigned{utDate.day()}), static_cast<int>(utClock.hours().count()),
                             static_cast<int>(utClock.minutes().count()),
                             static_cast<int>(utClock.seconds().count())};
}

double JulianDayNumber(int month, int day, int year) {
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = day + std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) +
               std::floor(m / 48.0) - 32083.0;
    if (j >= 2299171.0) {  // the Julian count of 15 October 1582, the first Gregorian date
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

double DayNumberJ2000(int year, int month, int day, int hour, int minute, int second) {
    double d = 367.0 * year - std::floor(7.0 * (year + std::floor((month + 9) / 12.0)) / 4.0) +
               std::floor(275.0 * month / 9.0) + day - 730531.5;
    d += (hour + minute / 60.0 + second / 3600.0) / 24.0;
    return d;
}

}  // namespace starwise::engine
