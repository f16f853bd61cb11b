#include "census/run_record.h"

#include <atomic>
#include <cassert>
#include <cstddef>

namespace quarn {

namespace {

// Ways and runs alike, each told apart from every other for as long as the program runs.
std::uint64_t NewId()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

std::int16_t Count16(const Field& field)
{
    return static_cast<std::int16_t>(field.Count()); // at most 900
}

} // namespace

RunRecord::RunRecord()
{
    Reset({}, 0);
}

// Records share their steps from the first on, as far as they went the same way: the chunks
// they share are the first ones, and the first that differs ends them.
RunRecord& RunRecord::operator=(const RunRecord& other)
{
    if (this == &other) {
        return *this;
    }
    chunks_.resize(other.chunks_.size());
    for (std::size_t i = chunks_.size(); i-- > 0;) {
        if (chunks_[i] == other.chunks_[i]) {
            break;
        }
        chunks_[i] = other.chunks_[i];
    }
    size_ = other.size_;
    firstStep_ = other.firstStep_;
    before_ = other.before_;
    now_ = other.now_;
    trail_ = other.trail_;
    wayStart_ = other.wayStart_;
    wayStartStep_ = other.wayStartStep_;
    waySize_ = other.waySize_;
    wayBefore_ = other.wayBefore_;
    wayTrail_ = other.wayTrail_;
    way_ = other.way_;
    run_ = other.run_;
    return *this;
}

RunRecord::Point RunRecord::Between(int step, const Field& before, const Field& after)
{
    return {step, Count16(after), Count16(after.Without(before)), Count16(before.Without(after))};
}

void RunRecord::Reset(const Field& field, int step)
{
    chunks_.clear();
    before_ = field;
    now_ = field;
    trail_ = field;
    chunks_.push_back(std::make_shared<Chunk>());
    chunks_.back()->push_back(Counted(Between(step, field, field)));
    size_ = 1;
    firstStep_ = step;
    run_ = NewId();
    StartWay(field, step);
}

void RunRecord::Stepped(const Field& field)
{
    if (size_ % kChunk == 0) {
        chunks_.push_back(std::make_shared<Chunk>());
        chunks_.back()->reserve(kChunk);
    }
    before_ = now_;
    ++size_;
    LastForWriting() = Counted(Between(0, now_, field));
    now_ = field;
    trail_ = trail_ | field;
}

// The edits at a step count together against the step before, as the generation that led to it
// does.
void RunRecord::Edited(const Field& field)
{
    LastForWriting() = Counted(Between(0, before_, field));
    now_ = field;
    trail_ = trail_ | field;
    StartWay(field, Last().step);
}

RunRecord::Point RunRecord::Last() const
{
    return At(size_ - 1);
}

const Field& RunRecord::Trail() const
{
    return trail_;
}

const Field& RunRecord::Now() const
{
    return now_;
}

const Field& RunRecord::WayStart() const
{
    return wayStart_;
}

int RunRecord::WayStartStep() const
{
    return wayStartStep_;
}

std::uint64_t RunRecord::Way() const
{
    return way_;
}

std::uint64_t RunRecord::Run() const
{
    return run_;
}

RunRecord::Counts RunRecord::Counted(const Point& point)
{
    return {point.live, point.born, point.died};
}

void RunRecord::StartWay(const Field& field, int step)
{
    wayStart_ = field;
    wayStartStep_ = step;
    waySize_ = size_;
    wayBefore_ = before_;
    wayTrail_ = trail_;
    way_ = NewId();
}

// The steps past the way's start are left in the chunks the copy shares, beyond its size: a step
// taken from there writes into a copy of its own chunk.
RunRecord RunRecord::AtWayStart() const
{
    RunRecord start = *this;
    start.chunks_.resize(static_cast<std::size_t>((waySize_ + kChunk - 1) / kChunk));
    start.size_ = waySize_;
    start.before_ = wayBefore_;
    start.now_ = wayStart_;
    start.trail_ = wayTrail_;
    return start;
}

// The last step's chunk, copied first if another record shares it. A new step's place is made
// here too.
RunRecord::Counts& RunRecord::LastForWriting()
{
    std::shared_ptr<Chunk>& chunk = chunks_.back();
    if (chunk.use_count() > 1) {
        chunk = std::make_shared<Chunk>(*chunk);
    }
    const auto place = static_cast<std::size_t>(size_ - 1) % kChunk;
    if (chunk->size() <= place) {
        chunk->resize(place + 1);
    }
    return (*chunk)[place];
}

} // namespace quarn
