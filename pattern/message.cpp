#include "message.h"

#include <cstddef>

namespace quarn {

// The places are filled in one pass, so that a filler holding "%2" stays as it is.
std::string Message::Said(const Say& say) const
{
    const std::string said = say(text);
    std::string result;
    for (std::size_t at = 0; at < said.size(); ++at) {
        const std::size_t place =
            at + 1 < said.size() && said[at] == '%' && said[at + 1] >= '1' && said[at + 1] <= '9'
                ? static_cast<std::size_t>(said[at + 1] - '1')
                : fillers.size();
        if (place < fillers.size()) {
            result += fillers[place].Said(say);
            ++at;
        } else {
            result += said[at];
        }
    }
    return result;
}

Message Message::Number(long long value)
{
    return {std::to_string(value)};
}

std::string Message::English() const
{
    return Said([](const std::string& english) { return english; });
}

} // namespace quarn
