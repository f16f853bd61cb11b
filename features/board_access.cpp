#include "features/board_access.h"

#include "features/board_cursor.h"

#include <QAccessible>
#include <QWidget>

#include <cmath>

using quarn::Board;

BoardAccess::BoardAccess(QWidget& area, const Board& board, const BoardCursor& cursor)
    : QObject(&area),
      area_(area),
      board_(board),
      cursor_(cursor)
{}

bool BoardAccess::IsLive(int row, int column) const
{
    return board_.CellAt(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)) != 0;
}

int BoardAccess::LiveCount() const
{
    return board_.LiveCount();
}

bool BoardAccess::FocusedAt(int row, int column) const
{
    return area_.hasFocus() && cursor_.Row() == row && cursor_.Column() == column;
}

int BoardAccess::CursorRow() const
{
    return cursor_.Row();
}

int BoardAccess::CursorColumn() const
{
    return cursor_.Column();
}

void BoardAccess::SetCellPitch(double width, double height)
{
    pitchWidth_ = width;
    pitchHeight_ = height;
}

QRect BoardAccess::CellSlotPixels(int row, int column) const
{
    const auto pixels = [](double value) { return static_cast<int>(std::lround(value)); };
    return {pixels(Board::ToZeroBased(column) * pitchWidth_),
            pixels(Board::ToZeroBased(row) * pitchHeight_), pixels(pitchWidth_),
            pixels(pitchHeight_)};
}

void BoardAccess::RequestToggle(int row, int column)
{
    emit ToggleRequested(row, column);
}

// A new description (it counts the live cells), the one table event that the Linux desktop's
// bridge carries, and the finer table-model event that it drops, for other bridges.
void BoardAccess::BoardChanged()
{
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent description(&area_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleTableModelChangeEvent cells(&area_, QAccessibleTableModelChangeEvent::DataChanged);
    cells.setFirstRow(0);
    cells.setFirstColumn(0);
    cells.setLastRow(Board::kFieldSize - 1);
    cells.setLastColumn(Board::kFieldSize - 1);
    QAccessible::updateAccessibility(&cells);
}

// So that the cell's new name is spoken.
void BoardAccess::CellToggled(int row, int column)
{
    if (QAccessibleInterface* cell = CellOf(row, column)) {
        QAccessibleEvent name(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

void BoardAccess::CursorMoved(int row, int column)
{
    if (!area_.hasFocus()) {
        return;
    }
    if (QAccessibleInterface* cell = CellOf(row, column)) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QAccessibleInterface* BoardAccess::CellOf(int row, int column) const
{
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&area_);
    QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
    return cells != nullptr ? cells->cellAt(Board::ToZeroBased(row), Board::ToZeroBased(column))
                            : nullptr;
}
