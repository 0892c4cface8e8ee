#pragma once
// Number handling shared by every formula of the calculation core.
//
// Formulas run in double precision. A value the design state holds in single
// precision is rounded when it is stored, and later steps use the rounded
// value; ToSingle() is the one visible place where such rounding happens for
// stated single-precision intermediates.

#include <cmath>
#include <cstdint>
#include <limits>

namespace tamrel {

// Round a double to single precision and back (the value as a float holds it).
inline double ToSingle(double x) {
  return static_cast<double>(static_cast<float>(x));
}
inline float Sng(double x) {
  return static_cast<float>(x);
}

// Pi as the program has always used it: the single-precision 3.141593.
inline constexpr float kPiSingle = 3.141593f;
inline constexpr double kPi = static_cast<double>(kPiSingle);  // 3.1415929794311523
// 2*pi as a single-precision constant.
inline constexpr float kTwoPiSingle = 6.283186f;
inline constexpr double kTwoPi = static_cast<double>(kTwoPiSingle);

// Poisson's ratio of steel.
inline constexpr double kPoisson = 0.3;

inline constexpr double kInf = std::numeric_limits<double>::infinity();

inline bool IsFinite(double x) {
  return std::isfinite(x);
}

}  // namespace tamrel
