#pragma once

#include "board/board.h"

#include <cstdint>
#include <set>
#include <utility>

namespace quarn::testing {

using Cell = std::pair<int, int>;
using CellSet = std::set<Cell>;

// All 900 field cells.
inline CellSet WholeField()
{
    CellSet all;
    for (int r = 1; r <= Board::kFieldSize; ++r) {
        for (int c = 1; c <= Board::kFieldSize; ++c) {
            all.insert({r, c});
        }
    }
    return all;
}

// The live cells of the whole 32 x 32 array, ring included.
inline CellSet LiveCells(const Board& board)
{
    CellSet live;
    for (std::int16_t r = Board::kFirstIndex; r <= Board::kLastIndex; ++r) {
        for (std::int16_t c = Board::kFirstIndex; c <= Board::kLastIndex; ++c) {
            if (board.CellAt(r, c) != 0) {
                live.insert({r, c});
            }
        }
    }
    return live;
}

inline void SetLive(Board& board, const CellSet& cells)
{
    for (const auto& [r, c] : cells) {
        if (board.CellAt(static_cast<std::int16_t>(r), static_cast<std::int16_t>(c)) == 0) {
            board.ToggleCell(static_cast<std::int16_t>(r), static_cast<std::int16_t>(c));
        }
    }
}

} // namespace quarn::testing
