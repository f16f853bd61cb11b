#include "run/run.h"

namespace quarn {

Run::Run(QObject* parent)
    : QObject(parent)
{}

const RunModel& Run::Model() const
{
    return model_;
}

void Run::ResetTo(const Field& field, int step)
{
    model_.Reset(field, step);
    emit Reset();
}

void Run::Step(const Field& field)
{
    model_.Stepped(field);
    emit Stepped();
}

void Run::Edit(const Field& field)
{
    model_.Edited(field);
    emit Edited();
}

void Run::Restore(const RunRecord& record)
{
    model_.Restore(record);
    emit Restored();
}

} // namespace quarn
