#pragma once

#include <functional>
#include <string>
#include <vector>

// Marks an English template for the translation tools, which collect it under the context; the
// text itself is unchanged.
#define QUARN_TRANSLATE_NOOP(context, text) text
// Marks a counted template ("%n gliders"), which a translation gives in each of its plural forms.
#define QUARN_TRANSLATE_N_NOOP(context, text) text

namespace quarn {

// A message for a person, kept as an English template with numbered places ("%1", "%2") and
// what fills them, so that a program with translations can say it in another language. What
// fills a place is a message too; a plain value is one whose text is the value itself.
//
// A counted message says how many of something there are: its template holds the count as "%n"
// ("%n gliders"), and a translation picks the form its language uses for that count, as Qt's
// plural forms do. In English, a count of 1 takes the template for one ("a glider").
struct Message
{
    std::string text;
    std::vector<Message> fillers = {};
    long long count = kUncounted;
    std::string one = {}; // the English for a count of 1

    static constexpr long long kUncounted = -1;

    // Gives the message's template in the language wanted, in UTF-8: if it is counted, in the
    // form for its count, with the count in place of "%n".
    using Say = std::function<std::string(const Message& message)>;

    // The message with its places filled, its template and its fillers' each said by say.
    std::string Said(const Say& say) const;
    // The message in English, its places filled.
    std::string English() const;

    // A number, to fill a place.
    static Message Number(long long value);
    // So many of something: "%n gliders", and in English "a glider" for one.
    static Message Counted(const char* many, const char* one, long long count,
                           std::vector<Message> fillers = {});
    // The template in English in the form for the count, the count in place of "%n".
    static std::string EnglishForm(const Message& message);
};

} // namespace quarn
