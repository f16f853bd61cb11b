#include "census/field.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace quarn {

namespace {

using Row = Field::Row;

std::size_t Index(int row)
{
    return static_cast<std::size_t>(row - 1);
}

Row Bit(int column)
{
    return Row{1} << static_cast<unsigned>(column - 1);
}

// Adds a word of one-bit numbers to a word of three-bit counters (s2 s1 s0), wrapping at 8;
// eight neighbours then count as none, which the rule treats alike.
void Add(Row x, Row& s0, Row& s1, Row& s2)
{
    const Row carry0 = s0 & x;
    s0 ^= x;
    const Row carry1 = s1 & carry0;
    s1 ^= carry0;
    s2 ^= carry1;
}

} // namespace

Field Field::Of(const Board& board)
{
    Field field;
    for (int row = 1; row <= kSide; ++row) {
        for (int column = 1; column <= kSide; ++column) {
            if (board.CellAt(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)) !=
                0) {
                field.Set(row, column);
            }
        }
    }
    return field;
}

BoardState Field::State(std::int16_t stepCount) const
{
    BoardState state;
    for (const FieldCell& cell : Cells()) {
        state.cells.set(static_cast<std::size_t>(cell.row) * BoardState::kSide +
                        static_cast<std::size_t>(cell.column));
    }
    state.stepCount = stepCount;
    return state;
}

Field Field::Of(const BoardState& state)
{
    Field field;
    for (int row = 1; row <= kSide; ++row) {
        for (int column = 1; column <= kSide; ++column) {
            if (state.cells[static_cast<std::size_t>(row) * BoardState::kSide +
                            static_cast<std::size_t>(column)]) {
                field.Set(row, column);
            }
        }
    }
    return field;
}

bool Field::Live(int row, int column) const
{
    return (rows_[Index(row)] & Bit(column)) != 0;
}

void Field::Set(int row, int column)
{
    rows_[Index(row)] |= Bit(column);
}

bool Field::Empty() const
{
    return std::all_of(rows_.begin(), rows_.end(), [](Row row) { return row == 0; });
}

int Field::Count() const
{
    int count = 0;
    for (const Row row : rows_) {
        count += std::popcount(row);
    }
    return count;
}

std::vector<FieldCell> Field::Cells() const
{
    std::vector<FieldCell> cells;
    for (int row = 1; row <= kSide; ++row) {
        for (Row bits = rows_[Index(row)]; bits != 0; bits &= bits - 1) {
            cells.push_back({row, std::countr_zero(bits) + 1});
        }
    }
    return cells;
}

FieldCell Field::First() const
{
    int row = 1;
    while (rows_[Index(row)] == 0) {
        ++row;
    }
    return {row, std::countr_zero(rows_[Index(row)]) + 1};
}

// The whole row at once: its eight neighbours' bits added column by column, then the rule. Only
// the rows next to live ones can hold live cells next: most objects are a few rows high.
Field Field::Next() const
{
    Field next;
    std::size_t first = 0;
    while (first < kSide && rows_[first] == 0) {
        ++first;
    }
    if (first == kSide) {
        return next;
    }
    std::size_t last = kSide - 1;
    while (rows_[last] == 0) {
        --last;
    }
    const std::size_t end = std::min<std::size_t>(last + 2, kSide);
    for (std::size_t i = first > 0 ? first - 1 : 0; i < end; ++i) {
        const Row above = i > 0 ? rows_[i - 1] : 0;
        const Row here = rows_[i];
        const Row below = i + 1 < kSide ? rows_[i + 1] : 0;
        Row s0 = 0;
        Row s1 = 0;
        Row s2 = 0;
        for (const Row line : {above, below}) {
            Add(line << 1U, s0, s1, s2);
            Add(line, s0, s1, s2);
            Add(line >> 1U, s0, s1, s2);
        }
        Add(here << 1U, s0, s1, s2);
        Add(here >> 1U, s0, s1, s2);
        // Three neighbours give birth or survival, two keep a live cell.
        next.rows_[i] = s1 & ~s2 & (s0 | here) & kMask;
    }
    return next;
}

