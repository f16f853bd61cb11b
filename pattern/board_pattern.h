#pragma once

#include "board/board.h"
#include "pattern/pattern.h"

namespace quarn {

// The board's field as a pattern of its whole box, so that it comes back where it was.
Pattern PatternOfBoard(const Board& board);

} // namespace quarn
