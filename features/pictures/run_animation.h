#pragma once

#include "census/fate.h"
#include "census/field.h"

#include <QByteArray>

#include <functional>

namespace quarn {

// The board and the run from it as files that any program shows.
namespace run_animation {

// The most generations an animation shows.
constexpr int kMostGenerations = 1000;

// How many generations an animation of the board at the step now shows unless told: as far as
// its fate, the step where it dies out or settles included; for a board that repeats, through
// its first whole period, so that the animation comes round cleanly; at most kMostGenerations.
int DefaultGenerations(const Fate& fate, int now);

// The board as a PNG picture: its cells, and the trail's where it is given.
QByteArray Picture(const Field& cells, const Field& trail, int scale);

// Asked after each frame with how many are made; false stops the making.
using Going = std::function<bool(int made)>;

// The run as an animated GIF that comes round for ever: the board as it is, then a frame for
// each generation, 100 ms each, as the board runs, the last held a second before it comes round. With a trail, it is what has lived since its
// reset before now, and grows as the frames run. Each frame holds only the pixels that changed,
// in a palette of the few colours the board has. Empty if going said to stop.
QByteArray Animation(const Field& start, const Field* trail, int generations, int scale,
                     const Going& going = {});

} // namespace run_animation

} // namespace quarn
