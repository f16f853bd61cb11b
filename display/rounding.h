#pragma once

#include <cstdint>

namespace quarn {

// Rounds to the nearest 32-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws std::overflow_error for values that have no 32-bit neighbour, NaN included.
std::int32_t RoundHalfEven32(double value);

} // namespace quarn
