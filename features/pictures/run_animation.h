#pragma once

#include "census/fate.h"
#include "census/field.h"
#include "census/run_model.h"
#include "features/population/graph_picture.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace quarn {

// The board and the run from it as files that any program shows.
namespace run_animation {

// The most generations an animation shows.
constexpr int kMostGenerations = 1000;

// How many generations an animation of the board at the step now shows unless told: as far as
// its fate, the step where it dies out or settles included; for a board that repeats, through
// its first whole period, so that the animation comes round cleanly; at most kMostGenerations.
int DefaultGenerations(const Fate& fate, int now);

// The population graph that goes with a picture: its points from the last reset, those up to
// the board's step past, the rest ahead; and the fate's words above it.
struct Graph
{
    std::vector<GraphPicture::Point> points;
    int past = 1;
    QString outlook;
    bool andOn = false;
};

// The graph as the window of the population shows the run: the steps since the reset and
// ahead, and the fate above.
Graph GraphOf(const RunModel& run);

// A graph beside a board of the given side, as tall as the board and half as wide again.
QSize GraphSize(int side);

// The board as a PNG picture: its cells, and the trail's where it is given; with a graph, the
// graph to its right.
QByteArray Picture(const Field& cells, const Field& trail, int scale, const Graph* graph = nullptr);
// The graph alone as a PNG picture, as large as it stands beside a board at the scale.
QByteArray GraphPng(const Graph& graph, int scale);

// Asked after each frame with how many are made; false stops the making.
using Going = std::function<bool(int made)>;

// The run as an animated GIF that comes round for ever: the board as it is, then a frame for
// each generation, 100 ms each, as the board runs, the last held a second before it comes round.
// With a trail, it is what has lived since its reset before now, and grows as the frames run. Each
// frame holds only the pixels that changed, in a palette of the few colours the board has. Empty if
// going said to stop. With a graph, whose points end at the board's step, the graph stands to the
// right and grows with the board, a step a frame, its axes fitted to the whole animation from the
// first frame.
QByteArray Animation(const Field& start, const Field* trail, int generations, int scale,
                     const Going& going = {}, const Graph* graph = nullptr);

} // namespace run_animation

} // namespace quarn
