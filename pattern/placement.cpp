#include "placement.h"

#include "pattern_error.h"

#include <algorithm>
#include <climits>
#include <string>

namespace quarn {

std::vector<Cell> PlacePattern(const Pattern& pattern, int width, int height)
{
    if (pattern.live.empty()) {
        return {};
    }
    int top = INT_MAX;
    int bottom = INT_MIN;
    int left = INT_MAX;
    int right = INT_MIN;
    for (const LiveRun& run : pattern.live) {
        top = std::min(top, run.row);
        bottom = std::max(bottom, run.row);
        left = std::min(left, run.column);
        right = std::max(right, run.column + run.length - 1);
    }
    // 64-bit: a pattern's box may be as wide as an int can count.
    const long long extentWidth = static_cast<long long>(right) - left + 1;
    const long long extentHeight = static_cast<long long>(bottom) - top + 1;
    if (extentWidth > width || extentHeight > height) {
        throw PatternError(
            0, 0,
            {QUARN_TRANSLATE_NOOP("Pattern",
                                  "The pattern is %1 x %2 cells; the board holds %3 x %4."),
             {Message::Number(extentWidth), Message::Number(extentHeight), Message::Number(width),
              Message::Number(height)}});
    }
    const bool boxFits = pattern.width <= width && pattern.height <= height && left >= 0 &&
                         top >= 0 && right < pattern.width && bottom < pattern.height;
    const auto span = static_cast<int>(extentWidth);
    const auto depth = static_cast<int>(extentHeight);
    const int shiftColumn = boxFits ? (width - pattern.width) / 2 : (width - span) / 2 - left;
    const int shiftRow = boxFits ? (height - pattern.height) / 2 : (height - depth) / 2 - top;

    std::vector<Cell> cells;
    for (const LiveRun& run : pattern.live) {
        for (int i = 0; i < run.length; ++i) {
            cells.push_back({run.row + shiftRow, run.column + i + shiftColumn});
        }
    }
    return cells;
}

} // namespace quarn
