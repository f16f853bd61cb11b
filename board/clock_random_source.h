#pragma once

#include "random_source.h"

#include <cstdint>
#include <random>

namespace quarn {

// The default source: a 64-bit Mersenne Twister, reseeded from the high-resolution clock.
class ClockRandomSource final : public RandomSource
{
public:
    void ReseedFromClock() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
    // Two reseeds within one clock tick would otherwise give the same pattern twice.
    std::uint64_t reseedCount_ = 0;
};

} // namespace quarn
