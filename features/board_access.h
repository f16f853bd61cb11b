#pragma once

#include "board/board.h"

#include <QObject>
#include <QRect>

class BoardCursor;
class QAccessibleInterface;
class QWidget;

// What the board's accessible table reads and asks of the program, in one place: the board, the
// keyboard's cursor, where the cells lie in the widget that shows them, and a toggle, which it
// asks for by ToggleRequested. The window tells it what changed, and it tells assistive
// technology. Rows and columns count from 1.
class BoardAccess : public QObject
{
    Q_OBJECT

public:
    BoardAccess(QWidget& area, const quarn::Board& board, const BoardCursor& cursor);

    bool IsLive(int row, int column) const;
    int LiveCount() const;
    // Whether the board has the focus with the cursor on this cell.
    bool FocusedAt(int row, int column) const;
    int CursorRow() const;
    int CursorColumn() const;

    // The size of a cell's slot in the area's logical pixels, which need not be whole.
    void SetCellPitch(double width, double height);
    QRect CellSlotPixels(int row, int column) const;

    // A toggle asked for by assistive technology, as a click would toggle.
    void RequestToggle(int row, int column);

    // What the window tells it: the whole board may have changed, one cell has toggled, the
    // cursor has moved while the board has the focus.
    void BoardChanged();
    void CellToggled(int row, int column);
    void CursorMoved(int row, int column);

signals:
    void ToggleRequested(int row, int column);

private:
    // The cell interface of a cell of the area's table, if accessibility is on.
    QAccessibleInterface* CellOf(int row, int column) const;

    QWidget& area_;
    const quarn::Board& board_;
    const BoardCursor& cursor_;
    double pitchWidth_ = 0;
    double pitchHeight_ = 0;
};
