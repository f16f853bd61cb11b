#include "board_cell_accessible.h"

#include "board_accessible.h"

BoardCellAccessible::BoardCellAccessible(BoardAccessible* table, int row, int column)
    : table_(table),
      row_(row),
      column_(column)
{}

bool BoardCellAccessible::isValid() const
{
    return table_ != nullptr && table_->isValid();
}

QObject* BoardCellAccessible::object() const
{
    return nullptr;
}

QAccessibleInterface* BoardCellAccessible::parent() const
{
    return table_;
}

QAccessibleInterface* BoardCellAccessible::child(int /*index*/) const
{
    return nullptr;
}

int BoardCellAccessible::childCount() const
{
    return 0;
}

int BoardCellAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const
{
    return -1;
}

QAccessibleInterface* BoardCellAccessible::childAt(int /*x*/, int /*y*/) const
{
    return nullptr;
}

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
    case QAccessible::Value:
        return table_->IsLive(row_, column_) ? QStringLiteral("live") : QStringLiteral("dead");
    case QAccessible::Description:
        return QStringLiteral("Row %1, column %2").arg(row_ + 1).arg(column_ + 1);
    default:
        return {};
    }
}

void BoardCellAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/)
{
    // A cell's name is its state; it changes through the toggle action.
}

QRect BoardCellAccessible::rect() const
{
    return table_->CellRect(row_, column_);
}

QAccessible::Role BoardCellAccessible::role() const
{
    return QAccessible::Cell;
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.focused = table_->FocusedAt(row_, column_);
    return state;
}

void* BoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

bool BoardCellAccessible::isSelected() const
{
    return false;
}

QList<QAccessibleInterface*> BoardCellAccessible::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> BoardCellAccessible::rowHeaderCells() const
{
    return {};
}

int BoardCellAccessible::columnIndex() const
{
    return column_;
}

int BoardCellAccessible::rowIndex() const
{
    return row_;
}

int BoardCellAccessible::columnExtent() const
{
    return 1;
}

int BoardCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface* BoardCellAccessible::table() const
{
    return table_;
}

QStringList BoardCellAccessible::actionNames() const
{
    return {toggleAction()};
}

void BoardCellAccessible::doAction(const QString& actionName)
{
    if (actionName == toggleAction()) {
        table_->Toggle(row_, column_);
    }
}

QStringList BoardCellAccessible::keyBindingsForAction(const QString& actionName) const
{
    return actionName == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}
