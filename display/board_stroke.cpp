#include "board_stroke.h"

#include <cstdlib>

using quarn::Board;

void BoardStroke::Begin(int row, int column, bool live, int button)
{
    active_ = true;
    live_ = live;
    button_ = button;
    row_ = row;
    column_ = column;
    visited_.reset();
    visited_.set(static_cast<std::size_t>((row - 1) * Board::kFieldSize + column - 1));
}

void BoardStroke::End()
{
    active_ = false;
}

bool BoardStroke::Active() const
{
    return active_;
}

int BoardStroke::Button() const
{
    return button_;
}

bool BoardStroke::Live() const
{
    return live_;
}

BoardStroke::CellList BoardStroke::MoveTo(int row, int column)
{
    CellList cells;
    // Bresenham's line, so that the cells are 8-connected: no gap a person would see.
    const int rows = std::abs(row - row_);
    const int columns = -std::abs(column - column_);
    const int rowStep = row_ < row ? 1 : -1;
    const int columnStep = column_ < column ? 1 : -1;
    int error = rows + columns;
    int r = row_;
    int c = column_;
    for (;;) {
        if (Board::InField(r, c)) {
            const auto bit = static_cast<std::size_t>((r - 1) * Board::kFieldSize + c - 1);
            if (!visited_.test(bit)) {
                visited_.set(bit);
                cells.emplace_back(r, c);
            }
        }
        if (r == row && c == column) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= columns) {
            error += columns;
            r += rowStep;
        }
        if (twice <= rows) {
            error += rows;
            c += columnStep;
        }
    }
    row_ = row;
    column_ = column;
    return cells;
}
