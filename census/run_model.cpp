#include "census/run_model.h"

#include <cassert>
#include <cstddef>
#include <utility>

namespace quarn {

void RunModel::Reset(const Field& field, int step)
{
    record_.Reset(field, step);
    Changed();
}

void RunModel::Stepped(const Field& field)
{
    record_.Stepped(field);
    Changed();
}

void RunModel::Edited(const Field& field)
{
    record_.Edited(field);
    Changed();
}

void RunModel::Restore(const RunRecord& record)
{
    record_ = record;
    Changed();
}

const RunRecord& RunModel::Record() const
{
    return record_;
}

// The fate is copied out of the foresight, whose fates move as it keeps others: what a reader
// holds stays where it is.
const Fate& RunModel::Foreseen() const
{
    if (fateWay_ != record_.Way()) {
        fate_ = foresight_.Of(record_);
        fateWay_ = record_.Way();
    }
    return fate_;
}

const Population& RunModel::Series() const
{
    if (seriesChanges_ != changes_) {
        series_.Follow(record_, Foreseen());
        seriesChanges_ = changes_;
    }
    return series_;
}

const Moments& RunModel::WayMoments() const
{
    if (momentsWay_ != record_.Way()) {
        moments_ = MomentsOf(record_.WayStart(), record_.WayStartStep(), Foreseen());
        momentsWay_ = record_.Way();
    }
    return moments_;
}

namespace {

// The record gone so many generations on from where it stands.
void StepOn(RunRecord& record, int generations)
{
    Field field = record.Now();
    for (int i = 0; i < generations; ++i) {
        field = field.Next();
        record.Stepped(field);
    }
}

} // namespace

RunRecord RunModel::RecordAt(int step) const
{
    const int start = record_.WayStartStep();
    assert(step >= start);
    const int now = record_.Last().step;
    if (step >= now && step - now < kKeepEvery) {
        RunRecord at = record_;
        StepOn(at, step - now);
        return at;
    }
    if (keptWay_ != record_.Way()) {
        kept_.assign(1, record_.AtWayStart());
        keptWay_ = record_.Way();
    }
    const auto index = static_cast<std::size_t>((step - start) / kKeepEvery);
    while (kept_.size() <= index) {
        RunRecord next = kept_.back();
        StepOn(next, kKeepEvery);
        kept_.push_back(std::move(next));
    }
    RunRecord at = kept_[index];
    StepOn(at, step - start - static_cast<int>(index) * kKeepEvery);
    return at;
}

void RunModel::Changed()
{
    ++changes_;
}

} // namespace quarn
