#include "history.h"

#include "window_shortcut.h"

#include <QUndoCommand>
#include <QWidget>

// One action: the board before and after it. It is pushed once done, so the first redo, which
// QUndoStack calls on a push, has nothing to do.
class History::Entry : public QUndoCommand
{
public:
    Entry(History& history, const QString& action, const quarn::BoardState& before,
          const quarn::BoardState& after)
        : QUndoCommand(action),
          history_(history),
          before_(before),
          after_(after)
    {}

    void undo() override { history_.Restore(before_); }

    void redo() override
    {
        if (pushed_) {
            history_.Restore(after_);
        }
        pushed_ = true;
    }

private:
    History& history_;
    quarn::BoardState before_;
    quarn::BoardState after_;
    bool pushed_ = false;
};

History::History(QWidget& window, const quarn::Board& board, Show show)
    : QObject(&window),
      board_(board),
      show_(std::move(show)),
      current_(board.State())
{
    stack_.setUndoLimit(kLimit);
    AddWindowShortcut(window, QKeySequence::Undo, this, &History::Undo);
    AddWindowShortcut(window, QKeySequence::Redo, this, &History::Redo);
}

void History::Record(const QString& action)
{
    if (!runOpen_ && !strokeOpen_) {
        Checkpoint(action);
    }
}

void History::CloseRun()
{
    if (runOpen_) {
        runOpen_ = false;
        Checkpoint(QStringLiteral("Run"));
    }
}

void History::RunStarted()
{
    runOpen_ = true;
}

void History::StrokeStarted()
{
    strokeOpen_ = true;
}

void History::StrokeEnded()
{
    strokeOpen_ = false;
    Record(QStringLiteral("Draw"));
}

void History::Undo()
{
    SettleBeforeUndo();
    stack_.undo();
}

void History::Redo()
{
    SettleBeforeUndo();
    stack_.redo();
}

// A run stops first, and what it did becomes the latest entry, the one to undo; so does what a
// stroke under way has drawn so far (the rest of the stroke makes an entry of its own).
void History::SettleBeforeUndo()
{
    CloseRun();
    if (strokeOpen_) {
        Checkpoint(QStringLiteral("Draw"));
    }
    Restore(board_.State()); // stops the run even when there is nothing to undo
}

void History::Checkpoint(const QString& action)
{
    const quarn::BoardState now = board_.State();
    if (now == current_) {
        return;
    }
    stack_.push(new Entry(*this, action, current_, now));
    current_ = now;
}

void History::Restore(const quarn::BoardState& state)
{
    current_ = state;
    show_(state);
}
