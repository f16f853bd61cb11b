#pragma once

#include "census/fate.h"
#include "census/field.h"
#include "pattern/message.h"

#include <vector>

namespace quarn {

// Something that happens on the board's way to its fate and stands out of the rest: a ship
// meets the edge, two objects meet, a named object forms or is gone, the board is at its
// fullest, and the fate itself.
struct Moment
{
    // At one step, the moments are told in this order.
    enum class Kind
    {
        Edge,
        Meeting,
        Forms,
        Gone,
        MostLive,
        Fate,
    };

    int step = 0; // as the label counts
    Kind kind = Kind::Fate;
    // The cells of the objects it concerns at its step; for one that is gone, where it was
    // last. None for the most live cells.
    std::vector<Field> objects;
    // What happens: "the glider at row 29, column 28 meets the edge."
    Message what;

    // "Step 57: the glider at row 29, column 28 meets the edge."
    Message Line() const;
};

// The moments of one way of the board, from where it began to its fate.
struct Moments
{
    // The most a learner is given of one run; past it the least telling are left out.
    static constexpr int kMost = 40;
    // How far past its start a way is followed; a way that runs longer is told up to here, and
    // then its fate.
    static constexpr int kFollowed = 4096;

    std::vector<Moment> list; // in step order, the fate last
    int leftOut = 0;          // less telling moments not in the list, said in the fate's line
};

// The moments of the way that begins with the field at the step, whose fate is given.
Moments MomentsOf(const Field& start, int step, const Fate& fate);

} // namespace quarn
