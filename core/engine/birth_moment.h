// What the engine needs of a birth: the local calendar date and clock time,
// the offset of that clock from UTC, and the place on the Earth.
#pragma once

#include <chrono>

namespace starwise::engine {

struct BirthMoment {
    std::chrono::year_month_day localDate{};  // proleptic Gregorian
    int localMinutes = 0;                     // clock time, minutes after local midnight, 0..1439
    int utcOffsetSeconds = 0;                 // local clock = UTC + offset, east positive
    double longitudeDeg = 0.0;                // east positive, -180..180
    double latitudeDeg = 0.0;                 // north positive, -90..90
};

}  // namespace starwise::engine
