#pragma once

#include "features/keys/key_table.h"

#include <QColor>
#include <QObject>

class QKeyEvent;
class QPalette;
class QWidget;

namespace quarn {

// The keyboard's place on the board: a cursor cell that the arrow keys, Home, End, Page Up and
// Page Down move and that Space or Enter toggles; S asks for the board's status, D for what is on
// it, W for what becomes of the cursor cell, N and Shift+N for the next and the previous object,
// M and Shift+M for the next and the previous moment of the run.
// While the board has the focus, a marker round the cursor's box shows it, once the keyboard is
// in use: after Tab or Shift+Tab has brought the focus, or a key has been pressed on the board,
// but not at start or after a click. Rows and columns count from 1.
class BoardCursor : public QObject
{
    Q_OBJECT

public:
    // Follows the keys and the focus of the widget that shows the board.
    explicit BoardCursor(QWidget& area);

    int Row() const;
    int Column() const;

    // A click on a cell: the cursor follows it if the board has the focus, and the marker goes
    // until the keyboard is used again.
    void Clicked(int row, int column);
    // The cursor put on a cell by the keyboard's other ways round the board, object by object,
    // which say where it went in their own words: it moves without a word of its own.
    void Place(int row, int column);

    // At least 3:1 against both the silver gap and a black box, as WCAG 2.2 asks of a focus
    // indicator: the palette's highlight where it manages that, a fixed blue where not.
    static QColor MarkerColor(const QPalette& palette);
    // The board's keys, for its key handler and the Keys and Mouse page.
    static const KeyTable& Keys();

signals:
    void ToggleRequested(int row, int column);
    // S on the board: what the board holds, said aloud.
    void StatusRequested();
    // R: the board to run, or to stop, as Go and Stop do.
    void RunRequested();
    // D: what is on the board, and what becomes of it, with the cursor on this cell.
    void DescribeRequested(int row, int column);
    // W: why the cell lives or dies at the next step.
    void ExplainRequested(int row, int column);
    // N or Shift+N: the object after, or before, the cursor cell.
    void ObjectRequested(int row, int column, bool backwards);
    // M or Shift+M: the next moment of the run, or back to the one before.
    void MomentRequested(bool backwards);
    // The cursor moved while the board has the focus; or was placed, without a word.
    void Moved(int row, int column);
    void Placed(int row, int column);
    // The marker is to show this cell, in this colour, or to go.
    void MarkerShown(int row, int column, const QColor& color);
    void MarkerHidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(const QKeyEvent& key);
    void MoveTo(int row, int column, bool quietly = false);
    void ShowMarker(bool shown);
    void UpdateMarker();

    QWidget& area_;
    int row_ = 1;
    int column_ = 1;
    bool markerShown_ = false;
};

} // namespace quarn
