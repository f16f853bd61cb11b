#include "census/census.h"
#include "census/fate.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

// The census in words: each object's line, the summary and the list of the board's objects, and
// its fate. Objects are worded, and counted together in a list, by their structural kind.

namespace quarn {

namespace {

enum class Kind
{
    Known, // by its name
    LoneCell,
    Changing,
    Ship,
    StillLife,
    Oscillator,
};

Kind KindOf(const BoardObject& object)
{
    if (object.known != nullptr) {
        return Kind::Known;
    }
    if (object.period == 0) {
        return object.size == 1 ? Kind::LoneCell : Kind::Changing;
    }
    if (object.heading != Heading::None) {
        return Kind::Ship;
    }
    return object.period == 1 ? Kind::StillLife : Kind::Oscillator;
}

// A kind's words: as a line begins, one in a list, and several in a list, whose first place is
// how many. The other places are the kind's own figures, in the order KindFigures gives them.
struct KindWords
{
    const char* title;
    const char* one;
    const char* many;
};

KindWords WordsOf(const BoardObject& object)
{
    switch (KindOf(object)) {
    case Kind::Known:
        return {object.known->name, object.known->one, object.known->many};
    case Kind::LoneCell:
        return {QUARN_TRANSLATE_NOOP("Census", "Lone cell"),
                QUARN_TRANSLATE_NOOP("Census", "a lone cell"),
                QUARN_TRANSLATE_NOOP("Census", "%1 lone cells")};
    case Kind::Changing:
        return {QUARN_TRANSLATE_NOOP("Census", "Changing group of %1 cells"),
                QUARN_TRANSLATE_NOOP("Census", "a changing group of %1 cells"),
                QUARN_TRANSLATE_NOOP("Census", "%1 changing groups of %2 cells")};
    case Kind::Ship:
        return {QUARN_TRANSLATE_NOOP("Census", "Ship of period %1, %2 cells"),
                QUARN_TRANSLATE_NOOP("Census", "a ship of period %1, %2 cells"),
                QUARN_TRANSLATE_NOOP("Census", "%1 ships of period %2, %3 cells")};
    case Kind::StillLife:
        return {QUARN_TRANSLATE_NOOP("Census", "Still life of %1 cells"),
                QUARN_TRANSLATE_NOOP("Census", "a still life of %1 cells"),
                QUARN_TRANSLATE_NOOP("Census", "%1 still lifes of %2 cells")};
    case Kind::Oscillator:
        break;
    }
    return {QUARN_TRANSLATE_NOOP("Census", "Oscillator of period %1, %2 cells"),
            QUARN_TRANSLATE_NOOP("Census", "an oscillator of period %1, %2 cells"),
            QUARN_TRANSLATE_NOOP("Census", "%1 oscillators of period %2, %3 cells")};
}

// What tells objects of a kind apart in words: nothing for a named one or a lone cell, the size
// for a still life or a changing group, the period and the size for the rest.
std::vector<Message> KindFigures(const BoardObject& object)
{
    const Message size = Message::Number(object.size);
    switch (KindOf(object)) {
    case Kind::Known:
    case Kind::LoneCell:
        return {};
    case Kind::Changing:
    case Kind::StillLife:
        return {size};
    case Kind::Ship:
    case Kind::Oscillator:
        break;
    }
    return {Message::Number(object.period), size};
}

// So many objects of the kind, as a list names them: "a glider", "3 gliders".
Message Counted(const BoardObject& object, int count)
{
    std::vector<Message> figures = KindFigures(object);
    if (count == 1) {
        return {WordsOf(object).one, figures};
    }
    figures.insert(figures.begin(), Message::Number(count));
    return {WordsOf(object).many, figures};
}

// Objects that a list counts together: of one kind, with the same name or the same figures.
auto SortOf(const BoardObject& object)
{
    const Kind kind = KindOf(object);
    const bool figured = kind != Kind::Known && kind != Kind::LoneCell;
    return std::tuple(kind, object.known, figured ? object.period : 0, figured ? object.size : 0);
}

Message HeadingWords(Heading heading)
{
    switch (heading) {
    case Heading::Up:
        return {QUARN_TRANSLATE_NOOP("Census", "up")};
    case Heading::Down:
        return {QUARN_TRANSLATE_NOOP("Census", "down")};
    case Heading::Left:
        return {QUARN_TRANSLATE_NOOP("Census", "left")};
    case Heading::Right:
        return {QUARN_TRANSLATE_NOOP("Census", "right")};
    case Heading::UpLeft:
        return {QUARN_TRANSLATE_NOOP("Census", "up and to the left")};
    case Heading::UpRight:
        return {QUARN_TRANSLATE_NOOP("Census", "up and to the right")};
    case Heading::DownLeft:
        return {QUARN_TRANSLATE_NOOP("Census", "down and to the left")};
    case Heading::DownRight:
        return {QUARN_TRANSLATE_NOOP("Census", "down and to the right")};
    case Heading::None:
        break;
    }
    return {};
}

// Items joined as a person lists them: "a, b and c".
Message Listed(const std::vector<Message>& items)
{
    Message list = items.front();
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        list = {QUARN_TRANSLATE_NOOP("Census", "%1, %2"), {list, items[i]}};
    }
    if (items.size() > 1) {
        list = {QUARN_TRANSLATE_NOOP("Census", "%1 and %2"), {list, items.back()}};
    }
    return list;
}

} // namespace

