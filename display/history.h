#pragma once

#include "board/board.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

class QWidget;

// What the person did, one entry per action, for Ctrl+Z and Ctrl+Shift+Z: a click or a whole
// stroke, a fill, a pattern load, "1 Step", and a whole run from Go to whatever ends it. An
// entry holds the board and count before and after; an action that changed nothing leaves none.
//
// Entries always follow one another: each starts from the state the last one ended in, and
// whatever the board did between the two (the ticks of a run) belongs to the later one.
class History : public QObject
{
    Q_OBJECT

public:
    // Stops any run, puts the board into the state and redraws it.
    using Show = std::function<void(const quarn::BoardState& state)>;

    static constexpr int kLimit = 1000;

    History(QWidget& window, const quarn::Board& board, Show show);

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

private:
    class Entry;

    void SettleBeforeUndo();
    void Checkpoint(const QString& action);
    void Restore(const quarn::BoardState& state);

    const quarn::Board& board_;
    Show show_;
    QUndoStack stack_;
    quarn::BoardState current_; // the state the last entry ended in
    bool runOpen_ = false;
    bool strokeOpen_ = false;
};
