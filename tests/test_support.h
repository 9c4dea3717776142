// Small helpers shared by the core tests.
#pragma once

#include <cmath>
#include <random>

namespace starwise::test {

// Smallest difference between two angles in degrees, wrap-around aware (0..180).
inline double AngleDiffDeg(double a, double b) {
    double diff = std::fmod(std::abs(a - b), 360.0);
    return diff > 180.0 ? 360.0 - diff : diff;
}

// Fixed seed: the "random" properties are reproducible run to run.
inline std::mt19937_64 TestRandom() { return std::mt19937_64{20261208}; }

}  // namespace starwise::test
