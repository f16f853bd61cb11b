#pragma once

#include "census/fate.h"
#include "census/foresight.h"
#include "census/moments.h"
#include "census/population.h"
#include "census/run_record.h"

#include <cstdint>
#include <vector>

namespace quarn {

// The run as every reader sees it: the record of what the board went through since the last
// reset, the fate foreseen for the way it is on, how many cells live at each step past and
// ahead, and the moments of the way from its start to its fate. Each is worked out once, when it is
// first read after a change, and shared by all who read it. The one who changes the board tells the
// model what happened: a reset, an edit, a generation or a restore.
//
// The readers get references to the model's own members, which stay where they are for as long
// as the model does.
class RunModel
{
public:
    // The board after a fill, a load or at the start, at its count.
    void Reset(const Field& field, int step);
    // The board went a generation on.
    void Stepped(const Field& field);
    // The board was edited at the step it is at.
    void Edited(const Field& field);
    // The board is as it was, with the record that went with it: undo and redo.
    void Restore(const RunRecord& record);

    const RunRecord& Record() const;
    // The fate of the way the board is on, foreseen the first time it is asked for.
    const Fate& Foreseen() const;
    // The population past and ahead, brought up to the record when it is read.
    const Population& Series() const;
    // The moments of the way the board is on, found once for each way, like its fate.
    const Moments& WayMoments() const;
    // The record as it was, or will be, at a step of the way the board is on, from its start
    // on: the board at that step is its Now(). Worked out from the nearest state kept.
    RunRecord RecordAt(int step) const;

private:
    // Along a way, a record is kept every so many steps, for going to any step from the nearest.
    static constexpr int kKeepEvery = 512;

    void Changed();

    RunRecord record_;
    std::uint64_t changes_ = 1;
    // Worked out when first read after a change: the reading does not change the run.
    mutable Foresight foresight_;
    mutable Fate fate_;
    mutable std::uint64_t fateWay_ = 0; // no way's: ways are counted from 1
    mutable Population series_;
    mutable std::uint64_t seriesChanges_ = 0;
    mutable Moments moments_;
    mutable std::uint64_t momentsWay_ = 0;
    mutable std::vector<RunRecord> kept_; // at the way's start, and every kKeepEvery steps on
    mutable std::uint64_t keptWay_ = 0;
};

} // namespace quarn
