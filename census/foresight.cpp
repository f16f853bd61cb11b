#include "census/foresight.h"

#include <algorithm>

namespace quarn {

Foresight::Foresight()
{
    kept_.reserve(kKept);
}

const Fate& Foresight::Of(const RunRecord& record)
{
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&record](const Foreseen& kept) {
        return kept.way == record.Way();
    });
    if (found != kept_.end()) {
        std::rotate(found, found + 1, kept_.end());
        return kept_.back().fate;
    }
    if (kept_.size() == kKept) {
        kept_.erase(kept_.begin());
    }
    kept_.push_back({record.Way(), FateOf(record.WayStart(), record.WayStartStep())});
    return kept_.back().fate;
}

} // namespace quarn
