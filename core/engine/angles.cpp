#include "engine/angles.h"

#include <cmath>
#include <stdexcept>

namespace starwise::engine {

double AngleOf(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x == 0) {
        if (y > 0) return kPi / 2;
        if (y < 0) return -kPi / 2;
        return 0.0;
    }
    if (x < 0) {
        if (y == 0) return kPi;
        const double magnitude = kPi - std::atan(std::abs(y / x));
        return y > 0 ? magnitude : -magnitude;
    }
    return std::nan("");  // x is NaN
}

double ReduceRadians(double radians) {
    double reduced = radians - kTwoPi * std::trunc(radians / kTwoPi);
    if (reduced < 0) reduced += kTwoPi;
    return reduced;
}

double Normalize360(double degrees) {
    if (degrees < 0) degrees += 360.0;
    if (degrees >= 360.0) degrees -= 360.0;
    return degrees;
}

double ReduceDegrees(double degrees) {
    if (!std::isfinite(degrees)) {
        throw std::domain_error("angle is not a finite number");
    }
    double reduced = std::fmod(degrees, 360.0);
    // A tiny negative remainder plus 360 rounds to 360 itself; the loop form
    // would then subtract 360 once more, and so does this.
    if (reduced < 0) reduced += 360.0;
    if (reduced >= 360.0) reduced -= 360.0;
    return reduced;
}

}  // namespace starwise::engine
