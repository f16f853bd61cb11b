#pragma once

#include "board/board.h"

#include <QAccessibleWidget>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

// Presents the picture area to assistive technology as what it shows: a 30 x 30 table named
// "Board" whose cells say "live" or "dead" and can be toggled. While the board has the focus,
// the keyboard's cursor cell is the table's focused cell.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    // What the table needs of the window, for cells at 1-based rows and columns of the field.
    struct Access
    {
        std::function<bool(int row, int column)> isLive;
        // The slot of the cell in the area, in its logical pixels.
        std::function<QRect(int row, int column)> place;
        std::function<void(int row, int column)> toggle;
        // The cursor cell, as (row, column).
        std::function<std::pair<int, int>()> cursor;
    };

    BoardAccessible(QWidget* area, Access access);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;
    BoardAccessible(BoardAccessible&&) = delete;
    BoardAccessible& operator=(BoardAccessible&&) = delete;

    // Tells assistive technology that the whole board may have changed: a new description (it
    // counts the live cells), the one table event that the Linux desktop's bridge carries, and
    // the finer table-model event that it drops, for other bridges.
    static void NotifyChanged(QWidget* area);
    // That one cell has toggled, so that its new name is spoken.
    static void NotifyToggled(QWidget* area, int row, int column);
    // That the cursor is on a new cell, while the board has the focus.
    static void NotifyCursor(QWidget* area, int row, int column);

    // For the cells, 0-based.
    bool IsLive(int row, int column) const;
    QRect CellRect(int row, int column) const; // on the screen
    void Toggle(int row, int column) const;
    // Whether the board has the focus with the cursor on this cell.
    bool FocusedAt(int row, int column) const;

    // QAccessibleInterface
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int rowCount() const override;
    int columnCount() const override;
    QString rowDescription(int row) const override;
    QString columnDescription(int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    static constexpr int kSide = quarn::Board::kFieldSize;

    // The cell interface of a 1-based cell of the area's table, if accessibility is on.
    static QAccessibleInterface* CellOf(QWidget* area, int row, int column);

    Access access_;
    // Cell interfaces are made when first asked for and registered with Qt, which hands out
    // their ids; they are released with the table.
    mutable std::vector<QAccessible::Id> cellIds_;
};
