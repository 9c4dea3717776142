// Local sidereal time, obliquity and the Ascendant.
#pragma once

namespace starwise::engine {

struct AscendantResult {
    double localSiderealTimeDeg;  // theta, reduced below 360 (may stay negative)
    double obliquityRad;          // epsilon
    double ascendantDeg;          // [0, 360)
};

// Ascendant of a birth from the Julian day number of the local date, the
// universal time in hours on that date (not brought into 0..24), the west
// longitude and the north latitude in degrees.
//   T = centuries since 1899 Dec 31 12h UT (jdn, ut)
//   theta = 15 (6.6460656 + 2400.0513 T + 0.0000258 T^2 + UT) - longitude
//   epsilon = 23.452294 - 0.0130125 T degrees
//   Asc = atan2(cos RAMC, -(sin RAMC cos eps + sin eps tan phi))
// The horizon meets the ecliptic in two points; inside the polar circles the
// formula can return the western (setting) one. The point's hour angle
// H = RAMC - alpha tells them apart: sin H > 0 means west of the meridian,
// and the rising point is then the opposite one (+180 degrees).
AscendantResult Ascendant(double julianDayNumber, double utHours, double westLongitudeDeg,
                          double northLatitudeDeg);

}  // namespace starwise::engine
