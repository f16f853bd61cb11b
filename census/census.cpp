#include "census/census.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <optional>
#include <tuple>

// The census takes the board's live cells in three passes:
//
// 1. Cluster: cells within kClusterReach of one another belong together, so a cluster is what
//    might act as one.
// 2. Split each cluster where its parts do not act on one another: its pieces of touching cells
//    are run apart and together for kApartFor generations, and pieces whose cells then differ
//    from the whole's are merged, from the generation where they first acted.
// 3. Join the phases: the pieces of one oscillator may lie too far apart in some phase to share
//    a cluster, and change on their own; pieces within kPhaseReach that together repeat are one.
//
// Each object found is then identified: a common object by its name, anything else by what it
// does on its own.

namespace quarn {

namespace {

// Cells this near one another touch, and make one piece.
constexpr int kTouching = 1;
// Cells this near one another may act on one another within a generation or two.
constexpr int kClusterReach = 2;
// How far apart the pieces of one oscillator may lie in some phase: a pentadecathlon's halves
// are seven cells apart in some.
constexpr int kPhaseReach = 8;
// An object that does not repeat within this many generations is still changing.
constexpr int kLookAhead = 60;
// Objects that act together are told apart from ones that only sit side by side by running them
// this far, apart and together: twice the longest period of the common oscillators.
constexpr int kApartFor = 30;

// --- Pass 2: split a cluster ------------------------------------------------------------------

// A part of a cluster, and where it would be after t generations on its own.
struct Part
{
    explicit Part(const Field& start)
    {
        path.reserve(kApartFor + 2);
        path.push_back(start);
    }

    std::vector<Field> path; // path[t]

    const Field& At(int t)
    {
        while (static_cast<int>(path.size()) <= t) {
            path.push_back(path.back().Next());
        }
        return path[static_cast<std::size_t>(t)];
    }
};

// Sets of parts, joined as they are found to act on one another.
class Groups
{
public:
    explicit Groups(std::size_t count)
        : owner_(count)
    {
        std::iota(owner_.begin(), owner_.end(), 0);
    }

    std::size_t Of(std::size_t part) const
    {
        while (owner_[part] != part) {
            part = owner_[part];
        }
        return part;
    }

    // False if they were in one group already.
    bool Join(std::size_t a, std::size_t b)
    {
        const std::size_t ga = Of(a);
        const std::size_t gb = Of(b);
        owner_[gb] = ga;
        return ga != gb;
    }

private:
    std::vector<std::size_t> owner_;
};

// Whether a cell lives in the generation after t is settled by the 3 x 3 cells round it: where
// running the parts apart gives another cell than running them together, the parts with cells
// round it acted on one another there. None if no two parts did.
std::optional<Groups> ActingGroups(std::vector<Part>& parts, int t, const Field& differs)
{
    std::vector<Field> round;
    round.reserve(parts.size());
    for (Part& part : parts) {
        round.push_back(part.At(t).Within(kTouching));
    }
    Groups groups(parts.size());
    bool joined = false;
    for (const FieldCell& cell : differs.Cells()) {
        std::optional<std::size_t> first;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (!round[i].Live(cell.row, cell.column)) {
                continue;
            }
            if (!first) {
                first = i;
            } else {
                joined = groups.Join(*first, i) || joined;
            }
        }
    }
    if (!joined) {
        return std::nullopt;
    }
    return groups;
}

// A group of parts made one: its cells at the start, and what its pieces made apart, generation
// by generation up to t. A part alone in its group keeps the generations it has run.
struct Merged
{
    Part part;
    std::vector<Field> apart; // empty for a part alone
};

std::vector<Merged> MergeGroups(std::vector<Part>& parts, const Groups& groups, int t)
{
    std::vector<Merged> merged;
    std::vector<std::size_t> into(parts.size(), parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::size_t& slot = into[groups.Of(i)];
        if (slot == parts.size()) {
            slot = merged.size();
            merged.push_back({std::move(parts[i]), {}});
            continue;
        }
        Merged& group = merged[slot];
        if (group.apart.empty()) {
            group.apart = group.part.path;
        }
        group.part = Part(group.part.path.front() | parts[i].path.front());
        for (int s = 0; s <= t; ++s) {
            Field& apart = group.apart[static_cast<std::size_t>(s)];
            apart = apart | parts[i].At(s);
        }
    }
    return merged;
}

// The first generation up to t + 1 at which a merged part runs otherwise than its pieces did
// apart: the looking must go on from there.
int FirstDeparture(std::vector<Merged>& merged, int t)
{
    int from = t + 1;
    for (Merged& group : merged) {
        for (int s = 1; s < from && !group.apart.empty(); ++s) {
            if (group.part.At(s) != group.apart[static_cast<std::size_t>(s)]) {
                from = s;
            }
        }
    }
    return from;
}

// Merges the parts that act on one another in the generation after t, where running them apart
// and together differs in the cells given. The generation to look on from; none if nothing could
// be merged.
std::optional<int> MergeActing(std::vector<Part>& parts, int t, const Field& differs)
{
    const std::optional<Groups> groups = ActingGroups(parts, t, differs);
    if (!groups) {
        return std::nullopt;
    }
    std::vector<Merged> merged = MergeGroups(parts, *groups, t);
    const int from = FirstDeparture(merged, t);
    parts.clear();
    for (Merged& group : merged) {
        parts.push_back(std::move(group.part));
    }
    return from;
}

// Parts that together make a common object are that object, although a cell of it may do
// nothing to the rest (a lightweight ship has one that only dies).
void MergeKnown(std::vector<Field>& parts)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            const Field both = parts[i] | parts[j];
            if (!(parts[i].Within(kClusterReach) & parts[j]).Empty() &&
                MatchKnown(both.Shape()).object != nullptr) {
                parts[i] = both;
                parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                j = i;
            }
        }
    }
}

