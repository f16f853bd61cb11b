#include "features/access/board_access.h"

#include <QAccessible>
#include <QWidget>

namespace quarn {

BoardAccess::BoardAccess(QWidget& area, const Board& board)
    : QObject(&area),
      area_(area),
      board_(board)
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
    return area_.hasFocus() && cursorRow_ == row && cursorColumn_ == column;
}

int BoardAccess::CursorRow() const
{
    return cursorRow_;
}

int BoardAccess::CursorColumn() const
{
    return cursorColumn_;
}

QRect BoardAccess::CellSlotPixels(int row, int column) const
{
    const PixelRect slot =
        CellGeometry::OfPixels(area_.width(), area_.height()).SlotPixels(row, column);
    return {slot.left, slot.top, slot.width, slot.height};
}

std::optional<GridCell> BoardAccess::CellAt(QPoint local) const
{
    return CellGeometry::OfPixels(area_.width(), area_.height()).FieldCellAt(local.x(), local.y());
}

void BoardAccess::RequestToggle(int row, int column)
{
    emit ToggleRequested(row, column);
}

void BoardAccess::BoardChanged()
{
    if (Listening()) {
        emit Changed();
    }
}

void BoardAccess::CellToggled(int row, int column)
{
    if (Listening()) {
        emit CellChanged(row, column);
    }
}

// The cursor moves only while the board has the focus, and says so each time: what it last
// said is where it is.
void BoardAccess::CursorMoved(int row, int column)
{
    cursorRow_ = row;
    cursorColumn_ = column;
    if (area_.hasFocus() && Listening()) {
        emit FocusMoved(row, column);
    }
}

void BoardAccess::CursorPlaced(int row, int column)
{
    cursorRow_ = row;
    cursorColumn_ = column;
}

bool BoardAccess::Listening() const
{
    return QAccessible::isActive() && QAccessible::queryAccessibleInterface(&area_) != nullptr;
}

} // namespace quarn
