#include "census/census.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <tuple>

namespace quarn {

namespace {

// An object that does not repeat within this many generations is still changing.
constexpr int kLookAhead = 60;
// Objects that act together are told apart from ones that only sit side by side by running them
// this far, apart and together: twice the longest period of the common oscillators.
constexpr int kApartFor = 30;

// The parts of a cluster, and where each would be after t generations on its own.
struct Part
{
    explicit Part(const Field& start)
    {
        path.reserve(kApartFor + 2);
        path.push_back(start);
    }

    std::vector<Field> path; // path[t]

    Field At(int t)
    {
        while (static_cast<int>(path.size()) <= t) {
            path.push_back(path.back().Next());
        }
        return path[static_cast<std::size_t>(t)];
    }
};

// Merges the parts that act on one another in the generation after t: whether a cell lives
// then is settled by the 3 x 3 cells round it, so where running the parts apart gives another
// cell than running them together, the parts with cells round it acted on one another there.
// Gives the first generation from which the merged parts run otherwise than before, where the
// looking must go on from; 0 if nothing could be merged.
int MergeActing(std::vector<Part>& parts, int t, const Field& differs)
{
    std::vector<std::size_t> owner(parts.size());
    std::iota(owner.begin(), owner.end(), 0);
    const auto root = [&owner](std::size_t i) {
        while (owner[i] != i) {
            i = owner[i];
        }
        return i;
    };
    std::vector<Field> round;
    round.reserve(parts.size());
    for (Part& part : parts) {
        round.push_back(part.At(t).Near1());
    }
    bool merged = false;
    for (const FieldCell& cell : differs.Cells()) {
        std::size_t first = parts.size();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (!round[i].Live(cell.row, cell.column)) {
                continue;
            }
            if (first == parts.size()) {
                first = i;
            } else if (root(i) != root(first)) {
                owner[root(i)] = root(first);
                merged = true;
            }
        }
    }
    if (!merged) {
        return 0;
    }
    // The merged parts, and what their pieces made apart, generation by generation up to t; a
    // part merged with no other keeps the generations it has run.
    std::vector<Part> joined;
    std::vector<std::vector<Field>> apart;
    std::vector<std::size_t> into(parts.size(), parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::size_t& slot = into[root(i)];
        if (slot == parts.size()) {
            slot = joined.size();
            joined.push_back(std::move(parts[i]));
            apart.emplace_back();
            continue;
        }
        if (apart[slot].empty()) {
            apart[slot] = joined[slot].path;
        }
        joined[slot] = Part(joined[slot].path.front() | parts[i].path.front());
        for (int s = 0; s <= t; ++s) {
            apart[slot][static_cast<std::size_t>(s)] =
                apart[slot][static_cast<std::size_t>(s)] | parts[i].At(s);
        }
    }
    int from = t + 1;
    for (std::size_t j = 0; j < joined.size(); ++j) {
        for (int s = 1; s < from && !apart[j].empty(); ++s) {
            if (joined[j].At(s) != apart[j][static_cast<std::size_t>(s)]) {
                from = s;
            }
        }
    }
    parts = std::move(joined);
    return from;
}

// Parts that together make a common object are that object, although a cell of it may do
// nothing to the rest (a lightweight ship has one that only dies).
void MergeKnown(std::vector<Field>& parts)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            const Field both = parts[i] | parts[j];
            if (!(parts[i].Near2() & parts[j]).Empty() &&
                MatchKnown(both.Shape()).object != nullptr) {
                parts[i] = both;
                parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                j = i;
            }
        }
    }
}

