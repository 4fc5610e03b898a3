// Explicit floating-point fault checks. The hot path computes a whole step and asks
// AllFinite once; only when that fails is the step redone operation by operation
// with the Checked* helpers, which throw at the first faulting operation exactly as
// an unmasked hardware trap would: x/0 divides by zero, 0/0 is invalid, a finite
// operation giving an infinity overflows and a NaN from non-NaN operands is invalid.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "base/errors.h"

namespace orv {

namespace fp_detail {

// The sum of v[Lo..Hi) * 0, added pairwise so the check is a shallow tree beside the
// step's own chain of operations rather than a long chain of its own.
template <std::size_t Lo, std::size_t Hi, std::size_t N>
inline double ZeroIfFinite(const std::array<double, N>& v) {
  if constexpr (Hi - Lo == 1) {
    return v[Lo] * 0.0;
  } else {
    constexpr std::size_t kMid = Lo + (Hi - Lo) / 2;
    return ZeroIfFinite<Lo, kMid>(v) + ZeroIfFinite<kMid, Hi>(v);
  }
}

}  // namespace fp_detail

// True when no value is infinite or NaN: x * 0 is 0 for every finite x and NaN
// otherwise, so one comparison covers them all.
template <typename... T>
inline bool AllFinite(T... values) {
  const std::array<double, sizeof...(T)> v{static_cast<double>(values)...};
  return fp_detail::ZeroIfFinite<0, sizeof...(T)>(v) == 0.0;
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
