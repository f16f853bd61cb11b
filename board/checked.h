#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// 16-bit arithmetic that refuses to wrap. The board and the window both work in signed 16-bit
// cells, coordinates and counts; a result that does not fit is a programming error, reported as
// std::overflow_error rather than silently producing a wrong cell or coordinate.
namespace quarn {

// Kept out of line so that the checks cost their callers a compare and a branch, not a frame
// big enough to build the message.
[[noreturn, gnu::cold, gnu::noinline]] inline void ThrowOverflow16(std::int64_t value,
                                                                   const char* what)
{
    throw std::overflow_error(std::string(what) + ": " + std::to_string(value) +
                              " does not fit in 16 bits");
}

inline std::int16_t Narrow16(std::int64_t value, const char* what)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        ThrowOverflow16(value, what);
    }
    return static_cast<std::int16_t>(value);
}

inline std::int16_t CheckedAdd(std::int16_t a, std::int16_t b)
{
    return Narrow16(std::int64_t{a} + b, "addition");
}

inline std::int16_t CheckedSub(std::int16_t a, std::int16_t b)
{
    return Narrow16(std::int64_t{a} - b, "subtraction");
}

inline std::int16_t CheckedMul(std::int16_t a, std::int16_t b)
{
    return Narrow16(std::int64_t{a} * b, "multiplication");
}

} // namespace quarn
