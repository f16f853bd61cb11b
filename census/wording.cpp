#include "census/census.h"
#include "census/fate.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <tuple>
#include <utility>

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

// A kind's words: as a line begins, one in a list, and several in a list, counted. The places
// are the kind's own figures, in the order KindFigures gives them.
struct KindWords
{
    const char* title;
    const char* one;
    const char* many;
    const char* the;
};

KindWords WordsOf(const BoardObject& object)
{
    switch (KindOf(object)) {
    case Kind::Known:
        return {object.known->name, object.known->one, object.known->many, object.known->the};
    case Kind::LoneCell:
        return {QUARN_TRANSLATE_NOOP("Census", "Lone cell"),
                QUARN_TRANSLATE_NOOP("Census", "a lone cell"),
                QUARN_TRANSLATE_N_NOOP("Census", "%n lone cells"),
                QUARN_TRANSLATE_NOOP("Census", "the lone cell")};
    case Kind::Changing:
        return {QUARN_TRANSLATE_NOOP("Census", "Changing group of %1"),
                QUARN_TRANSLATE_NOOP("Census", "a changing group of %1"),
                QUARN_TRANSLATE_N_NOOP("Census", "%n changing groups of %1"),
                QUARN_TRANSLATE_NOOP("Census", "the changing group of %1")};
    case Kind::Ship:
        return {QUARN_TRANSLATE_NOOP("Census", "Ship of period %1, %2"),
                QUARN_TRANSLATE_NOOP("Census", "a ship of period %1, %2"),
                QUARN_TRANSLATE_N_NOOP("Census", "%n ships of period %1, %2"),
                QUARN_TRANSLATE_NOOP("Census", "the ship of period %1, %2")};
    case Kind::StillLife:
        return {QUARN_TRANSLATE_NOOP("Census", "Still life of %1"),
                QUARN_TRANSLATE_NOOP("Census", "a still life of %1"),
                QUARN_TRANSLATE_N_NOOP("Census", "%n still lifes of %1"),
                QUARN_TRANSLATE_NOOP("Census", "the still life of %1")};
    case Kind::Oscillator:
        break;
    }
    return {QUARN_TRANSLATE_NOOP("Census", "Oscillator of period %1, %2"),
            QUARN_TRANSLATE_NOOP("Census", "an oscillator of period %1, %2"),
            QUARN_TRANSLATE_N_NOOP("Census", "%n oscillators of period %1, %2"),
            QUARN_TRANSLATE_NOOP("Census", "the oscillator of period %1, %2")};
}

Message Cells(int count)
{
    return Message::Counted(QUARN_TRANSLATE_N_NOOP("Census", "%n cells"), "1 cell", count);
}

// What tells objects of a kind apart in words: nothing for a named one or a lone cell, the size
// for a still life or a changing group, the period and the size for the rest.
std::vector<Message> KindFigures(const BoardObject& object)
{
    const Message size = Cells(object.size);
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
    const KindWords words = WordsOf(object);
    return Message::Counted(words.many, words.one, count, KindFigures(object));
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

// Objects that a list counts together: of one kind, with the same name or the same figures. In
// the order of the names' table, and the unnamed after the named, kind by kind.
auto SortOf(const BoardObject& object)
{
    const Kind kind = KindOf(object);
    const bool figured = kind != Kind::Known && kind != Kind::LoneCell;
    const std::vector<KnownObject>& known = KnownObjects();
    const auto named = object.known != nullptr ? object.known - known.data()
                                               : static_cast<std::ptrdiff_t>(known.size());
    return std::tuple(named, kind, figured ? object.period : 0, figured ? object.size : 0);
}

// The objects as a list counts them: each sort once, with how many there are, the most common
// first.
std::vector<std::pair<const BoardObject*, int>> Sorts(const std::vector<BoardObject>& objects)
{
    std::vector<std::pair<const BoardObject*, int>> sorts;
    for (const BoardObject& object : objects) {
        const auto same = std::find_if(sorts.begin(), sorts.end(), [&object](const auto& seen) {
            return SortOf(*seen.first) == SortOf(object);
        });
        if (same == sorts.end()) {
            sorts.emplace_back(&object, 1);
        } else {
            ++same->second;
        }
    }
    std::sort(sorts.begin(), sorts.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : SortOf(*a.first) < SortOf(*b.first);
    });
    return sorts;
}