// A cluster's objects: its pieces of touching cells, merged where they act on one another
// within the look-ahead, or make a common object together.
std::vector<Field> Split(const Field& cluster)
{
    if (MatchKnown(cluster.Shape()).object != nullptr) {
        return {cluster};
    }
    std::vector<Part> parts;
    for (Field rest = cluster; !rest.Empty();) {
        const Field piece = rest.Connected(rest.First());
        parts.emplace_back(piece);
        rest = rest.Without(piece);
    }
    Part whole(cluster);
    for (int t = 1; t <= kApartFor && parts.size() > 1;) {
        Field apart;
        for (Part& part : parts) {
            apart = apart | part.At(t);
        }
        const Field now = whole.At(t);
        if (apart == now) {
            ++t;
            continue;
        }
        t = MergeActing(parts, t - 1, apart.Without(now) | now.Without(apart));
        if (t == 0) {
            return {cluster}; // cannot happen, but a census must end
        }
    }
    std::vector<Field> objects;
    objects.reserve(parts.size());
    for (const Part& part : parts) {
        objects.push_back(part.path.front());
    }
    MergeKnown(objects);
    return objects;
}

BoardObject Describe(const Field& cells)
{
    BoardObject object;
    object.cells = cells;
    object.topLeft = cells.TopLeft();
    object.first = cells.First();
    object.size = cells.Count();
    const std::vector<Field::Row> shape = cells.Shape();
    if (const Match match = MatchKnown(shape); match.object != nullptr) {
        object.known = match.object;
        object.period = match.object->period;
        object.heading = match.heading;
        return object;
    }
    // Run on its own: back where it was, or the same shape elsewhere, or neither.
    Field later = cells;
    for (int t = 1; t <= kLookAhead; ++t) {
        later = later.Next();
        if (later.Empty()) {
            break;
        }
        if (later.Count() == object.size && later.Shape() == shape) {
            const FieldCell moved = later.TopLeft();
            object.period = t;
            object.heading =
                HeadingOf(moved.row - object.topLeft.row, moved.column - object.topLeft.column);
            break;
        }
    }
    return object;
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

// What the object is, as its line begins: "Glider", "Still life of 13 cells".
Message Title(const BoardObject& object)
{
    const Message size = Message::Number(object.size);
    const Message period = Message::Number(object.period);
    if (object.known != nullptr) {
        return {object.known->name};
    }
    if (object.period == 0 && object.size == 1) {
        return {QUARN_TRANSLATE_NOOP("Census", "Lone cell")};
    }
    if (object.period == 0) {
        return {QUARN_TRANSLATE_NOOP("Census", "Changing group of %1 cells"), {size}};
    }
    if (object.heading != Heading::None) {
        return {QUARN_TRANSLATE_NOOP("Census", "Ship of period %1, %2 cells"), {period, size}};
    }
    if (object.period == 1) {
        return {QUARN_TRANSLATE_NOOP("Census", "Still life of %1 cells"), {size}};
    }
    return {QUARN_TRANSLATE_NOOP("Census", "Oscillator of period %1, %2 cells"), {period, size}};
}

// So many objects of the kind, as a list names them: "a glider", "3 gliders".
Message Counted(const BoardObject& object, int count)
{
    const bool one = count == 1;
    const Message many = Message::Number(count);
    const Message size = Message::Number(object.size);
    const Message period = Message::Number(object.period);
    if (object.known != nullptr) {
        return one ? Message{object.known->one} : Message{object.known->many, {many}};
    }
    if (object.period == 0 && object.size == 1) {
        return one ? Message{QUARN_TRANSLATE_NOOP("Census", "a lone cell")}
                   : Message{QUARN_TRANSLATE_NOOP("Census", "%1 lone cells"), {many}};
    }
    if (object.period == 0) {
        return one ? Message{QUARN_TRANSLATE_NOOP("Census", "a changing group of %1 cells"), {size}}
                   : Message{QUARN_TRANSLATE_NOOP("Census", "%1 changing groups of %2 cells"),
                             {many, size}};
    }
    if (object.heading != Heading::None) {
        return one ? Message{QUARN_TRANSLATE_NOOP("Census", "a ship of period %1, %2 cells"),
                             {period, size}}
                   : Message{QUARN_TRANSLATE_NOOP("Census", "%1 ships of period %2, %3 cells"),
                             {many, period, size}};
    }
    if (object.period == 1) {
        return one ? Message{QUARN_TRANSLATE_NOOP("Census", "a still life of %1 cells"), {size}}
                   : Message{QUARN_TRANSLATE_NOOP("Census", "%1 still lifes of %2 cells"),
                             {many, size}};
    }
    return one ? Message{QUARN_TRANSLATE_NOOP("Census", "an oscillator of period %1, %2 cells"),
                         {period, size}}
               : Message{QUARN_TRANSLATE_NOOP("Census", "%1 oscillators of period %2, %3 cells"),
                         {many, period, size}};
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

// How far apart the pieces of one oscillator may lie in some phase: a pentadecathlon's halves
// are seven cells apart in some.
constexpr int kPhaseReach = 8;

// An oscillator may fall apart in some of its phases into pieces further than two cells from one
// another, which change on their own: pieces near one another that together repeat are one.
void JoinPhases(std::vector<BoardObject>& objects)
{
    std::vector<std::size_t> changing;
    std::vector<Field> reach;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].period == 0) {
            changing.push_back(i);
            Field near = objects[i].cells;
            for (int step = 0; step < kPhaseReach; step += 2) {
                near = near.Near2();
            }
            reach.push_back(near);
        }
    }
    std::vector<bool> taken(changing.size(), false);
    std::vector<BoardObject> joined;
    std::vector<bool> gone(objects.size(), false);
    for (std::size_t i = 0; i < changing.size(); ++i) {
        if (taken[i]) {
            continue;
        }
        // The pieces within reach of this one, and of those, and so on.
        std::vector<std::size_t> group{i};
        taken[i] = true;
        for (std::size_t next = 0; next < group.size(); ++next) {
            for (std::size_t j = 0; j < changing.size(); ++j) {
                if (!taken[j] && !(reach[group[next]] & objects[changing[j]].cells).Empty()) {
                    taken[j] = true;
                    group.push_back(j);
                }
            }
        }
        if (group.size() < 2) {
            continue;
        }
        Field cells;
        for (const std::size_t j : group) {
            cells = cells | objects[changing[j]].cells;
        }
        BoardObject together = Describe(cells);
        if (together.period != 0) {
            for (const std::size_t j : group) {
                gone[changing[j]] = true;
            }
            joined.push_back(together);
        }
    }
    std::vector<BoardObject> kept;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (!gone[i]) {
            kept.push_back(objects[i]);
        }
    }
    kept.insert(kept.end(), joined.begin(), joined.end());
    objects = std::move(kept);
}

} // namespace

