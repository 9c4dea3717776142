// Angle constants and reductions shared by the whole engine.
#pragma once

namespace starwise::engine {

// The program's own values of pi and its multiples, to 15 significant digits,
// so that every position text is reproducible from machine to machine.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kRadiansPerDegree = 0.0174532925199433;
inline constexpr double kDegreesPerRadian = 57.2957795130823;

// Angle of the point (x, y) in radians, in (-pi, pi]; 0 for the origin.
// Defined piecewise from arctan so that x = 0 needs no division.
double AngleOf(double y, double x);

// x - 2pi * trunc(x / 2pi), plus 2pi when negative: radians in [0, 2pi).
double ReduceRadians(double radians);

// Brings a value within one turn of the range into [0, 360) degrees:
// adds 360 once when negative, then subtracts 360 once when >= 360.
double Normalize360(double degrees);

// Whether a longitude lies in [0, 360) degrees; false for NaN.
constexpr bool IsInOneTurn(double degrees) { return degrees >= 0.0 && degrees < 360.0; }

// Reduces any finite value into [0, 360) degrees, as repeated subtraction or
// addition of 360 would (fmod is exact, so the result is the same).
// Throws std::domain_error for NaN or infinity.
double ReduceDegrees(double degrees);

}  // namespace starwise::engine
