#pragma once

#include "board/board.h"

#include <QObject>

#include <bitset>
#include <utility>
#include <vector>

namespace quarn {

// A drag across the board with a button held. It sets the cells the pointer passes over to the
// state that the first one took, each cell once, filling in the straight line between one sample
// of the pointer and the next so that a fast stroke leaves no gaps. It asks for each cell that
// must change by ToggleRequested.
//
// A stroke ends when its button is let go, and also whenever the board stops getting the button
// without hearing of its release: a box or dialog opens over the window, or the window loses
// the mouse to another.
class BoardStroke : public QObject
{
    Q_OBJECT

public:
    using CellList = std::vector<std::pair<int, int>>;

    // Watches the window for what takes the mouse from it.
    explicit BoardStroke(const Board& board, QWidget* window = nullptr);

    // A press of the button on a field cell, 1-based, before the press toggles it: the stroke
    // sets every cell it passes over to the state this one is about to take.
    void Press(int row, int column, int button);
    // The pointer over the cell, which may lie off the field, with these buttons held.
    void Drag(int row, int column, int buttons);
    void Release(int button);
    void End();

    // The field cells on the line from the last sample to this one, in order, that the stroke
    // has not been over yet. The sample may lie off the field: the line still counts, its cells
    // off the field do not.
    CellList MoveTo(int row, int column);

signals:
    void Started();
    void Ended();
    void ToggleRequested(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using FieldBits = std::bitset<std::size_t{Board::kFieldSize} * Board::kFieldSize>;

    static std::size_t Bit(int row, int column);

    const Board& board_;
    bool active_ = false;
    bool live_ = false;
    int button_ = 0;
    int row_ = 0;
    int column_ = 0;
    FieldBits visited_;
};

} // namespace quarn
