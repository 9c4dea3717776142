// The instant of a birth, computed once per reading: universal time on the
// local date (for the Moon and the Ascendant) and the universal calendar
// date and time with its day number from J2000 (for the Sun, the planets and
// the nodes).
#pragma once

#include "engine/birth_moment.h"
#include "result/result.h"
#include "engine/time_scales.h"

namespace starwise::engine {

struct Instant {
    double utHoursOnLocalDate = 0.0;  // hours, about -16..+40 (see UniversalTimeHours)
    double julianDayNumber = 0.0;     // whole day number of the LOCAL calendar date
    UniversalDateTime ut;             // universal date and time, to the second
    double daysSinceJ2000 = 0.0;      // days from 2000 January 1, 12:00 UT, of ut
};

// Both universal-time paths of a birth. Fails with InvalidInput when the
// local date is not a calendar date, the clock time is outside 0..1439
// minutes, the offset is beyond 24 hours either way, or the place is not a
// finite longitude and latitude (the Ascendant's step reads them).
Result<Instant> InstantOf(const BirthMoment& birth);

}  // namespace starwise::engine
