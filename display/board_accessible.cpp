#include "board_accessible.h"

#include "board_cell_accessible.h"

#include <QWidget>

BoardAccessible::BoardAccessible(QWidget* area, Access access)
    : QAccessibleWidget(area, QAccessible::Table, QStringLiteral("Board")),
      access_(std::move(access)),
      cellIds_(static_cast<std::size_t>(kSide * kSide), 0)
{}

BoardAccessible::~BoardAccessible()
{
    for (const QAccessible::Id id : cellIds_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

void BoardAccessible::NotifyChanged(QWidget* area)
{
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent description(area, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleTableModelChangeEvent cells(area, QAccessibleTableModelChangeEvent::DataChanged);
    cells.setFirstRow(0);
    cells.setFirstColumn(0);
    cells.setLastRow(kSide - 1);
    cells.setLastColumn(kSide - 1);
    QAccessible::updateAccessibility(&cells);
}

void BoardAccessible::NotifyToggled(QWidget* area, int row, int column)
{
    if (QAccessibleInterface* cell = CellOf(area, row, column)) {
        QAccessibleEvent name(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

void BoardAccessible::NotifyCursor(QWidget* area, int row, int column)
{
    if (!area->hasFocus()) {
        return;
    }
    if (QAccessibleInterface* cell = CellOf(area, row, column)) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QAccessibleInterface* BoardAccessible::CellOf(QWidget* area, int row, int column)
{
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(area);
    QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
    return cells != nullptr ? cells->cellAt(row - 1, column - 1) : nullptr;
}

bool BoardAccessible::IsLive(int row, int column) const
{
    return access_.isLive(row + 1, column + 1);
}

QRect BoardAccessible::CellRect(int row, int column) const
{
    const QRect local = access_.place(row + 1, column + 1);
    return local.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

void BoardAccessible::Toggle(int row, int column) const
{
    access_.toggle(row + 1, column + 1);
}

bool BoardAccessible::FocusedAt(int row, int column) const
{
    return widget()->hasFocus() && access_.cursor() == std::pair(row + 1, column + 1);
}

QAccessible::Role BoardAccessible::role() const
{
    return QAccessible::Table;
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return QStringLiteral("Board");
    }
    if (t == QAccessible::Description) {
        int live = 0;
        for (int row = 0; row < kSide; ++row) {
            for (int column = 0; column < kSide; ++column) {
                live += IsLive(row, column) ? 1 : 0;
            }
        }
        return QStringLiteral("%1 rows of %2 cells, each live or dead; %3 live")
            .arg(kSide)
            .arg(kSide)
            .arg(live);
    }
    return QAccessibleWidget::text(t);
}

int BoardAccessible::childCount() const
{
    return kSide * kSide;
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= kSide * kSide) {
        return nullptr;
    }
    return cellAt(index / kSide, index % kSide);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const BoardCellAccessible*>(child);
    if (cell == nullptr || cell->table() != this) {
        return -1;
    }
    return cell->rowIndex() * kSide + cell->columnIndex();
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            if (CellRect(row, column).contains(x, y)) {
                return cellAt(row, column);
            }
        }
    }
    return nullptr;
}

// There is always a cursor cell, so a focused board always has a focused cell to give.
QAccessibleInterface* BoardAccessible::focusChild() const
{
    if (!widget()->hasFocus()) {
        return nullptr;
    }
    const auto [row, column] = access_.cursor();
    return cellAt(row - 1, column - 1);
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface* BoardAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) {
        return nullptr;
    }
    QAccessible::Id& id =
        cellIds_[static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new BoardCellAccessible(const_cast<BoardAccessible*>(this), row, column));
    }
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::rowCount() const
{
    return kSide;
}

int BoardAccessible::columnCount() const
{
    return kSide;
}

QString BoardAccessible::rowDescription(int row) const
{
    return QStringLiteral("Row %1").arg(row + 1);
}

QString BoardAccessible::columnDescription(int column) const
{
    return QStringLiteral("Column %1").arg(column + 1);
}

// The board has no selection; a click toggles a cell instead.
int BoardAccessible::selectedCellCount() const
{
    return 0;
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const
{
    return {};
}

int BoardAccessible::selectedColumnCount() const
{
    return 0;
}

int BoardAccessible::selectedRowCount() const
{
    return 0;
}

QList<int> BoardAccessible::selectedColumns() const
{
    return {};
}

QList<int> BoardAccessible::selectedRows() const
{
    return {};
}

bool BoardAccessible::isColumnSelected(int /*column*/) const
{
    return false;
}

bool BoardAccessible::isRowSelected(int /*row*/) const
{
    return false;
}

bool BoardAccessible::selectRow(int /*row*/)
{
    return false;
}

bool BoardAccessible::selectColumn(int /*column*/)
{
    return false;
}

bool BoardAccessible::unselectRow(int /*row*/)
{
    return false;
}

bool BoardAccessible::unselectColumn(int /*column*/)
{
    return false;
}

void BoardAccessible::modelChange(QAccessibleTableModelChangeEvent* /*event*/)
{
    // Cells read the board when asked, so there is nothing cached to bring up to date.
}
