#include "features/editing/board_stroke.h"

#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace quarn {

namespace {

bool IsLive(const Board& board, int row, int column)
{
    return board.CellAt(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)) != 0;
}

} // namespace

BoardStroke::BoardStroke(const Board& board, QWidget* window)
    : QObject(window),
      board_(board)
{
    if (window != nullptr) {
        window->installEventFilter(this);
    }
}

void BoardStroke::Press(int row, int column, int button)
{
    End();
    active_ = true;
    live_ = !IsLive(board_, row, column);
    button_ = button;
    row_ = row;
    column_ = column;
    visited_.reset();
    visited_.set(Bit(row, column));
    emit Started();
}

void BoardStroke::End()
{
    if (active_) {
        active_ = false;
        emit Ended();
    }
}

bool BoardStroke::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        End();
        break;
    default:
        break;
    }
    return false;
}

void BoardStroke::Drag(int row, int column, int buttons)
{
    if (!active_) {
        return;
    }
    if ((buttons & button_) == 0) {
        End(); // let go where the board did not hear of it
        return;
    }
    for (const auto& [r, c] : MoveTo(row, column)) {
        if (IsLive(board_, r, c) != live_) {
            emit ToggleRequested(r, c);
        }
    }
}

void BoardStroke::Release(int button)
{
    if (button == button_) {
        End();
    }
}

std::size_t BoardStroke::Bit(int row, int column)
{
    return static_cast<std::size_t>(Board::ToZeroBased(row)) * Board::kFieldSize +
           static_cast<std::size_t>(Board::ToZeroBased(column));
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
            const std::size_t bit = Bit(r, c);
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

} // namespace quarn
