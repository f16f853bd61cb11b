#pragma once

#include "census/fate.h"
#include "census/field.h"
#include "census/run_record.h"

#include <cassert>
#include <cstdint>
#include <vector>

namespace quarn {

// How many cells live at each step, past and ahead: the steps the record holds, since the last
// reset, and then the steps ahead as far as the board's fate reaches, at most kAhead of them.
// A step ahead counts the cells born and dead on the way to it as a step past does. It keeps a
// copy of the record it follows, which shares the record's steps, so it holds nothing of
// another object's.
class Population
{
public:
    using Point = RunRecord::Point;

    static constexpr int kAhead = 1000;

    // Brought up to date with the board's record and its fate. On the way it was on, by the
    // rule alone, the steps ahead are those foreseen before, less those now past: a generation
    // costs a step ahead at most, not a run to the fate.
    void Follow(const RunRecord& record, const Fate& fate);

    int Size() const;     // past and ahead
    int PastSize() const; // the record's steps
    Point At(int index) const;
    bool Ahead(int index) const;
    // Whether the fate lies further ahead than the steps ahead shown: "and on".
    bool AndOn() const;
    // How many times the steps ahead were laid anew, for a new way, a step back or a board
    // past them. While it stays the same, the steps shown before still stand, less those now
    // past, and more ahead.
    std::uint64_t Laid() const;
    // Which reset the series began at, and which way it is on, as the record says.
    std::uint64_t Run() const;
    std::uint64_t Way() const;

    // The first step, the highest and the lowest of the past (each the first step at which it
    // stands so), and the last.
    struct Figures
    {
        Point first;
        Point highest;
        Point lowest;
        Point last;
    };
    Figures PastFigures() const;
    // Where among all the steps the highest and the lowest are, the first of each.
    int HighestIndex() const;
    int LowestIndex() const;

private:
    // The steps ahead from the record's last one anew, as far as the fate's step.
    void RunAhead();
    void Extend();

    RunRecord record_;
    bool followed_ = false;
    std::uint64_t laid_ = 0;
    int syncedStep_ = 0; // the record's last step when it was last followed
    int end_ = 0;        // the step the steps ahead end at, from the fate
    bool andOn_ = false;
    std::vector<Point> ahead_;
    std::size_t aheadFrom_ = 0; // ahead_[aheadFrom_] is the step after the record's last
    Field last_;                // the field at the last step ahead
};

// Read for every point a graph draws.
inline int Population::Size() const
{
    return PastSize() + static_cast<int>(ahead_.size() - aheadFrom_);
}

inline int Population::PastSize() const
{
    return followed_ ? record_.Size() : 0;
}

inline Population::Point Population::At(int index) const
{
    assert(index >= 0 && index < Size());
    return index < PastSize() ? record_.At(index)
                              : ahead_[aheadFrom_ + static_cast<std::size_t>(index - PastSize())];
}

} // namespace quarn