Message BoardObject::Line() const
{
    if (heading == Heading::None) {
        return {QUARN_TRANSLATE_NOOP("Census", "%1 at row %2, column %3."),
                {Title(*this), Message::Number(topLeft.row), Message::Number(topLeft.column)}};
    }
    return {QUARN_TRANSLATE_NOOP("Census", "%1 at row %2, column %3, heading %4."),
            {Title(*this), Message::Number(topLeft.row), Message::Number(topLeft.column),
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
    std::vector<const BoardObject*> kinds;
    std::vector<int> counts;
    for (const BoardObject& object : objects) {
        const std::string kind = Counted(object, 1).English();
        const auto same =
            std::find_if(kinds.begin(), kinds.end(), [&kind](const BoardObject* seen) {
                return Counted(*seen, 1).English() == kind;
            });
        if (same == kinds.end()) {
            kinds.push_back(&object);
            counts.push_back(1);
        } else {
            ++counts[static_cast<std::size_t>(same - kinds.begin())];
        }
    }
    std::vector<Message> items;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        items.push_back(Counted(*kinds[i], counts[i]));
    }
    return items.empty() ? Message{} : Listed(items);
}

Census CensusOf(const Board& board)
{
    return CensusOf(Field::Of(board));
}

Census CensusOf(const Field& field)
{
    Census census;
    census.live = field.Count();
    for (Field rest = field; !rest.Empty();) {
        const Field cluster = rest.Clustered(rest.First());
        rest = rest.Without(cluster);
        for (const Field& cells : Split(cluster)) {
            census.objects.push_back(Describe(cells));
        }
    }
    JoinPhases(census.objects);
    std::sort(census.objects.begin(), census.objects.end(),
              [](const BoardObject& a, const BoardObject& b) {
                  return std::tie(a.topLeft, a.first) < std::tie(b.topLeft, b.first);
              });
    return census;
}

} // namespace quarn
