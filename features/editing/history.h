#pragma once

#include "board/board.h"
#include "census/run_record.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>

namespace quarn {

// What the person did, one entry per action, for undo and redo: a click or a whole
// stroke, a fill, a pattern load, "1 Step", and a whole run from Go to whatever ends it. An
// entry holds the board and count before and after, and the record of the run that went with
// each; an action that changed nothing leaves none. The records of the oldest entries go first
// when the entries' records hold more than kRecordBudget steps in all: undone to, such a board
// starts a record anew.
//
// Entries always follow one another: each starts from the state the last one ended in, and
// whatever the board did between the two (the ticks of a run) belongs to the later one.
class History : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLimit = 1000;
    static constexpr int kRecordBudget = 100000;

    History(const Board& board, const RunRecord& record, QObject* parent = nullptr);

    // After an action that is one entry unless a run or a stroke is open, when it belongs to
    // that: "1 Step", a click, a toggle from the keyboard.
    void Record(const QString& action);
    // The same for an action named with a number: "Go to Step %1".
    void Record(const char* action, int number);
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
    void RestoreRequested(const BoardState& state, const RunRecord& record);
    // After an entry has been undone or redone: its action.
    void Undone(const QString& action);
    void Redone(const QString& action);
    // Whether there is something to undo, or to redo, and the action it would undo or redo.
    void UndoChanged(bool available, const QString& action);
    void RedoChanged(bool available, const QString& action);

private:
    class Entry;

    // A board and count, and the record that went with it, if it is still kept.
    struct Snapshot
    {
        BoardState state;
        std::optional<RunRecord> record;
    };

    void SettleBeforeUndo();
    void Checkpoint(const QString& action);
    void CheckpointNamed(const QString& name);
    void KeepWithinBudget();
    void Restore(const Snapshot& snapshot);
    void Announce();

    const Board& board_;
    const RunRecord& record_;
    QUndoStack stack_;
    Snapshot current_; // what the last entry ended in
    bool runOpen_ = false;
    bool strokeOpen_ = false;
};

} // namespace quarn
