#pragma once

#include "board/board.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

namespace quarn {

// A cell of the field, counted from 1 as the board counts.
struct FieldCell
{
    int row = 0;
    int column = 0;
    bool operator==(const FieldCell&) const = default;
    // clang-tidy 14 takes the defaulted comparison's 0 for a null pointer.
    auto operator<=>(const FieldCell&) const = default; // NOLINT(modernize-use-nullptr)
};

// The board's 30 x 30 field as bits, a row to a word, for looking many generations ahead: the
// cells round it are dead and stay dead, as on the board, so a generation here is the board's.
class Field
{
public:
    static constexpr int kSide = Board::kFieldSize;
    using Row = std::uint32_t;

    // The field's live cells; the ring round it is taken as dead, as the window keeps it.
    static Field Of(const Board& board);
    static Field Of(const BoardState& state);
    // The board's state with these live cells, at this count.
    BoardState State(std::int16_t stepCount) const;

    bool Live(int row, int column) const;
    void Set(int row, int column);
    bool Empty() const;
    int Count() const;
    // The live cells in reading order: top to bottom, then left to right.
    std::vector<FieldCell> Cells() const;
    // The first live cell in reading order; the field must not be empty.
    FieldCell First() const;

    // The field one generation on.
    Field Next() const;
    // Whether the dead ring round the field changes what the next generation is: a cell beyond
    // the edge would be born there on an open plane, so the field runs otherwise than there.
    bool EdgeActs() const;
    // The cells at most radius cells from a live one, across or diagonally: its king's moves.
    Field Within(int radius) const;
    // The live cells reached from the given live cell through live cells at most radius cells
    // apart.
    Field Reached(FieldCell from, int radius) const;

    // The live cells' rows, moved to the top-left corner: the same shape anywhere gives the
    // same rows, and another shape other rows.
    std::vector<Row> Shape() const;
    // The top-left cell of the live cells' box; the field must not be empty.
    FieldCell TopLeft() const;
    // The bottom-right cell of the live cells' box; the field must not be empty.
    FieldCell BottomRight() const;
    // The shape, as Shape gives it, placed with its first live cell on the given cell; none where
    // it does not fit in the field.
    static std::optional<Field> Placed(const std::vector<Row>& shape, FieldCell first);

    Field operator|(const Field& other) const;
    Field operator&(const Field& other) const;
    Field Without(const Field& other) const;
    bool operator==(const Field&) const = default;

private:
    static constexpr Row kMask = (Row{1} << kSide) - 1;

    // The cells at most one cell from a live one.
    Field Near() const;

    std::array<Row, kSide> rows_{}; // row r is rows_[r - 1]; column c is bit c - 1
};

} // namespace quarn
