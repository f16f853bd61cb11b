#pragma once

#include <string>
#include <vector>

namespace quarn {

// A cell of a pattern or of a board, counted from 0 at the top left.
struct Cell
{
    int row = 0;
    int column = 0;
    bool operator==(const Cell&) const = default;
    // clang-tidy 14 takes the defaulted comparison's 0 for a null pointer.
    auto operator<=>(const Cell&) const = default; // NOLINT(modernize-use-nullptr)
};

// Live cells next to each other along one row.
struct LiveRun
{
    int row = 0;
    int column = 0;
    int length = 0;
    bool operator==(const LiveRun&) const = default;
};

// A pattern as the text formats carry it: the box it was drawn in, and its live cells as runs,
// row by row from the top and left to right within a row. Kept as runs rather than cells, so
// that what a text can make is bounded by its length.
struct Pattern
{
    int width = 0;
    int height = 0;
    std::vector<LiveRun> live;
    std::string name; // as the text names it, if it does

    // Adds live cells after those already there, joining them to the last run they touch.
    void AddLive(int row, int column, int length);
};

inline void Pattern::AddLive(int row, int column, int length)
{
    if (!live.empty() && live.back().row == row &&
        live.back().column + live.back().length == column) {
        live.back().length += length;
        return;
    }
    live.push_back({row, column, length});
}

} // namespace quarn
