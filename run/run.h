#pragma once

#include "census/run_model.h"

#include <QObject>

namespace quarn {

// The run model as the program hears of it: the one who changes the board tells it what
// happened, and it tells its readers, each thing once. A redraw of the board is none of these.
class Run : public QObject
{
    Q_OBJECT

public:
    explicit Run(QObject* parent = nullptr);

    const RunModel& Model() const;

    void ResetTo(const Field& field, int step);
    void Step(const Field& field);
    void Edit(const Field& field);
    void Restore(const RunRecord& record);

signals:
    // A fill, a load or the start: a new run.
    void Reset();
    // A generation passed.
    void Stepped();
    // A click, a stroke's cell or a key changed the board where it stands.
    void Edited();
    // Undo or redo brought back a board with its record.
    void Restored();

private:
    RunModel model_;
};

} // namespace quarn
