#include "clock_random_source.h"

#include <chrono>

namespace quarn {

void ClockRandomSource::ReseedFromClock()
{
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    ++reseedCount_;
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32U),
                       static_cast<std::uint32_t>(reseedCount_),
                       static_cast<std::uint32_t>(reseedCount_ >> 32U)};
    engine_.seed(seed);
}

double ClockRandomSource::Next()
{
    // The top 53 bits scaled by 2^-53 are exactly representable, so the result is always
    // strictly below 1 (std::generate_canonical does not promise that in every library).
    constexpr double kScale = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(engine_() >> 11U) * kScale;
}

} // namespace quarn
