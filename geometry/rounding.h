#pragma once

#include <cstdint>

namespace quarn {

namespace detail {
// The rest of RoundHalfEven32: values with a fraction, and values out of range.
std::int32_t RoundHalfEven32Fractional(double value);
} // namespace detail

// Rounds to the nearest 32-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws std::overflow_error for values that have no 32-bit neighbour, NaN included. Single
// precision, as the sizes and mouse positions it rounds are.
inline std::int32_t RoundHalfEven32(float value)
{
    // Whole numbers, as every size and every position on a pixel is, need no rounding. This
    // runs 1800 times a redraw, so it stays inline. 2^31 is the first float past the 32-bit
    // range; every float below it converts exactly.
    if (value >= -2147483648.0F && value < 2147483648.0F) {
        const auto whole = static_cast<std::int32_t>(value);
        if (static_cast<float>(whole) == value) {
            return whole;
        }
    }
    return detail::RoundHalfEven32Fractional(value);
}

} // namespace quarn
