#include "features/editing/history.h"

#include <QUndoCommand>

namespace quarn {

// One action: the board before and after it. It is pushed once done, so the first redo, which
// QUndoStack calls on a push, has nothing to do.
class History::Entry : public QUndoCommand
{
public:
    Entry(History& history, const QString& action, const Snapshot& before, const Snapshot& after)
        : QUndoCommand(action),
          history_(history),
          before_(before),
          after_(after)
    {}

    void undo() override { history_.Restore(before_); }

    int RecordSize() const { return after_.record ? after_.record->Size() : 0; }

    void DropRecords()
    {
        before_.record.reset();
        after_.record.reset();
    }

    void redo() override
    {
        if (pushed_) {
            history_.Restore(after_);
        }
        pushed_ = true;
    }

private:
    History& history_;
    Snapshot before_;
    Snapshot after_;
    bool pushed_ = false;
};

History::History(const Board& board, const RunRecord& record, QObject* parent)
    : QObject(parent),
      board_(board),
      record_(record),
      current_{board.State(), record}
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

void History::Record(const char* action, int number)
{
    if (!runOpen_ && !strokeOpen_) {
        CheckpointNamed(tr(action).arg(number));
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
    // Named in the person's language, as the menus and the screen reader say it.
    CheckpointNamed(tr(action.toUtf8().constData()));
}

void History::CheckpointNamed(const QString& name)
{
    const Snapshot now{board_.State(), record_};
    if (now.state == current_.state) {
        current_.record = record_;
        return;
    }
    stack_.push(new Entry(*this, name, current_, now));
    current_ = now;
    KeepWithinBudget();
}

// Counted from the latest entry back; steps that entries share are counted for each, which
// errs on the side of keeping less.
void History::KeepWithinBudget()
{
    int kept = 0;
    for (int i = stack_.count() - 1; i >= 0; --i) {
        // The stack holds our entries only, and gives them back const.
        auto* entry = static_cast<Entry*>(const_cast<QUndoCommand*>(stack_.command(i)));
        kept += entry->RecordSize();
        if (kept > kRecordBudget) {
            entry->DropRecords();
        }
    }
}

void History::Restore(const Snapshot& snapshot)
{
    current_ = snapshot;
    if (!current_.record) {
        current_.record.emplace();
        current_.record->Reset(Field::Of(snapshot.state), snapshot.state.stepCount);
    }
    emit RestoreRequested(current_.state, *current_.record);
}

// A run under way can always be undone: undo stops it, and it becomes the entry undone.
void History::Announce()
{
    emit UndoChanged(runOpen_ || stack_.canUndo(), runOpen_ ? tr("Run") : stack_.undoText());
    emit RedoChanged(stack_.canRedo(), stack_.redoText());
}

} // namespace quarn
