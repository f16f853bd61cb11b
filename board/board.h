#pragma once

#include "board_state.h"
#include "random_source.h"

#include <array>
#include <cstdint>
#include <memory>

namespace quarn {

// A 30 x 30 field of B3/S23 cells inside a ring of cells that no generation or fill writes, so
// the field's edges see dead surroundings instead of wrapping round.
//
// Every cell holds 0 (dead) or 1 (live). Row and column 0 and 31 form the ring; 1..30 is the
// field. Calls with an index out of range throw std::out_of_range and leave the board as it was.
class Board
{
public:
    static constexpr std::int16_t kFieldSize = 30;
    static constexpr std::int16_t kFirstIndex = 0;
    static constexpr std::int16_t kLastIndex = kFieldSize + 1;

    // Whether (row, column) is a cell of the field rather than of the ring or beyond.
    static constexpr bool InField(int row, int column)
    {
        return row >= 1 && row <= kFieldSize && column >= 1 && column <= kFieldSize;
    }

    // The board counts the field's rows and columns from 1; patterns, tables and bit sets count
    // from 0.
    static constexpr int ToZeroBased(int index) { return index - 1; }
    static constexpr int FromZeroBased(int index) { return index + 1; }

    // Uses the clock-seeded default random source.
    Board();
    explicit Board(std::unique_ptr<RandomSource> random);

    std::int16_t CellAt(std::int16_t row, std::int16_t column) const;
    void CountNeighbours(std::int16_t row, std::int16_t column, std::int16_t& n) const;

    // One generation of the whole field at once. The count stops at its 16-bit limit while the
    // board keeps evolving: losing the board to a counter would be worse than a stuck label.
    void Step();

    void ToggleCell(std::int16_t row, std::int16_t column);
    std::int16_t StepCount() const;
    // The live cells of the field.
    int LiveCount() const;
    void ResetCount();

    // The fills write the field only; the ring keeps whatever ToggleCell put there.
    void FillAll(std::int16_t value);
    void FillRandom();

    // The whole board as a value, and the board made that value again.
    BoardState State() const;
    void Restore(const BoardState& state);

private:
    [[noreturn]] static void ThrowBadIndex(const char* operation, std::int16_t row,
                                           std::int16_t column, std::int16_t first,
                                           std::int16_t last);
    static void RequireCellIndex(const char* operation, std::int16_t row, std::int16_t column);
    static void RequireFieldIndex(const char* operation, std::int16_t row, std::int16_t column);
    static std::int16_t NextValue(std::int16_t cell, std::int16_t neighbours);

    const std::int16_t& Cell(std::int16_t row, std::int16_t column) const;
    std::int16_t& Cell(std::int16_t row, std::int16_t column);

    using CellGrid = std::array<std::array<std::int16_t, kLastIndex + 1>, kLastIndex + 1>;
    using FieldGrid = std::array<std::array<std::int16_t, kFieldSize>, kFieldSize>;

    CellGrid cells_{};
    FieldGrid nextCells_{}; // field cell (i, j) is at [i - 1][j - 1]
    std::int16_t stepCount_ = 0;
    std::unique_ptr<RandomSource> random_;
};

// Inline, as the window reads every cell at every redraw.
inline std::int16_t Board::CellAt(std::int16_t row, std::int16_t column) const
{
    RequireCellIndex("CellAt", row, column);
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

inline void Board::RequireCellIndex(const char* operation, std::int16_t row, std::int16_t column)
{
    if (row < kFirstIndex || row > kLastIndex || column < kFirstIndex || column > kLastIndex) {
        ThrowBadIndex(operation, row, column, kFirstIndex, kLastIndex);
    }
}

} // namespace quarn