Message BoardObject::Line() const
{
    const Message title{WordsOf(*this).title, KindFigures(*this)};
    if (heading == Heading::None) {
        return {QUARN_TRANSLATE_NOOP("Census", "%1 at row %2, column %3."),
                {title, Message::Number(topLeft.row), Message::Number(topLeft.column)}};
    }
    return {QUARN_TRANSLATE_NOOP("Census", "%1 at row %2, column %3, heading %4."),
            {title, Message::Number(topLeft.row), Message::Number(topLeft.column),
             HeadingWords(heading)}};
}

Message Census::Summary() const
{
    if (objects.empty()) {
        return {QUARN_TRANSLATE_NOOP("Census", "The board is empty: no live cells.")};
    }
    if (live == 1) {
        return {QUARN_TRANSLATE_NOOP("Census", "1 live cell in 1 object: %1."), {List()}};
    }
    if (objects.size() == 1) {
        return {QUARN_TRANSLATE_NOOP("Census", "%1 live cells in 1 object: %2."),
                {Message::Number(live), List()}};
    }
    return {QUARN_TRANSLATE_NOOP("Census", "%1 live cells in %2 objects: %3."),
            {Message::Number(live), Message::Number(static_cast<int>(objects.size())), List()}};
}

// Alike objects counted together, in the order they first come.
Message Census::List() const
{
    std::vector<const BoardObject*> sorts;
    std::vector<int> counts;
    for (const BoardObject& object : objects) {
        const auto same = std::find_if(sorts.begin(), sorts.end(), [&object](const auto* seen) {
            return SortOf(*seen) == SortOf(object);
        });
        if (same == sorts.end()) {
            sorts.push_back(&object);
            counts.push_back(1);
        } else {
            ++counts[static_cast<std::size_t>(same - sorts.begin())];
        }
    }
    std::vector<Message> items;
    items.reserve(sorts.size());
    for (std::size_t i = 0; i < sorts.size(); ++i) {
        items.push_back(Counted(*sorts[i], counts[i]));
    }
    return items.empty() ? Message{} : Listed(items);
}

Message Fate::Line(int now) const
{
    const bool past = Reached(now);
    switch (end) {
    case End::DiesOut:
        return {past ? QUARN_TRANSLATE_NOOP("Census", "The board died out at step %1.")
                     : QUARN_TRANSLATE_NOOP("Census", "The board dies out at step %1."),
                {Message::Number(step)}};
    case End::Settles:
        return {past ? QUARN_TRANSLATE_NOOP("Census", "The board settled at step %1 into %2.")
                     : QUARN_TRANSLATE_NOOP("Census", "The board settles at step %1 into %2."),
                {Message::Number(step), census.List()}};
    case End::Repeats:
        return {past ? QUARN_TRANSLATE_NOOP(
                           "Census", "The board has repeated every %1 steps since step %2, as %3.")
                     : QUARN_TRANSLATE_NOOP("Census",
                                            "The board repeats every %1 steps from step %2, as %3."),
                {Message::Number(period), Message::Number(step), census.List()}};
    case End::StillChanging:
        break;
    }
    return {QUARN_TRANSLATE_NOOP("Census", "The board is still changing after %1 steps."),
            {Message::Number(ahead)}};
}

} // namespace quarn
