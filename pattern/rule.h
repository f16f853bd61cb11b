#pragma once

#include <string_view>

namespace quarn {

// Whether a pattern's rule is the one this board runs: B3/S23, in either notation ("B3/S23",
// "S23/B3" or "23/3", in any case), on an unbounded plane or on this very 30 x 30 bounded one
// (":P30,30"). Any other rule would make the pattern do something its author did not mean.
bool IsBoardRule(std::string_view rule);

} // namespace quarn
