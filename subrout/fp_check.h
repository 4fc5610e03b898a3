// Explicit floating-point fault checks. The hot path computes a whole step and asks
// AllFinite once; only when that fails is the step redone operation by operation
// with the Checked* helpers, which throw at the first faulting operation exactly as
// an unmasked hardware trap would: x/0 divides by zero, 0/0 is invalid, a finite
// operation giving an infinity overflows and a NaN from non-NaN operands is invalid.
#pragma once

#include <cmath>

#include "haupt/errors.h"

namespace orv {

// True when no value is infinite or NaN: x * 0 is 0 for every finite x and NaN
// otherwise, so one comparison covers them all.
template <typename... T>
inline bool AllFinite(T... values) {
  return ((values * 0.0) + ... + 0.0) == 0.0;
}

[[noreturn]] void ThrowFloatingPointFault(const char* text);

// The fault of an operation with finite operands whose result is `r`, if any.
inline double CheckedResult(double r) {
  if (std::isinf(r)) ThrowFloatingPointFault(kOverflowText);
  if (std::isnan(r)) ThrowFloatingPointFault(kInvalidOpText);
  return r;
}

inline double CheckedAdd(double a, double b) { return CheckedResult(a + b); }
inline double CheckedSub(double a, double b) { return CheckedResult(a - b); }
inline double CheckedMul(double a, double b) { return CheckedResult(a * b); }

inline double CheckedDiv(double a, double b) {
  if (b == 0.0) ThrowFloatingPointFault(a == 0.0 || std::isnan(a) ? kInvalidOpText : kDivByZeroText);
  return CheckedResult(a / b);
}

}  // namespace orv
