#include "message.h"

#include <cstddef>
#include <utility>

namespace quarn {

// The places are filled in one pass, so that a filler holding "%2" stays as it is.
std::string Message::Said(const Say& say) const
{
    const std::string said = say(*this);
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

Message Message::Counted(const char* many, const char* one, long long count,
                         std::vector<Message> fillers)
{
    return {many, std::move(fillers), count, one};
}

std::string Message::EnglishForm(const Message& message)
{
    if (message.count == kUncounted) {
        return message.text;
    }
    std::string form = message.count == 1 ? message.one : message.text;
    const std::string number = std::to_string(message.count);
    for (std::size_t at = form.find("%n"); at != std::string::npos;
         at = form.find("%n", at + number.size())) {
        form.replace(at, 2, number);
    }
    return form;
}

std::string Message::English() const
{
    return Said(EnglishForm);
}

} // namespace quarn
