#include "census/description.h"

namespace quarn {

Message Description::Outlook() const
{
    return fate.value_or(summary);
}

std::vector<Message> Description::Told() const
{
    std::vector<Message> told{summary};
    if (fate) {
        told.push_back(*fate);
    }
    return told;
}

Description DescriptionOf(const Census& census, const Fate& fate, int now)
{
    Description description{census.Summary(), {}, std::nullopt};
    if (census.objects.empty()) {
        return description;
    }
    description.lines.reserve(census.objects.size());
    for (const BoardObject& object : census.objects) {
        description.lines.push_back(object.Line());
    }
    description.fate = fate.Line(now);
    return description;
}

} // namespace quarn
