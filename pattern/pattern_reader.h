#pragma once

#include "pattern.h"

#include <cstddef>
#include <string_view>

namespace quarn {

// Longer texts are refused unread: no pattern that fits a 30 x 30 board needs a tenth of it.
inline constexpr std::size_t kMaxPatternText = std::size_t{1} << 20U;

// Reads a pattern in either of the two text formats, run-length encoded (RLE) or plaintext,
// telling them apart by what the text holds. Throws PatternError, with the line and column at
// fault, for a text that is not a whole pattern of either kind: no partial result is given.
Pattern ReadPattern(std::string_view text);

} // namespace quarn
