#pragma once

#include "census/field.h"

namespace quarn {

// What the rule makes of one cell at the next generation, and why: whether it lives now, how
// many of its neighbours live, and how many of its eight neighbours lie on the board at all (the
// cells beyond the edge are dead and stay dead).
struct CellOutlook
{
    enum class Becomes
    {
        kBorn,        // dead, with exactly 3 live neighbours
        kStaysDead,   // dead, with any other number
        kLivesOn,     // live, with 2 or 3
        kDiesAlone,   // live, with fewer than 2
        kDiesCrowded, // live, with more than 3
    };

    static CellOutlook Of(const Field& field, FieldCell cell);

    bool live = false;
    int neighbours = 0;
    int onBoard = 8;
    Becomes becomes = Becomes::kStaysDead;
};

// The cells the next generation brings to life and the cells it ends, from the field as a whole.
struct NextChanges
{
    static NextChanges Of(const Field& field);

    Field born;
    Field dying;
};

} // namespace quarn
