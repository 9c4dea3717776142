#include "engine/ascendant.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/time_scales.h"

namespace starwise::engine {

AscendantResult Ascendant(double julianDayNumber, double utHours, double westLongitudeDeg,
                          double northLatitudeDeg) {
    const double t = CenturiesSince1900(julianDayNumber, utHours);
    double siderealDeg = 15.0 * (6.6460656 + 2400.0513 * t + 0.0000258 * t * t + utHours) - westLongitudeDeg;
    if (siderealDeg >= 360.0) siderealDeg = std::fmod(siderealDeg, 360.0);  // negative values only enter sin/cos
    const double ramc = siderealDeg * kRadiansPerDegree;
    const double obliquity = (23.452294 - 0.0130125 * t) * kRadiansPerDegree;

    double angle = AngleOf(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                             std::sin(obliquity) * std::tan(northLatitudeDeg * kRadiansPerDegree)));
    if (angle < 0) angle += kPi;
    if (std::cos(ramc) < 0) angle += kPi;
    double ascendantDeg = angle * kDegreesPerRadian;
    while (ascendantDeg >= 360.0) ascendantDeg -= 360.0;
    ascendantDeg = Normalize360(ascendantDeg);

    // Keep the rising point: a point west of the meridian is the Descendant.
    const double ascendantRad = ascendantDeg * kRadiansPerDegree;
    const double rightAscension =
        std::atan2(std::sin(ascendantRad) * std::cos(obliquity), std::cos(ascendantRad));
    if (std::sin(ramc - rightAscension) > 0) {
        ascendantDeg = ReduceDegrees(ascendantDeg + 180.0);
    }
    return {siderealDeg, obliquity, ascendantDeg};
}

}  // namespace starwise::engine
