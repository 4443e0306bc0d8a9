#pragma once
// The simulation's arithmetic helpers. Angles are degrees everywhere; the two
// conversion constants are fixed so that every build computes the same bits.

#include <cmath>

namespace math {

inline constexpr double kRadiansPerDegree = 0.017453292519943295;  // pi / 180
inline constexpr double kDegreesPerRadian = 57.29577951308232;     // 180 / pi

inline double cosDegrees(double degrees) { return std::cos(degrees * kRadiansPerDegree); }
inline double sinDegrees(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
inline double atanDegrees(double t) { return std::atan(t) * kDegreesPerRadian; }

// Not std::min/std::max: with a NaN or signed zeros the operand order decides the
// result, and these orders are the ones the simulation is defined by.
inline double min(double a, double b) { return a < b ? a : b; }
inline double max(double a, double b) { return a > b ? a : b; }

}  // namespace math
