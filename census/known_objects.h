#pragma once

#include "census/field.h"

#include <vector>

namespace quarn {

// Where a ship is going on the board.
enum class Heading
{
    None,
    Up,
    Down,
    Left,
    Right,
    UpLeft,
    UpRight,
    DownLeft,
    DownRight,
};

// Where a move of so many rows down and columns right is going.
Heading HeadingOf(int down, int right);

// One of the field's common objects, by the names it goes by: English templates, for the
// translation tools and for a person.
struct KnownObject
{
    const char* name = nullptr; // "Glider", as its line begins
    const char* one = nullptr;  // "a glider", one in a list
    const char* many = nullptr; // "%n gliders", several in a list, counted
    const char* rows = nullptr; // one of its phases, rows split by '/', 'O' live
    int period = 0;             // 1 for a still life
    const char* the = nullptr;  // "the glider", one already spoken of
};

// A shape matched against the common objects: which, and if it is a ship, where it is going.
struct Match
{
    const KnownObject* object = nullptr;
    Heading heading = Heading::None;
};

// The common object with this shape (as Field::Shape gives it), in any of the eight rotations
// and reflections and in any phase; Match{} for none.
Match MatchKnown(const std::vector<Field::Row>& shape);

// Every common object the census knows, as each names itself.
const std::vector<KnownObject>& KnownObjects();

// The shapes of the common still lifes, in every orientation.
const std::vector<std::vector<Field::Row>>& CommonStillLifeShapes();

} // namespace quarn
