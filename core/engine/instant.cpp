#include "engine/instant.h"

namespace starwise::engine {

Instant InstantOf(const BirthData& birth, const ZoneOffset& zone) {
    Instant instant;
    instant.ut = UniversalDateTimeOf(birth, zone);
    instant.utHoursOnLocalDate = UniversalTimeHours(birth, zone);
    instant.julianDayNumber = JulianDayNumber(birth.month, birth.day, birth.year);
    instant.daysSinceJ2000 =
        DayNumberJ2000(instant.ut.year, instant.ut.month, instant.ut.day, instant.ut.hour, instant.ut.minute);
    return instant;
}

}  // namespace starwise::engine
