// The Moon's geocentric ecliptic longitude from the mean lunar arguments and
// the 25 largest periodic terms of the ELP-2000/82 longitude series as given
// in J. Meeus, Astronomical Algorithms, 2nd ed., ch. 47 (table 47.A),
// coefficients in degrees. Linear terms only in the mean arguments; no
// Venus, Jupiter or flattening terms.
#pragma once

#include <array>

namespace starwise::engine {

struct LunarLongitudeTerm {
    int multipleOfD;        // mean elongation
    int multipleOfM;        // Sun's mean anomaly
    int multipleOfMPrime;   // Moon's mean anomaly
    int multipleOfF;        // argument of latitude
    double coefficientDeg;  // amplitude of the sine term
    bool timesE;            // multiplied once by the eccentricity factor E
};

inline constexpr std::size_t kLunarTerms = 25;
extern const std::array<LunarLongitudeTerm, kLunarTerms> kLunarLongitudeTerms;

// Sum of the periodic terms in degrees at T Julian centuries from J2000.
double LunarPeriodicSumDeg(double centuriesSinceJ2000);

// Moon's longitude in degrees, [0, 360), at T Julian centuries from J2000:
// L' + the periodic sum, reduced.
double MoonLongitude(double centuriesSinceJ2000);

}  // namespace starwise::engine
