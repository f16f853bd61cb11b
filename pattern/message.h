#pragma once

#include <functional>
#include <string>
#include <vector>

// Marks an English template for the translation tools, which collect it under the context; the
// text itself is unchanged.
#define QUARN_TRANSLATE_NOOP(context, text) text

namespace quarn {

// A message for a person, kept as an English template with numbered places ("%1", "%2") and
// what fills them, so that a program with translations can say it in another language. What
// fills a place is a message too; a plain value is one whose text is the value itself.
struct Message
{
    std::string text;
    std::vector<Message> fillers = {};

    // Gives a template in the language wanted, in UTF-8.
    using Say = std::function<std::string(const std::string& english)>;

    // The message with its places filled, its template and its fillers' each said by say.
    std::string Said(const Say& say) const;
    // The message in English, its places filled.
    std::string English() const;

    // A number, to fill a place.
    static Message Number(long long value);
};

} // namespace quarn
