// Time scales derived from the birth data: universal time, Julian day
// numbers, Julian centuries and the day number from J2000.
#pragma once

#include "engine/birth_moment.h"

namespace starwise::engine {

// Universal time in hours on the LOCAL calendar date, used for the Moon and
// the Ascendant: (local seconds - UTC offset seconds) / 3600. Not brought
// into 0..24: the caller adds hours/24 to the Julian day number of the local
// date, which carries the day over. Range about -16..+40 hours.
double UniversalTimeHours(const BirthMoment& birth);

// Universal calendar date and time of the birth, to the second.
struct UniversalDateTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

// Local date and time minus the UTC offset, with full Gregorian calendar
// arithmetic (used for the Sun and planets). Throws std::invalid_argument
// when the local date is not a calendar date.
UniversalDateTime UniversalDateTimeOf(const BirthMoment& birth);

// Julian day number (a whole number, the day count at noon) of a calendar
// date, in the calendar in force on it: the Julian calendar up to Thursday
// 4 October 1582 (JDN 2299160), the Gregorian from Friday 15 October 1582
// (JDN 2299161), the next day. The date is first counted in the Julian
// calendar; a count of 2299171 or more (15 October 1582 or later) takes the
// Gregorian correction. The ten dates 5 to 14 October 1582 were never used;
// they are read in the Julian calendar, as Meeus, Astronomical Algorithms,
// 2nd ed., ch. 7 reads every date before 15 October 1582, and so give the
// numbers of 15 to 24 October (2299161 to 2299170).
// 1 January 2000 -> 2451545.
double JulianDayNumber(int month, int day, int year);

// Julian centuries from 1899 December 31, 12:00 UT: (jdn - 2415020 + ut/24 - 0.5) / 36525.
double CenturiesSince1900(double jdn, double utHours);

// Julian centuries from J2000 (2000 January 1, 12:00 UT): (jdn - 2451545 + ut/24 - 0.5) / 36525.
double CenturiesSinceJ2000(double jdn, double utHours);

// Days from 2000 January 1, 12:00 UT:
// 367y - Int(7(y + Int((mo+9)/12))/4) + Int(275mo/9) + dd - 730531.5
//   + (h + mi/60 + s/3600)/24.
// Counts every fourth year as leap, so it matches the Gregorian calendar
// from 1 March 1900 to 28 February 2100.
double DayNumberJ2000(int year, int month, int day, int hour, int minute, int second);

}  // namespace starwise::engine
