#pragma once
// The three whole-number operations every calculation is written in, and the
// storing of a value into a single-precision field.
#include <cmath>

namespace tessaly {

// Largest whole number not above x.
inline double Int(double x) { return std::floor(x); }

// Drops the fraction toward zero.
inline double Fix(double x) { return std::trunc(x); }

// Nearest whole number, halves to the even neighbour (58.5 -> 58, 59.5 -> 60).
inline double CInt(double x) { return std::nearbyint(x); }

// A value stored in a single field; later steps see the rounded value.
inline float single(double x) { return static_cast<float>(x); }

}  // namespace tessaly
