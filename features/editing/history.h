#pragma once

#include "board/board.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

namespace quarn {

// What the person did, one entry per action, for undo and redo: a click or a whole
// stroke, a fill, a pattern load, "1 Step", and a whole run from Go to whatever ends it. An
// entry holds the board and count before and after; an action that changed nothing leaves none.
//
// Entries always follow one another: each starts from the state the last one ended in, and
// whatever the board did between the two (the ticks of a run) belongs to the later one.
class History : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLimit = 1000;

    History(const Board& board, QObject* parent = nullptr);

    // After an action that is one entry unless a run or a stroke is open, when it belongs to
    // that: "1 Step", a click, a toggle from the keyboard.
    void Record(const QString& action);
    // Before an action that stands alone, such as a fill: whatever run is open ends first.
    void CloseRun();
    // Go: a run opens, if none is.
    void RunStarted();
    void StrokeStarted();
    void StrokeEnded();

    void Undo();
    void Redo();

signals:
    // Undo and redo stop any run first, and then put the board into a state it was in.
    void StopRequested();
    void RestoreRequested(const BoardState& state);
    // After an entry has been undone or redone: its action.
    void Undone(const QString& action);
    void Redone(const QString& action);
    // Whether there is something to undo, or to redo, and the action it would undo or redo.
    void UndoChanged(bool available, const QString& action);
    void RedoChanged(bool available, const QString& action);

private:
    class Entry;

    void SettleBeforeUndo();
    void Checkpoint(const QString& action);
    void Restore(const BoardState& state);
    void Announce();

    const Board& board_;
    QUndoStack stack_;
    BoardState current_; // the state the last entry ended in
    bool runOpen_ = false;
    bool strokeOpen_ = false;
};

} // namespace quarn