Field Field::Near() const
{
    std::array<Row, kSide> wide{};
    for (std::size_t i = 0; i < kSide; ++i) {
        wide[i] = (rows_[i] | rows_[i] << 1U | rows_[i] >> 1U) & kMask;
    }
    Field near;
    for (std::size_t i = 0; i < kSide; ++i) {
        near.rows_[i] = wide[i] | (i > 0 ? wide[i - 1] : 0) | (i + 1 < kSide ? wide[i + 1] : 0);
    }
    return near;
}

// A cell of the ring has at most three neighbours in the field, in a line along the edge: it
// would be born where all three live.
bool Field::EdgeActs() const
{
    const auto threeInARow = [](Row bits) { return (bits & (bits << 1U) & (bits >> 1U)) != 0; };
    if (threeInARow(rows_.front()) || threeInARow(rows_.back())) {
        return true;
    }
    const Row edges = Bit(1) | Bit(kSide);
    for (std::size_t i = 1; i + 1 < kSide; ++i) {
        if ((rows_[i - 1] & rows_[i] & rows_[i + 1] & edges) != 0) {
            return true;
        }
    }
    return false;
}

Field Field::Within(int radius) const
{
    Field near = *this;
    for (int i = 0; i < radius; ++i) {
        near = near.Near();
    }
    return near;
}

Field Field::Reached(FieldCell from, int radius) const
{
    Field reached;
    reached.Set(from.row, from.column);
    for (;;) {
        const Field grown = reached.Within(radius) & *this;
        if (grown == reached) {
            return reached;
        }
        reached = grown;
    }
}

std::vector<Field::Row> Field::Shape() const
{
    const FieldCell corner = TopLeft();
    int last = kSide;
    while (rows_[Index(last)] == 0) {
        --last;
    }
    std::vector<Row> shape;
    for (int row = corner.row; row <= last; ++row) {
        shape.push_back(rows_[Index(row)] >> static_cast<unsigned>(corner.column - 1));
    }
    return shape;
}

FieldCell Field::TopLeft() const
{
    Row any = 0;
    for (const Row row : rows_) {
        any |= row;
    }
    return {First().row, std::countr_zero(any) + 1};
}

FieldCell Field::BottomRight() const
{
    FieldCell corner = TopLeft();
    for (const FieldCell& cell : Cells()) {
        corner.row = std::max(corner.row, cell.row);
        corner.column = std::max(corner.column, cell.column);
    }
    return corner;
}

std::optional<Field> Field::Placed(const std::vector<Row>& shape, FieldCell first)
{
    if (shape.empty() || shape.front() == 0) {
        return std::nullopt;
    }
    const int left = first.column - std::countr_zero(shape.front()); // the shape's column 0
    if (left < 1 || first.row + static_cast<int>(shape.size()) - 1 > kSide) {
        return std::nullopt;
    }
    Field placed;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (static_cast<int>(std::bit_width(shape[i])) + left - 1 > kSide) {
            return std::nullopt;
        }
        placed.rows_[Index(first.row) + i] = shape[i] << static_cast<unsigned>(left - 1);
    }
    return placed;
}

Field Field::operator|(const Field& other) const
{
    Field both;
    for (std::size_t i = 0; i < kSide; ++i) {
        both.rows_[i] = rows_[i] | other.rows_[i];
    }
    return both;
}

Field Field::operator&(const Field& other) const
{
    Field both;
    for (std::size_t i = 0; i < kSide; ++i) {
        both.rows_[i] = rows_[i] & other.rows_[i];
    }
    return both;
}

Field Field::Without(const Field& other) const
{
    Field rest;
    for (std::size_t i = 0; i < kSide; ++i) {
        rest.rows_[i] = rows_[i] & ~other.rows_[i];
    }
    return rest;
}

} // namespace quarn
