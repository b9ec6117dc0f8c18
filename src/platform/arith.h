#pragma once
// The program's integer arithmetic: real values become integers by rounding to
// nearest with halves to even, integer division truncates toward zero, and a
// remainder keeps the sign of the dividend. C++ already divides that way; the
// helpers exist so every call site says which rule it relies on.

#include <cmath>
#include <cstdint>

namespace glifora {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
[[nodiscard]] inline int64_t RoundHalfEven(double v) {
    return static_cast<int64_t>(std::nearbyint(v));  // default FE_TONEAREST
}

[[nodiscard]] inline int32_t RoundToInt(double v) {
    return static_cast<int32_t>(RoundHalfEven(v));
}

// Quotient truncated toward zero (-7 / 2 = -3).
[[nodiscard]] constexpr int64_t DivTrunc(int64_t a, int64_t b) { return a / b; }

// Remainder with the sign of the dividend (-7 mod 2 = -1).
[[nodiscard]] constexpr int64_t ModSigned(int64_t a, int64_t b) { return a % b; }

// Integer part, toward zero.
[[nodiscard]] inline int64_t IntegerPart(double v) { return static_cast<int64_t>(std::trunc(v)); }

template <typename T>
[[nodiscard]] constexpr T Clamp(T v, T lo, T hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace glifora
