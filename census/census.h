#pragma once

#include "board/board.h"
#include "census/field.h"
#include "census/known_objects.h"
#include "pattern/message.h"

#include <vector>

namespace quarn {

// One object on the board: cells near one another that act together, apart from the rest.
struct BoardObject
{
    Field cells;
    FieldCell topLeft; // of its box
    FieldCell first;   // its first live cell in reading order
    int size = 0;      // its live cells
    int period = 0;    // 1 a still life, more an oscillator or a ship, 0 still changing
    Heading heading = Heading::None;    // a ship's
    const KnownObject* known = nullptr; // its name, if it has one

    // What it is and where: "Glider at row 5, column 5, heading down and to the right."
    Message Line() const;
    // What it is, as one of its kind is first spoken of: "a glider", "a still life of 8 cells".
    Message One() const;
    // What it is, as one already spoken of: "the glider", "the changing group of 12 cells".
    Message The() const;
};

// Where a ship is going, in words: "down and to the right"; nothing for none.
Message HeadingWords(Heading heading);

// What is on the board: its live cells, split into objects.
struct Census
{
    int live = 0;
    std::vector<BoardObject> objects; // in reading order of their top-left cells

    // "23 live cells in 4 objects: 2 blocks, a blinker and a glider.", or that it is empty.
    Message Summary() const;
    // The objects as a list: "2 blocks, a blinker and a glider".
    Message List() const;
};

Census CensusOf(const Board& board);
Census CensusOf(const Field& field);

} // namespace quarn
