#include "census/population.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace quarn {

namespace {

// Where the steps ahead end: at the fate's step, if it lies ahead within kAhead, else kAhead on.
// A board that repeats shows a whole period past where it starts repeating, or past now, so that
// the repeat can be seen.
int EndAhead(const Fate& fate, int now)
{
    const int most = now + Population::kAhead;
    switch (fate.end) {
    case Fate::End::StillChanging:
        return most;
    case Fate::End::Repeats:
        return std::min(std::max(fate.step, now) + fate.period, most);
    case Fate::End::DiesOut:
    case Fate::End::Settles:
        break;
    }
    return std::min(fate.step, most);
}

} // namespace

void Population::Follow(const RunRecord& record, const Fate& fate)
{
    const int now = record.Last().step;
    end_ = EndAhead(fate, now);
    andOn_ = fate.end == Fate::End::StillChanging || fate.step > end_;
    // On the same way and forward, within the steps foreseen: those now past are let go.
    const bool onTheWay = followed_ && record.Way() == record_.Way() && now >= syncedStep_ &&
                          !ahead_.empty() && now <= ahead_.back().step;
    record_ = record;
    followed_ = true;
    syncedStep_ = now;
    if (!onTheWay) {
        ++laid_;
        RunAhead();
        return;
    }
    while (aheadFrom_ < ahead_.size() && ahead_[aheadFrom_].step <= now) {
        ++aheadFrom_;
    }
    // Now and then, not at every step, the steps gone by are let go.
    if (aheadFrom_ > static_cast<std::size_t>(kAhead)) {
        ahead_.erase(ahead_.begin(), ahead_.begin() + static_cast<std::ptrdiff_t>(aheadFrom_));
        aheadFrom_ = 0;
    }
    Extend();
}

std::uint64_t Population::Run() const
{
    return followed_ ? record_.Run() : 0;
}

std::uint64_t Population::Way() const
{
    return followed_ ? record_.Way() : 0;
}

bool Population::Ahead(int index) const
{
    return index >= PastSize();
}

bool Population::AndOn() const
{
    return andOn_;
}

std::uint64_t Population::Laid() const
{
    return laid_;
}

Population::Figures Population::PastFigures() const
{
    Figures figures{At(0), At(0), At(0), At(PastSize() - 1)};
    for (int i = 1; i < PastSize(); ++i) {
        const Point point = At(i);
        figures.highest = point.live > figures.highest.live ? point : figures.highest;
        figures.lowest = point.live < figures.lowest.live ? point : figures.lowest;
    }
    return figures;
}

int Population::HighestIndex() const
{
    int highest = 0;
    for (int i = 1; i < Size(); ++i) {
        highest = At(i).live > At(highest).live ? i : highest;
    }
    return highest;
}

int Population::LowestIndex() const
{
    int lowest = 0;
    for (int i = 1; i < Size(); ++i) {
        lowest = At(i).live < At(lowest).live ? i : lowest;
    }
    return lowest;
}

void Population::RunAhead()
{
    ahead_.clear();
    aheadFrom_ = 0;
    last_ = record_.Now();
    Extend();
}

void Population::Extend()
{
    if (ahead_.size() == aheadFrom_) {
        ahead_.clear();
        aheadFrom_ = 0;
        last_ = record_.Now();
    }
    int step = ahead_.empty() ? record_.Last().step : ahead_.back().step;
    while (step < end_) {
        const Field next = last_.Next();
        ++step;
        ahead_.push_back(RunRecord::Between(step, last_, next));
        last_ = next;
    }
}

} // namespace quarn
