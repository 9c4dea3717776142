// The birth details of one reading and the signed offset of its time zone.
#pragma once

#include <cstdint>
#include <string>

namespace starwise::engine {

// Captured from the entry form by the reading driver; read by the engine.
// Numeric fields are 16-bit like the form's integer conversions.
struct BirthData {
    std::string Name;
    std::int16_t Month = 0;             // 1..12
    std::int16_t Day = 0;               // 1..31
    std::int16_t Year = 0;              // 1901..2050
    std::int16_t Hour = 0;              // 0..23, local clock time
    std::int16_t Minute = 0;            // 0..59
    std::int16_t ZoneHours = 0;         // magnitude of the zone offset, hours
    std::int16_t ZoneMinutes = 0;       // magnitude of the zone offset, 0 or 30
    std::int16_t LongitudeDegrees = 0;  // 0..179
    std::int16_t LongitudeMinutes = 0;  // 0..59
    std::int16_t LatitudeDegrees = 0;   // 0..89
    std::int16_t LatitudeMinutes = 0;   // 0..59
    bool IsEast = false;
    bool IsSouth = false;
    bool DaylightSaving = false;
};

// Hours and minutes to ADD to local clock time to get Universal Time:
// positive for zones west of Greenwich. Minutes are 0, +30 or -30 and share
// the sign of the hours.
struct ZoneOffset {
    std::int16_t ZoneOffsetHours = 0;
    std::int16_t ZoneOffsetMinutes = 0;
};

// Geographic longitude in decimal degrees, positive WEST of Greenwich.
double WestLongitudeDeg(const BirthData& birth);

// Geographic latitude in decimal degrees, positive north.
double NorthLatitudeDeg(const BirthData& birth);

}  // namespace starwise::engine
