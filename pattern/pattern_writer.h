#pragma once

#include "pattern.h"

#include <string>
#include <vector>

namespace quarn {

// The pattern in the run-length encoded format: its name as "#N", the comments as "#C" lines,
// the header with its whole box and the rule B3/S23, then the cells in lines of at most 70
// characters. Runs are counted, trailing dead cells left out and empty rows merged into "n$".
std::string WriteRle(const Pattern& pattern, const std::vector<std::string>& comments = {});

// The pattern in the plaintext format: a "!Name:" line, then a line of "." and "O" for every
// row of its box.
std::string WritePlaintext(const Pattern& pattern);

} // namespace quarn
