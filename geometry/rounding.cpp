#include "geometry/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quarn {

std::int32_t detail::RoundHalfEven32Fractional(double value)
{
    // std::nearbyint rounds in the current mode, which nothing in this program changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw std::overflow_error("rounding: " + std::to_string(value) +
                                  " has no 32-bit neighbour");
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace quarn
