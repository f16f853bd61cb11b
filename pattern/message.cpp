#include "message.h"

#include <cstddef>

namespace quarn {

std::string Message::English() const
{
    std::string result;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t place =
            at + 1 < text.size() && text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9'
                ? static_cast<std::size_t>(text[at + 1] - '1')
                : fillers.size();
        if (place < fillers.size()) {
            result += fillers[place].English();
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}

} // namespace quarn