std::vector<Part> Pieces(const Field& cluster)
{
    std::vector<Part> pieces;
    for (Field rest = cluster; !rest.Empty();) {
        const Field piece = rest.Reached(rest.First(), kTouching);
        pieces.emplace_back(piece);
        rest = rest.Without(piece);
    }
    return pieces;
}

// A cluster's objects: its pieces, merged where they act on one another within kApartFor
// generations, or make a common object together.
std::vector<Field> Split(const Field& cluster)
{
    if (MatchKnown(cluster.Shape()).object != nullptr) {
        return {cluster};
    }
    std::vector<Part> parts = Pieces(cluster);
    Part whole(cluster);
    for (int t = 1; t <= kApartFor && parts.size() > 1;) {
        Field apart;
        for (Part& part : parts) {
            apart = apart | part.At(t);
        }
        const Field& now = whole.At(t);
        if (apart == now) {
            ++t;
            continue;
        }
        const std::optional<int> from =
            MergeActing(parts, t - 1, apart.Without(now) | now.Without(apart));
        if (!from) {
            return {cluster}; // cannot happen, but a census must end
        }
        t = *from;
    }
    std::vector<Field> objects;
    objects.reserve(parts.size());
    for (const Part& part : parts) {
        objects.push_back(part.path.front());
    }
    MergeKnown(objects);
    return objects;
}

// --- Identifying an object --------------------------------------------------------------------

// Run on its own: back where it was (a period), or the same shape elsewhere (a heading too), or
// neither within the look-ahead (still changing).
void RunAlone(BoardObject& object, const std::vector<Field::Row>& shape)
{
    Field later = object.cells;
    for (int t = 1; t <= kLookAhead; ++t) {
        later = later.Next();
        if (later.Empty()) {
            return;
        }
        if (later.Count() == object.size && later.Shape() == shape) {
            const FieldCell moved = later.TopLeft();
            object.period = t;
            object.heading =
                HeadingOf(moved.row - object.topLeft.row, moved.column - object.topLeft.column);
            return;
        }
    }
}

BoardObject Identify(const Field& cells)
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
    RunAlone(object, shape);
    return object;
}

// --- Pass 3: join the phases ------------------------------------------------------------------

// The still-changing objects, by their place among all, in groups of those within kPhaseReach
// of one another, and of those, and so on.
std::vector<std::vector<std::size_t>> ChangingWithinReach(const std::vector<BoardObject>& objects)
{
    std::vector<std::size_t> changing;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].period == 0) {
            changing.push_back(i);
        }
    }
    std::vector<std::vector<std::size_t>> groups;
    std::vector<bool> taken(changing.size(), false);
    for (std::size_t i = 0; i < changing.size(); ++i) {
        if (taken[i]) {
            continue;
        }
        taken[i] = true;
        std::vector<std::size_t> group{changing[i]};
        for (std::size_t next = 0; next < group.size(); ++next) {
            const Field reach = objects[group[next]].cells.Within(kPhaseReach);
            for (std::size_t j = 0; j < changing.size(); ++j) {
                if (!taken[j] && !(reach & objects[changing[j]].cells).Empty()) {
                    taken[j] = true;
                    group.push_back(changing[j]);
                }
            }
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

// Pieces near one another that change on their own but together repeat are one oscillator.
void JoinPhases(std::vector<BoardObject>& objects)
{
    std::vector<bool> gone(objects.size(), false);
    std::vector<BoardObject> joined;
    for (const std::vector<std::size_t>& group : ChangingWithinReach(objects)) {
        if (group.size() < 2) {
            continue;
        }
        Field cells;
        for (const std::size_t i : group) {
            cells = cells | objects[i].cells;
        }
        if (BoardObject together = Identify(cells); together.period != 0) {
            for (const std::size_t i : group) {
                gone[i] = true;
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

Census CensusOf(const Board& board)
{
    return CensusOf(Field::Of(board));
}

Census CensusOf(const Field& field)
{
    Census census;
    census.live = field.Count();
    for (Field rest = field; !rest.Empty();) {
        const Field cluster = rest.Reached(rest.First(), kClusterReach);
        rest = rest.Without(cluster);
        for (const Field& cells : Split(cluster)) {
            census.objects.push_back(Identify(cells));
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
