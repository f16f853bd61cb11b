#include "features/access/board_accessible.h"

#include "board/board.h"
#include "features/access/board_access.h"

#include <QWidget>

namespace quarn {

namespace {

constexpr int kSide = Board::kFieldSize;

} // namespace

BoardAccessible::BoardAccessible(QWidget* area, BoardAccess& access)
    : QAccessibleWidget(area, QAccessible::Canvas, tr("Board")),
      access_(access),
      cellIds_(static_cast<std::size_t>(kSide * kSide), 0),
      heard_{QObject::connect(&access, &BoardAccess::Changed, area, [this] { TellChanged(); }),
             QObject::connect(
                 &access, &BoardAccess::CellChanged, area,
                 [this](int row, int column) { TellCell(row, column, QAccessible::NameChanged); }),
             QObject::connect(&access, &BoardAccess::FocusMoved, area, [this](int row, int column) {
                 TellCell(row, column, QAccessible::Focus);
             })}
{}

BoardAccessible::~BoardAccessible()
{
    for (const QMetaObject::Connection& connection : heard_) {
        QObject::disconnect(connection);
    }
    for (const QAccessible::Id id : cellIds_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

// A new description (it counts the live cells), the one table event that the Linux desktop's
// bridge carries, and the finer table-model event that it drops, for other bridges.
void BoardAccessible::TellChanged()
{
    QAccessibleEvent description(widget(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleTableModelChangeEvent cells(widget(), QAccessibleTableModelChangeEvent::DataChanged);
    cells.setFirstRow(0);
    cells.setFirstColumn(0);
    cells.setLastRow(kSide - 1);
    cells.setLastColumn(kSide - 1);
    QAccessible::updateAccessibility(&cells);
}

// A cell's new name, so that it is spoken; or the cursor on it, while the board has the focus.
// Rows and columns count from 1 here, as the source counts.
void BoardAccessible::TellCell(int row, int column, QAccessible::Event event) const
{
    if (QAccessibleInterface* cell = cellAt(Board::ToZeroBased(row), Board::ToZeroBased(column))) {
        QAccessibleEvent told(cell, event);
        QAccessible::updateAccessibility(&told);
    }
}

bool BoardAccessible::IsLive(int row, int column) const
{
    return access_.IsLive(Board::FromZeroBased(row), Board::FromZeroBased(column));
}

QRect BoardAccessible::CellRect(int row, int column) const
{
    const QRect local =
        access_.CellSlotPixels(Board::FromZeroBased(row), Board::FromZeroBased(column));
    return local.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

void BoardAccessible::Toggle(int row, int column) const
{
    access_.RequestToggle(Board::FromZeroBased(row), Board::FromZeroBased(column));
}

bool BoardAccessible::FocusedAt(int row, int column) const
{
    return access_.FocusedAt(Board::FromZeroBased(row), Board::FromZeroBased(column));
}

// A canvas, as it is: the picture the cells are drawn on. Presented as a table, the board would
// have a screen reader read all 30 cells of a row at every move up or down, as Orca does in
// tables outside documents unless told not to; the cells still give their rows and columns,
// and the table interface is there for whatever asks for it.
QAccessible::Role BoardAccessible::role() const
{
    return QAccessible::Canvas;
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return tr("Board");
    }
    if (t == QAccessible::Description) {
        return tr("%1 rows of %2 cells, each live or dead; %n live", nullptr, access_.LiveCount())
            .arg(kSide)
            .arg(kSide);
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
    const std::optional<GridCell> cell = access_.CellAt(widget()->mapFromGlobal(QPoint(x, y)));
    if (!cell) {
        return nullptr;
    }
    return cellAt(Board::ToZeroBased(cell->row), Board::ToZeroBased(cell->column));
}

// There is always a cursor cell, so a focused board always has a focused cell to give.
QAccessibleInterface* BoardAccessible::focusChild() const
{
    if (!widget()->hasFocus()) {
        return nullptr;
    }
    return cellAt(Board::ToZeroBased(access_.CursorRow()),
                  Board::ToZeroBased(access_.CursorColumn()));
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
    return tr("Row %1").arg(Board::FromZeroBased(row));
}

QString BoardAccessible::columnDescription(int column) const
{
    return tr("Column %1").arg(Board::FromZeroBased(column));
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

// --- A cell -------------------------------------------------------------------------------------

BoardCellAccessible::BoardCellAccessible(BoardAccessible* table, int row, int column)
    : table_(table),
      row_(row),
      column_(column)
{}

bool BoardCellAccessible::isValid() const
{
    return table_ != nullptr && table_->isValid();
}

QAccessibleInterface* BoardCellAccessible::parent() const
{
    return table_;
}

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
    case QAccessible::Value:
        return table_->IsLive(row_, column_) ? tr("live") : tr("dead");
    case QAccessible::Description:
        // With the board's name, which a screen reader's "where am I" then says.
        return tr("Row %1, column %2 of the %3")
            .arg(Board::FromZeroBased(row_))
            .arg(Board::FromZeroBased(column_))
            .arg(table_->text(QAccessible::Name));
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

} // namespace quarn
