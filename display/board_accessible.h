#pragma once

#include "board/board.h"

#include <QAccessibleWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

// Presents the picture area to assistive technology as what it shows: a 30 x 30 table named
// "Board" whose cells say "live" or "dead". Read-only: it offers no actions and takes no input.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    // Reads the cell at a 1-based row and column of the field.
    using CellReader = std::function<bool(int row, int column)>;
    // The slot of that cell in the area, in its logical pixels.
    using CellPlacer = std::function<QRect(int row, int column)>;

    BoardAccessible(QWidget* area, CellReader isLive, CellPlacer place);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;
    BoardAccessible(BoardAccessible&&) = delete;
    BoardAccessible& operator=(BoardAccessible&&) = delete;

    // Tells assistive technology that the cells in the given 1-based range may have changed.
    static void NotifyChanged(QWidget* area, int firstRow, int firstColumn, int lastRow,
                              int lastColumn);

    bool IsLive(int row, int column) const;
    QRect CellRect(int row, int column) const; // on the screen

    // QAccessibleInterface
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
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

    CellReader isLive_;
    CellPlacer place_;
    // Cell interfaces are made when first asked for and registered with Qt, which hands out
    // their ids; they are released with the table.
    mutable std::vector<QAccessible::Id> cellIds_;
};
