#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>

namespace quarn {

// Everything a board holds, its cells and its count, as a value to keep and give back, as undo
// does. All 32 x 32 cells, the ring included, one bit each.
struct BoardState
{
    static constexpr std::size_t kSide = 32;

    std::bitset<kSide * kSide> cells;
    std::int16_t stepCount = 0;

    bool operator==(const BoardState&) const = default;
};

} // namespace quarn
