#include "board.h"

#include "checked.h"
#include "clock_random_source.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace quarn {

Board::Board()
    : Board(std::make_unique<ClockRandomSource>())
{}

Board::Board(std::unique_ptr<RandomSource> random)
    : random_(std::move(random))
{
    if (!random_) {
        throw std::invalid_argument("Board: a random source is required");
    }
}

void Board::CountNeighbours(std::int16_t row, std::int16_t column, std::int16_t& n) const
{
    RequireFieldIndex("CountNeighbours", row, column);
    // With the centre in 1..30 all eight neighbours lie in 0..31, so the one check above covers
    // every read below, and a sum of at most eight cells cannot overflow. Summing the whole
    // 3 x 3 block and taking the centre back out lets the compiler unroll without branches.
    const auto top = static_cast<std::size_t>(row - 1);
    const auto left = static_cast<std::size_t>(column - 1);
    std::int16_t sum = 0;
    for (std::size_t i = top; i <= top + 2; ++i) {
        for (std::size_t j = left; j <= left + 2; ++j) {
            sum = static_cast<std::int16_t>(sum + cells_[i][j]);
        }
    }
    n = static_cast<std::int16_t>(sum - cells_[top + 1][left + 1]);
}

void Board::Step()
{
    // The loops run over the field, 1..30, so every index below is within both arrays; that is
    // checked once here rather than on each of the 1800 element accesses.
    static_assert(std::tuple_size_v<CellGrid> == kFieldSize + 2);
    static_assert(std::tuple_size_v<FieldGrid> == kFieldSize);
    for (std::int16_t i = 1; i <= kFieldSize; ++i) {
        const auto& row = cells_[static_cast<std::size_t>(i)];
        auto& nextRow = nextCells_[static_cast<std::size_t>(i - 1)];
        for (std::int16_t j = 1; j <= kFieldSize; ++j) {
            std::int16_t n = 0;
            CountNeighbours(i, j, n);
            nextRow[static_cast<std::size_t>(j - 1)] =
                NextValue(row[static_cast<std::size_t>(j)], n);
        }
    }
    for (std::size_t i = 1; i <= kFieldSize; ++i) {
        std::copy(nextCells_[i - 1].begin(), nextCells_[i - 1].end(), cells_[i].begin() + 1);
    }
    if (stepCount_ < std::numeric_limits<std::int16_t>::max()) {
        stepCount_ = CheckedAdd(stepCount_, 1);
    }
}

void Board::ToggleCell(std::int16_t row, std::int16_t column)
{
    RequireCellIndex("ToggleCell", row, column);
    std::int16_t& cell = Cell(row, column);
    cell = CheckedSub(1, cell);
}

std::int16_t Board::StepCount() const
{
    return stepCount_;
}

int Board::LiveCount() const
{
    int live = 0;
    for (std::size_t i = 1; i <= kFieldSize; ++i) {
        for (std::size_t j = 1; j <= kFieldSize; ++j) {
            live += cells_[i][j];
        }
    }
    return live;
}

void Board::ResetCount()
{
    stepCount_ = 0;
}

void Board::FillAll(std::int16_t value)
{
    if (value != 0 && value != 1) {
        throw std::invalid_argument("FillAll: value " + std::to_string(value) +
                                    " is neither 0 nor 1");
    }
    // The field's rows, ring excluded; as in Step, the bounds keep every index in range.
    for (std::size_t i = 1; i <= kFieldSize; ++i) {
        std::fill(cells_[i].begin() + 1, cells_[i].begin() + 1 + kFieldSize, value);
    }
}

void Board::FillRandom()
{
    random_->ReseedFromClock();
    for (std::int16_t i = 1; i <= kFieldSize; ++i) {
        for (std::int16_t j = 1; j <= kFieldSize; ++j) {
            // The integer part of 2r, written as a comparison so that a source straying to 1.0
            // (or anything else outside [0, 1)) still yields 0 or 1.
            Cell(i, j) = random_->Next() >= 0.5 ? 1 : 0;
        }
    }
}

void Board::ThrowBadIndex(const char* operation, std::int16_t row, std::int16_t column,
                          std::int16_t first, std::int16_t last)
{
    throw std::out_of_range(std::string(operation) + ": (" + std::to_string(row) + ", " +
                            std::to_string(column) + ") is outside " + std::to_string(first) +
                            ".." + std::to_string(last));
}

BoardState Board::State() const
{
    static_assert(BoardState::kSide == kLastIndex + 1);
    BoardState state;
    for (std::size_t i = 0; i < BoardState::kSide; ++i) {
        for (std::size_t j = 0; j < BoardState::kSide; ++j) {
            state.cells[i * BoardState::kSide + j] = cells_[i][j] != 0;
        }
    }
    state.stepCount = stepCount_;
    return state;
}

void Board::Restore(const BoardState& state)
{
    for (std::size_t i = 0; i < BoardState::kSide; ++i) {
        for (std::size_t j = 0; j < BoardState::kSide; ++j) {
            cells_[i][j] = state.cells[i * BoardState::kSide + j] ? 1 : 0;
        }
    }
    stepCount_ = state.stepCount;
}

void Board::RequireFieldIndex(const char* operation, std::int16_t row, std::int16_t column)
{
    if (!InField(row, column)) {
        ThrowBadIndex(operation, row, column, 1, kFieldSize);
    }
}

std::int16_t Board::NextValue(std::int16_t cell, std::int16_t neighbours)
{
    // Combined with bitwise rather than logical operators so that the compiler need not
    // branch: on a busy board the outcome is close to random and a branch would often be
    // mispredicted.
    const auto is = [](bool condition) { return static_cast<unsigned>(condition); };
    const unsigned birth = is(cell == 0) & is(neighbours == 3);
    const unsigned survival = is(cell == 1) & (is(neighbours == 2) | is(neighbours == 3));
    return static_cast<std::int16_t>(birth | survival);
}

// The element accessors check their indices too: a negative index turns into a huge size_t,
// which at() refuses like any other.
const std::int16_t& Board::Cell(std::int16_t row, std::int16_t column) const
{
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

std::int16_t& Board::Cell(std::int16_t row, std::int16_t column)
{
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

} // namespace quarn
