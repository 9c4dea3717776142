#include "engine/instant.h"

#include <cmath>

namespace starwise::engine {

Result<Instant> InstantOf(const BirthMoment& birth) {
    constexpr int kMinutesPerDay = 24 * 60;
    constexpr int kMaxOffsetSeconds = 24 * 3600;
    if (!birth.localDate.ok()) return Result<Instant>::Failed(Status::InvalidInput, "birth date is not a calendar date");
    if (birth.localMinutes < 0 || birth.localMinutes >= kMinutesPerDay) {
        return Result<Instant>::Failed(Status::InvalidInput, "clock time outside 00:00..23:59");
    }
    if (birth.utcOffsetSeconds < -kMaxOffsetSeconds || birth.utcOffsetSeconds > kMaxOffsetSeconds) {
        return Result<Instant>::Failed(Status::InvalidInput, "UTC offset beyond 24 hours");
    }
    if (!std::isfinite(birth.longitudeDeg) || !std::isfinite(birth.latitudeDeg)) {
        return Result<Instant>::Failed(Status::InvalidInput, "birth place is not a finite longitude and latitude");
    }
    Instant instant;
    instant.ut = UniversalDateTimeOf(birth);
    instant.utHoursOnLocalDate = UniversalTimeHours(birth);
    instant.julianDayNumber =
        JulianDayNumber(static_cast<int>(unsigned{birth.localDate.month()}),
                        static_cast<int>(unsigned{birth.localDate.day()}), int{birth.localDate.year()});
    instant.daysSinceJ2000 = DayNumberJ2000(instant.ut.year, instant.ut.month, instant.ut.day, instant.ut.hour,
                                            instant.ut.minute, instant.ut.second);
    return Result<Instant>::Of(instant);
}

}  // namespace starwise::engine
