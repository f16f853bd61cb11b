#pragma once

#include "pattern.h"

#include <vector>

namespace quarn {

// Where a pattern's live cells go on a board of the given size, centred, rounding towards the
// top left. Centring the pattern's box keeps a saved board where it was; where only the live
// cells fit, they are centred instead. Throws PatternError when even they do not fit.
std::vector<Cell> PlacePattern(const Pattern& pattern, int width, int height);

} // namespace quarn
