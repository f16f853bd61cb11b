#pragma once

#include "board/board.h"
#include "census/fate.h"
#include "census/field.h"

namespace quarn {

// The fate of a board that is looked at again and again as it changes. A board that has run on
// from where its fate was foreseen, by the rule alone, is on the way that was foreseen, which
// counts its steps as the label does: the fate stands. Anything else is foreseen afresh.
class Foresight
{
public:
    // The most generations between two looks that are run again to see that the board went as
    // foreseen; after more, the fate is foreseen afresh.
    static constexpr int kRunOn = 64;

    const Fate& Of(const Board& board);

private:
    Field foreseen_; // the field the fate was foreseen from, and its step
    int foreseenStep_ = -1;
    Fate fate_;
};

} // namespace quarn
