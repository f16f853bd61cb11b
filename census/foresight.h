#pragma once

#include "census/fate.h"
#include "census/run_record.h"

#include <cstdint>
#include <vector>

namespace quarn {

// The fate of the board, the same whenever it is asked along the way the board is on: it is
// foreseen from where that way began, at the last reset or edit, so the step at which the board
// dies out, settles or starts repeating is the same before the board gets there, while it runs
// and after. Foreseen once for each way, and kept for the latest few, which undo and redo go back
// and forth between.
class Foresight
{
public:
    Foresight();

    // Good until the fate of another way is asked for.
    const Fate& Of(const RunRecord& record);

private:
    static constexpr std::size_t kKept = 4;

    struct Foreseen
    {
        std::uint64_t way = 0;
        Fate fate;
    };

    std::vector<Foreseen> kept_; // the latest last
};

} // namespace quarn
