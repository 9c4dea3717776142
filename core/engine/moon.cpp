#include "engine/moon.h"

#include <cmath>

#include "engine/angles.h"

namespace starwise::engine {

constexpr std::array<LunarLongitudeTerm, kLunarTerms> kLunarLongitudeTerms{{
    {0, 0, 1, 0, 6.288774, false},
    {2, 0, -1, 0, 1.274027, false},
    {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},
    {0, 1, 0, 0, -0.185116, true},
    {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},
    {2, -1, -1, 0, 0.057066, true},
    {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},
    {0, 1, -1, 0, -0.040923, true},
    {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},
    {2, 0, 0, -2, 0.015327, false},
    {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},
    {4, 0, -1, 0, 0.010675, false},
    {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},
    {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, 0.004987, true},
    {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};
static_assert(kLunarLongitudeTerms.size() == 25);

double LunarPeriodicSumDeg(double centuriesSinceJ2000) {
    const double t = centuriesSinceJ2000;
    const double elongation = (297.8502042 + 445267.1115168 * t) * kRadiansPerDegree;
    const double sunAnomaly = (357.5291092 + 35999.0502909 * t) * kRadiansPerDegree;
    const double moonAnomaly = (134.9634114 + 477198.8676313 * t) * kRadiansPerDegree;
    const double latitudeArgument = (93.2720993 + 483202.0175273 * t) * kRadiansPerDegree;
    const double eccentricityFactor = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    double sumDeg = 0.0;
    for (const LunarLongitudeTerm& term : kLunarLongitudeTerms) {
        const double argument = term.multipleOfD * elongation + term.multipleOfM * sunAnomaly +
                                term.multipleOfMPrime * moonAnomaly + term.multipleOfF * latitudeArgument;
        double value = term.coefficientDeg * std::sin(argument);
        if (term.timesE) value *= eccentricityFactor;
        sumDeg += value;
    }
    return sumDeg;
}

double MoonLongitude(double centuriesSinceJ2000) {
    const double meanLongitudeDeg = 218.3164591 + 481267.88134236 * centuriesSinceJ2000;
    return ReduceDegrees(meanLongitudeDeg + LunarPeriodicSumDeg(centuriesSinceJ2000));
}

}  // namespace starwise::engine