Message ListOf(const std::vector<BoardObject>& objects)
{
    std::vector<Message> items;
    for (const auto& [object, count] : Sorts(objects)) {
        items.push_back(Counted(*object, count));
    }
    return items.empty() ? Message{} : Listed(items);
}

// Where one changing group holds most of a crowded board, as a random fill leaves it, the board
// is told by that group: a list that says "a changing group of 421 cells" says nothing.
constexpr int kCrowd = 100;

const BoardObject* CrowdOf(const Census& census)
{
    for (const BoardObject& object : census.objects) {
        if (KindOf(object) == Kind::Changing && object.size >= kCrowd &&
            2 * object.size > census.live) {
            return &object;
        }
    }
    return nullptr;
}

} // namespace

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

Message BoardObject::One() const
{
    return {WordsOf(*this).one, KindFigures(*this)};
}

Message BoardObject::The() const
{
    return {WordsOf(*this).the, KindFigures(*this)};
}

Message Census::Summary() const
{
    if (objects.empty()) {
        return {QUARN_TRANSLATE_NOOP("Census", "The board is empty: no live cells.")};
    }
    if (const BoardObject* crowd = CrowdOf(*this)) {
        if (objects.size() == 1) {
            return Message::Counted(
                QUARN_TRANSLATE_N_NOOP("Census", "%n live cells, all of them one changing group."),
                "1 live cell, all of it one changing group.", live);
        }
        std::vector<BoardObject> rest;
        std::copy_if(objects.begin(), objects.end(), std::back_inserter(rest),
                     [crowd](const BoardObject& object) { return &object != crowd; });
        return Message::Counted(
            QUARN_TRANSLATE_N_NOOP(
                "Census", "%n live cells, most of them one changing group of %1; besides it, %2."),
            "1 live cell, most of it one changing group of %1; besides it, %2.", live,
            {Cells(crowd->size), ListOf(rest)});
    }
    const Message counted = Message::Counted(QUARN_TRANSLATE_N_NOOP("Census", "%n objects"),
                                             "1 object", static_cast<long long>(objects.size()));
    return Message::Counted(QUARN_TRANSLATE_N_NOOP("Census", "%n live cells in %1: %2."),
                            "1 live cell in %1: %2.", live, {counted, List()});
}

// Alike objects counted together, the most common first, and those as common in the order of
// the names' table.
Message Census::List() const
{
    return ListOf(objects);
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
        return past ? Message::Counted(
                          QUARN_TRANSLATE_N_NOOP(
                              "Census",
                              "The board has repeated every %n steps since step %1, as %2."),
                          "The board has repeated every step since step %1, as %2.", period,
                          {Message::Number(step), census.List()})
                    : Message::Counted(
                          QUARN_TRANSLATE_N_NOOP(
                              "Census", "The board repeats every %n steps from step %1, as %2."),
                          "The board repeats every step from step %1, as %2.", period,
                          {Message::Number(step), census.List()});
    case End::StillChanging:
        break;
    }
    return Message::Counted(
        QUARN_TRANSLATE_N_NOOP("Census", "The board is still changing after %n steps."),
        "The board is still changing after 1 step.", ahead);
}

Message Fate::Outcome() const
{
    switch (end) {
    case End::DiesOut:
        // Dead from where it was foreseen: it was empty then.
        return {ahead == 0 ? QUARN_TRANSLATE_NOOP("Census", "the board is empty.")
                           : QUARN_TRANSLATE_NOOP("Census", "the board dies out.")};
    case End::Settles:
        return {QUARN_TRANSLATE_NOOP("Census", "the board settles into %1."), {census.List()}};
    case End::Repeats:
        return Message::Counted(
            QUARN_TRANSLATE_N_NOOP("Census", "the board starts repeating every %n steps, as %1."),
            "the board starts repeating every step, as %1.", period, {census.List()});
    case End::StillChanging:
        break;
    }
    return {QUARN_TRANSLATE_NOOP("Census", "the board is still changing.")};
}

} // namespace quarn
