#pragma once

#include "census/census.h"
#include "census/fate.h"
#include "pattern/message.h"

#include <optional>
#include <vector>

namespace quarn {

// The board in words, for every way a person asks: what is on it, each object's line, and what
// becomes of it. An empty board has nothing to become, so it tells its summary and no fate.
struct Description
{
    Message summary;
    std::vector<Message> lines;  // each object's, in reading order
    std::optional<Message> fate; // none for an empty board

    // What heads a list of the objects: the fate, or for an empty board the summary.
    Message Outlook() const;
    // What is said of the whole board in one go: the summary, then the fate if there is one.
    std::vector<Message> Told() const;
};

// The board at the step now, whose census and fate these are.
Description DescriptionOf(const Census& census, const Fate& fate, int now);

} // namespace quarn
