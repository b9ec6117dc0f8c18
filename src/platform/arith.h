#pragma once
// The program's integer arithmetic: real values become integers by rounding to
// nearest with halves to even, integer division truncates toward zero, and a
// remainder keeps the sign of the dividend. C++ already divides that way; the
// helpers exist so every call site says which rule it relies on.

#include <cmath>
#include <cstdint>

namespace glifora {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Below 2^51 in magnitude the addition of 1.5 x 2^52 leaves no fraction bits,
// so the hardware's own rounding (to nearest, halves to even: the program
// never changes the rounding mode) does the work inline; nearbyint is a call
// into the maths library, and the filters round millions of values.
[[nodiscard]] inline int64_t RoundHalfEven(double v) {
    constexpr double kShift = 6755399441055744.0;  // 1.5 x 2^52
    if (std::fabs(v) < 2251799813685248.0)         // 2^51
        return static_cast<int64_t>((v + kShift) - kShift);
    return static_cast<int64_t>(std::nearbyint(v));
}

[[nodiscard]] inline int32_t RoundToInt(double v) {
    return static_cast<int32_t>(RoundHalfEven(v));
}

// Quotient truncated toward zero (-7 / 2 = -3).
[[nodiscard]] constexpr int64_t DivTrunc(int64_t a, int64_t b) {
    return a / b;
}

// Remainder with the sign of the dividend (-7 mod 2 = -1).
[[nodiscard]] constexpr int64_t ModSigned(int64_t a, int64_t b) {
    return a % b;
}

// Integer part, toward zero.
[[nodiscard]] inline int64_t IntegerPart(double v) {
    return static_cast<int64_t>(std::trunc(v));
}

template <typename T>
[[nodiscard]] constexpr T Clamp(T v, T lo, T hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace glifora
