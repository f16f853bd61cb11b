#pragma once

#include "features/access/leaf_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMetaObject>

#include <array>
#include <vector>

class QWidget;

namespace quarn {

class BoardAccess;

// Presents the widget that shows the board to assistive technology as what it is: a canvas named
// "Board" of 30 x 30 cells that say "live" or "dead" and can be toggled, with the table interface
// for whatever asks for rows and columns. While the board has the focus, the keyboard's cursor
// cell is the focused cell. It hears from its source what changes and tells assistive technology.
// Rows and columns count from 0 here, as table interfaces count.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)

public:
    BoardAccessible(QWidget* area, BoardAccess& access);
    ~BoardAccessible() override;
    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;
    BoardAccessible(BoardAccessible&&) = delete;
    BoardAccessible& operator=(BoardAccessible&&) = delete;

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
    friend class BoardCellAccessible;

    // What the source tells of, told on to assistive technology.
    void TellChanged();
    void TellCell(int row, int column, QAccessible::Event event) const;

    // For the cells.
    bool IsLive(int row, int column) const;
    QRect CellRect(int row, int column) const; // on the screen
    void Toggle(int row, int column) const;
    bool FocusedAt(int row, int column) const;

    BoardAccess& access_;
    // Cell interfaces are made when first asked for and registered with Qt, which hands out
    // their ids; they are released with the table.
    mutable std::vector<QAccessible::Id> cellIds_;
    std::array<QMetaObject::Connection, 3> heard_;
};

// One cell of the board table: its row, its column, "live" or "dead", and a toggle action that
// does what a click on it does.
class BoardCellAccessible : public LeafAccessible,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface
{
    Q_DECLARE_TR_FUNCTIONS(BoardCellAccessible)

public:
    BoardCellAccessible(BoardAccessible* table, int row, int column);

    // QAccessibleInterface
    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

    // QAccessibleActionInterface: toggling, the one action and so the default.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    BoardAccessible* table_;
    int row_;
    int column_;
};

} // namespace quarn
