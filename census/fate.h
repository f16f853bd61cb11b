#pragma once

#include "board/board.h"
#include "census/census.h"
#include "census/field.h"
#include "pattern/message.h"

namespace quarn {

// What becomes of the board if it runs on: it dies out, stands still, or repeats a state it had,
// at a step counted as the label counts it; or it is still changing when the looking stops.
struct Fate
{
    enum class End
    {
        DiesOut,
        Settles,
        Repeats,
        StillChanging,
    };

    // How many generations ahead the looking stops: few enough that it takes a small part of a
    // second at the very most.
    static constexpr int kHorizon = 100000;

    End end = End::StillChanging;
    int step = 0;   // on the label, from which it is dead, still or repeating
    int period = 0; // of the repeating
    int ahead = 0;  // generations from where it was foreseen to that step, or that were looked at
    Census census;  // of what it settles or repeats as

    // Whether the board has got there by the step it is at now: it stands at that step or past
    // it, or has gone once round what it repeats.
    bool Reached(int now) const;
    // "The board settles at step 202 into 4 blocks and a beehive.", or once the board is there
    // "The board settled at step 202 into 4 blocks and a beehive."
    Message Line(int now) const;
    // What becomes of the board, as a run's story ends: "the board settles into a block."
    Message Outcome() const;
};

// What becomes of the field, at this count, looking at most horizon generations ahead.
Fate FateOf(const Field& start, int step, int horizon = Fate::kHorizon);
Fate FateOf(const Board& board, int horizon = Fate::kHorizon);

} // namespace quarn
