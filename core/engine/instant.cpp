#include "engine/instant.h"

namespace starwise::engine {

Instant InstantOf(const BirthMoment& birth) {
    Instant instant;
    instant.ut = UniversalDateTimeOf(birth);
    instant.utHoursOnLocalDate = UniversalTimeHours(birth);
    instant.julianDayNumber =
        JulianDayNumber(static_cast<int>(unsigned{birth.localDate.month()}),
                        static_cast<int>(unsigned{birth.localDate.day()}), int{birth.localDate.year()});
    instant.daysSinceJ2000 = DayNumberJ2000(instant.ut.year, instant.ut.month, instant.ut.day, instant.ut.hour,
                                            instant.ut.minute, instant.ut.second);
    return instant;
}

}  // namespace starwise::engine
