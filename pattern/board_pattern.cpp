#include "pattern/board_pattern.h"

#include <cstdint>

namespace quarn {

Pattern PatternOfBoard(const Board& board)
{
    Pattern pattern;
    pattern.width = Board::kFieldSize;
    pattern.height = Board::kFieldSize;
    for (std::int16_t row = 1; row <= Board::kFieldSize; ++row) {
        for (std::int16_t column = 1; column <= Board::kFieldSize; ++column) {
            if (board.CellAt(row, column) != 0) {
                pattern.AddLive(Board::ToZeroBased(row), Board::ToZeroBased(column), 1);
            }
        }
    }
    return pattern;
}

} // namespace quarn
