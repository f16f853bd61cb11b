#include "census/run_model.h"

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

void RunModel::Changed()
{
    ++changes_;
}

} // namespace quarn
