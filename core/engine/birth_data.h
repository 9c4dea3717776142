// The birth details of one reading and the signed offset of its time zone.
#pragma once

#include <cstdint>
#include <string>

namespace starwise::engine {

// Captured from the entry form by entry::CaptureBirthData; read by the engine.
// Numeric fields are 16-bit like the form's integer conversions.
struct BirthData {
    std::string name;
    std::int16_t month = 0;             // 1..12
    std::int16_t day = 0;               // 1..31
    std::int16_t year = 0;              // 1901..2050
    std::int16_t hour = 0;              // 0..23, local clock time
    std::int16_t minute = 0;            // 0..59
    std::int16_t zoneHours = 0;         // magnitude of the zone offset, hours
    std::int16_t zoneMinutes = 0;       // magnitude of the zone offset, 0 or 30
    std::int16_t longitudeDegrees = 0;  // 0..179
    std::int16_t longitudeMinutes = 0;  // 0..59
    std::int16_t latitudeDegrees = 0;   // 0..89
    std::int16_t latitudeMinutes = 0;   // 0..59
    bool isEast = false;
    bool isSouth = false;
    bool daylightSaving = false;
};

// Hours and minutes to ADD to local clock time to get Universal Time:
// positive for zones west of Greenwich. Minutes are 0, +30 or -30 and share
// the sign of the hours.
struct ZoneOffset {
    std::int16_t zoneOffsetHours = 0;
    std::int16_t zoneOffsetMinutes = 0;
};

// Geographic longitude in decimal degrees, positive WEST of Greenwich.
double WestLongitudeDeg(const BirthData& birth);

// Geographic latitude in decimal degrees, positive north.
double NorthLatitudeDeg(const BirthData& birth);

}  // namespace starwise::engine
