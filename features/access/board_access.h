#pragma once

#include "board/board.h"
#include "geometry/cell_geometry.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace quarn {

// What assistive technology reads of the board, in one place: the board, the keyboard's cursor as
// last told, where the cells lie in the widget that shows them, and a toggle, which it asks for
// by ToggleRequested. The window tells it what changed; it passes that on by its own signals to
// whatever presents the board to assistive technology. Rows and columns count from 1.
class BoardAccess : public QObject
{
    Q_OBJECT

public:
    BoardAccess(QWidget& area, const Board& board);

    bool IsLive(int row, int column) const;
    int LiveCount() const;
    // Whether the board has the focus with the cursor on this cell.
    bool FocusedAt(int row, int column) const;
    int CursorRow() const;
    int CursorColumn() const;

    // Where a cell's slot lies in the widget, and the cell at a point in it, as a click finds it.
    QRect CellSlotPixels(int row, int column) const;
    std::optional<GridCell> CellAt(QPoint local) const;

    // A toggle asked for by assistive technology, as a click would toggle.
    void RequestToggle(int row, int column);

    // What the window tells it: the whole board may have changed, one cell has toggled, the
    // cursor has moved while the board has the focus, or been placed by words said already.
    void BoardChanged();
    void CellToggled(int row, int column);
    void CursorMoved(int row, int column);
    void CursorPlaced(int row, int column);

signals:
    void ToggleRequested(int row, int column);
    // Told on, only while assistive technology is listening.
    void Changed();
    void CellChanged(int row, int column);
    void FocusMoved(int row, int column);

private:
    // Whether assistive technology is listening. Qt makes the board's accessible the first time
    // something asks for it; asking here makes sure that one exists to hear what follows.
    bool Listening() const;

    QWidget& area_;
    const Board& board_;
    int cursorRow_ = 1;
    int cursorColumn_ = 1;
};

} // namespace quarn
