#pragma once

#include "census/field.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace quarn {

// What the board has gone through since the last reset (a fill, a load, the start): how many
// cells lived at each step the label counted, and how many were born and died on the way there;
// every cell that has lived since; and where the way it is on now began, at the reset or at the
// last edit, from which its fate is foreseen. The one source of the past for the fate, the
// population graph and the trail.
//
// A copy is cheap, and copies share the steps they have in common, so that every entry of the
// history can keep the record that went with its board.
class RunRecord
{
public:
    // One step: how many generations since the count was last set (the label's count, until
    // the label can count no further), its live cells, and the cells born and dead in the
    // generation that led to it, or changed by the edits made at it; none at a reset.
    struct Point
    {
        int step = 0;
        std::int16_t live = 0;
        std::int16_t born = 0;
        std::int16_t died = 0;
    };

    RunRecord();
    ~RunRecord() = default;
    RunRecord(const RunRecord&) = default;
    RunRecord(RunRecord&&) noexcept = default;
    // Takes only the steps it does not share already: following a record that has gone a few
    // steps on costs those steps, not the whole run.
    RunRecord& operator=(const RunRecord& other);
    RunRecord& operator=(RunRecord&&) noexcept = default;

    // The step's point: the live cells of the field after, and the cells born and dead on the
    // way from the field before. The one place these counts are made, for the steps past and
    // the steps ahead alike.
    static Point Between(int step, const Field& before, const Field& after);

    // A fresh record: the board after a fill, a load or at the start, at its count.
    void Reset(const Field& field, int step);
    // The board went a generation on, to the step after the last. Past the label's limit the
    // record goes on counting, so that what it says stays true to the board.
    void Stepped(const Field& field);
    // The board was edited at the step it is at: a click, a stroke, a key.
    void Edited(const Field& field);

    int Size() const;
    Point At(int index) const;
    Point Last() const;
    // Every cell that has lived since the reset, the board's own live cells among them.
    const Field& Trail() const;
    // The board now.
    const Field& Now() const;

    // Where the way the board is on began, and at what count: the reset, or the last edit. Every
    // record on one way, at whatever step along it, has the same way.
    const Field& WayStart() const;
    int WayStartStep() const;
    std::uint64_t Way() const;
    // The record as it was where the way began: the board and every step up to that one.
    RunRecord AtWayStart() const;
    // Which reset the record began at: the same for every record since it, on every way.
    std::uint64_t Run() const;

private:
    static constexpr int kChunk = 256;
    // A step's counts; its step is the first step's and its place's.
    struct Counts
    {
        std::int16_t live = 0;
        std::int16_t born = 0;
        std::int16_t died = 0;
    };
    using Chunk = std::vector<Counts>;

    static Counts Counted(const Point& point);
    void StartWay(const Field& field, int step);
    Counts& LastForWriting();

    std::vector<std::shared_ptr<Chunk>> chunks_; // shared until written
    int size_ = 0;
    int firstStep_ = 0;
    Field before_; // the board at the step before the last, or at the reset
    Field now_;
    Field trail_;
    Field wayStart_;
    int wayStartStep_ = 0;
    // What the record held where the way began, to go back there.
    int waySize_ = 0;
    Field wayBefore_;
    Field wayTrail_;
    std::uint64_t way_ = 0;
    std::uint64_t run_ = 0;
};

// Read for every point a graph draws.
inline int RunRecord::Size() const
{
    return size_;
}

inline RunRecord::Point RunRecord::At(int index) const
{
    assert(index >= 0 && index < size_);
    const auto at = static_cast<std::size_t>(index);
    const Counts& counts = (*chunks_[at / kChunk])[at % kChunk];
    return {firstStep_ + index, counts.live, counts.born, counts.died};
}

} // namespace quarn
