#include "features/editing/history.h"

#include <QUndoCommand>

namespace quarn {

// One action: the board before and after it. It is pushed once done, so the first redo, which
// QUndoStack calls on a push, has nothing to do.
class History::Entry : public QUndoCommand
{
public:
    Entry(History& history, const QString& action, const BoardState& before,
          const BoardState& after)
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
    BoardState before_;
    BoardState after_;
    bool pushed_ = false;
};

History::History(const Board& board, QObject* parent)
    : QObject(parent),
      board_(board),
      current_(board.State())
{
    stack_.setUndoLimit(kLimit);
    connect(&stack_, &QUndoStack::indexChanged, this, &History::Announce);
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
        Checkpoint(QStringLiteral(QT_TR_NOOP("Run")));
        Announce();
    }
}

void History::RunStarted()
{
    if (!runOpen_) {
        runOpen_ = true;
        Announce();
    }
}

void History::StrokeStarted()
{
    strokeOpen_ = true;
}

void History::StrokeEnded()
{
    strokeOpen_ = false;
    Record(QStringLiteral(QT_TR_NOOP("Draw")));
}

void History::Undo()
{
    SettleBeforeUndo();
    if (stack_.canUndo()) {
        const QString action = stack_.undoText();
        stack_.undo();
        emit Undone(action);
    }
}

void History::Redo()
{
    SettleBeforeUndo();
    if (stack_.canRedo()) {
        const QString action = stack_.redoText();
        stack_.redo();
        emit Redone(action);
    }
}

// A run stops first, even when there is nothing to undo, and what it did becomes the latest
// entry, the one to undo; so does what a stroke under way has drawn so far (the rest of the
// stroke makes an entry of its own).
void History::SettleBeforeUndo()
{
    emit StopRequested();
    CloseRun();
    if (strokeOpen_) {
        Checkpoint(QStringLiteral(QT_TR_NOOP("Draw")));
    }
}

void History::Checkpoint(const QString& action)
{
    const BoardState now = board_.State();
    if (now == current_) {
        return;
    }
    // Named in the person's language, as the menus and the screen reader say it.
    stack_.push(new Entry(*this, tr(action.toUtf8().constData()), current_, now));
    current_ = now;
}

void History::Restore(const BoardState& state)
{
    current_ = state;
    emit RestoreRequested(state);
}

// A run under way can always be undone: undo stops it, and it becomes the entry undone.
void History::Announce()
{
    emit UndoChanged(runOpen_ || stack_.canUndo(), runOpen_ ? tr("Run") : stack_.undoText());
    emit RedoChanged(stack_.canRedo(), stack_.redoText());
}

} // namespace quarn
