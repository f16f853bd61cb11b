#include "census/census.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>

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
// The most pieces one oscillator is taken together from, in a phase where they lie apart: the
// common ones need three at most (a pentadecathlon's halves and a bit between them).
constexpr std::size_t kMostPhasePieces = 4;
// The most cells a common ship has (a heavyweight ship's), and the fewest a ship's body has in
// a phase where sparks lie apart from it.
constexpr int kMostShipCells = 13;
constexpr int kLeastShipBody = 7;
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

// Whether two parts, run together for the generation after t, give the cell another state than
// each gives it alone.
bool ActAt(std::vector<Part>& parts, std::size_t a, std::size_t b, int t, FieldCell cell)
{
    const Field together = (parts[a].At(t) | parts[b].At(t)).Next();
    const Field apart = parts[a].At(t + 1) | parts[b].At(t + 1);
    return together.Live(cell.row, cell.column) != apart.Live(cell.row, cell.column);
}

// Whether the part has a hand in the cell's state after t among the others near it: whether
// running them all together gives the cell another state than running the others together and
// the part alone.
bool HasAHandAt(std::vector<Part>& parts, const std::vector<std::size_t>& near, std::size_t part,
                int t, FieldCell cell)
{
    Field all;
    Field others;
    for (const std::size_t i : near) {
        all = all | parts[i].At(t);
        others = i == part ? others : others | parts[i].At(t);
    }
    const Field without = others.Next() | parts[part].At(t + 1);
    return all.Next().Live(cell.row, cell.column) != without.Live(cell.row, cell.column);
}

// The parts near the cell less those that have no hand in what it becomes: a still life beside
// an oscillator whose pieces only together give the cell its state is not one of them.
std::vector<std::size_t> WithAHand(std::vector<Part>& parts, std::vector<std::size_t> near, int t,
                                   FieldCell cell)
{
    for (std::size_t k = 0; k < near.size() && near.size() > 2;) {
        if (HasAHandAt(parts, near, near[k], t, cell)) {
            ++k;
        } else {
            near.erase(near.begin() + static_cast<std::ptrdiff_t>(k));
            k = 0;
        }
    }
    return near;
}

// Joins the parts near the cell that act on one another there, two by two; where no two do,
// it took more of them together, and those of them that have a hand in it are joined.
bool JoinActingAt(std::vector<Part>& parts, const std::vector<std::size_t>& candidates, int t,
                  FieldCell cell, Groups& groups)
{
    const std::vector<std::size_t> near = WithAHand(parts, candidates, t, cell);
    bool joined = false;
    bool paired = false;
    for (std::size_t i = 0; i < near.size(); ++i) {
        for (std::size_t j = i + 1; j < near.size(); ++j) {
            if (ActAt(parts, near[i], near[j], t, cell)) {
                paired = true;
                joined = groups.Join(near[i], near[j]) || joined;
            }
        }
    }
    for (std::size_t i = 1; !paired && i < near.size(); ++i) {
        joined = groups.Join(near.front(), near[i]) || joined;
    }
    return joined;
}

// Whether a cell lives in the generation after t is settled by the 3 x 3 cells round it: where
// running the parts apart gives another cell than running them together, parts with cells round
// it acted on one another there. None if no two parts did.
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
        std::vector<std::size_t> near;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (round[i].Live(cell.row, cell.column)) {
                near.push_back(i);
            }
        }
        joined = JoinActingAt(parts, near, t, cell, groups) || joined;
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
// nothing to the rest (a lightweight ship has one that only dies, a middleweight ship two in
// some phase): two parts near each other, or a ship's body and two sparks.
void MergeKnown(std::vector<Field>& parts)
{
    std::vector<Field> reach;
    reach.reserve(parts.size());
    for (const Field& part : parts) {
        reach.push_back(part.Within(kClusterReach));
    }
    const auto near = [&parts, &reach](std::size_t a, std::size_t b) {
        return !(reach[a] & parts[b]).Empty();
    };
    const auto known = [](const Field& cells) {
        return MatchKnown(cells.Shape()).object != nullptr;
    };
    // The first part becomes all of them; the others go, the last first.
    const auto merge = [&parts, &reach](std::size_t into, std::vector<std::size_t> gone) {
        std::sort(gone.rbegin(), gone.rend());
        for (const std::size_t part : gone) {
            parts[into] = parts[into] | parts[part];
            parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(part));
            reach.erase(reach.begin() + static_cast<std::ptrdiff_t>(part));
        }
        reach[into] = parts[into].Within(kClusterReach);
    };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            if (near(i, j) && known(parts[i] | parts[j])) {
                merge(i, {j});
                j = i;
            }
        }
    }
    // A ship's body with two sparks of a cell or two each beside it.
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int body = parts[i].Count();
        if (body < kLeastShipBody || body > kMostShipCells - 2) {
            continue;
        }
        std::vector<std::size_t> sparks;
        for (std::size_t j = 0; j < parts.size(); ++j) {
            if (j != i && parts[j].Count() <= 2 && near(i, j)) {
                sparks.push_back(j);
            }
        }
        for (std::size_t a = 0; a < sparks.size(); ++a) {
            for (std::size_t b = a + 1; b < sparks.size(); ++b) {
                if (known(parts[i] | parts[sparks[a]] | parts[sparks[b]])) {
                    const std::size_t into = std::min(i, sparks[a]);
                    merge(into, {std::max(i, sparks[a]), sparks[b]});
                    i = into; // on from the ship, over the parts the merge moved
                    a = b = sparks.size();
                }
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

// The parts, merged where they act on one another within kApartFor generations; all in one if
// that cannot be told.
std::vector<Field> Separated(std::vector<Part> parts)
{
    if (parts.size() < 2) {
        return parts.empty() ? std::vector<Field>{}
                             : std::vector<Field>{parts.front().path.front()};
    }
    Field all;
    for (const Part& part : parts) {
        all = all | part.path.front();
    }
    Part whole(all);
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
            return {all}; // cannot happen, but a census must end
        }
        t = *from;
    }
    std::vector<Field> separated;
    separated.reserve(parts.size());
    for (const Part& part : parts) {
        separated.push_back(part.path.front());
    }
    return separated;
}

// A cluster's objects: the cluster itself where it has a common object's shape, else its pieces,
// merged where they act on one another within kApartFor generations, or make a common object
// together.
std::vector<Field> Split(const Field& cluster, bool known)
{
    if (known) {
        return {cluster};
    }
    std::vector<Field> objects = Separated(Pieces(cluster));
    MergeKnown(objects);
    return objects;
}

// --- Identifying an object --------------------------------------------------------------------

// Whether the cells run for so many generations as they would on an open plane, the dead edge
// changing nothing: a common object is that object on this board only if it goes through its
// phases here.
bool RunsAsOnAPlane(Field cells, int generations)
{
    for (int t = 0; t < generations; ++t) {
        if (cells.EdgeActs()) {
            return false;
        }
        cells = cells.Next();
    }
    return true;
}

// Run on its own: back where it was (a period), or the same shape elsewhere without the edge
// having had a hand in it (a ship, with its heading), or neither within the look-ahead (still
// changing).
void RunAlone(BoardObject& object, const std::vector<Field::Row>& shape)
{
    Field later = object.cells;
    bool onAPlane = true;
    for (int t = 1; t <= kLookAhead; ++t) {
        onAPlane = onAPlane && !later.EdgeActs();
        later = later.Next();
        if (later.Empty()) {
            return;
        }
        if (later.Count() != object.size || later.Shape() != shape) {
            continue;
        }
        const FieldCell moved = later.TopLeft();
        const Heading heading =
            HeadingOf(moved.row - object.topLeft.row, moved.column - object.topLeft.column);
        if (heading == Heading::None || onAPlane) {
            object.period = t;
            object.heading = heading;
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
    if (const Match match = MatchKnown(shape);
        match.object != nullptr && RunsAsOnAPlane(cells, match.object->period)) {
        object.known = match.object;
        object.period = match.object->period;
        object.heading = match.heading;
        return object;
    }
    RunAlone(object, shape);
    return object;
}

// The common still lifes that make up the cells, each of which stands as it is alone; none if
// they are not such. The first live cell left is the first of the still life it belongs to.
std::optional<std::vector<Field>> AsCommonStillLifes(const Field& cells, int& tries)
{
    if (cells.Empty()) {
        return std::vector<Field>{};
    }
    const FieldCell first = cells.First();
    for (const std::vector<Field::Row>& shape : CommonStillLifeShapes()) {
        if (--tries < 0) {
            return std::nullopt;
        }
        const auto placed = Field::Placed(shape, first);
        // An island of its own: a still life that touches the rest is one with it.
        if (!placed || (*placed & cells) != *placed || !RunsAsOnAPlane(*placed, 1) ||
            !(placed->Within(kTouching) & cells.Without(*placed)).Empty()) {
            continue;
        }
        if (auto rest = AsCommonStillLifes(cells.Without(*placed), tries)) {
            rest->push_back(*placed);
            return rest;
        }
    }
    return std::nullopt;
}

// Still lifes side by side, each an island of its own that would stand alone, are counted one
// by one, as the field's censuses count them: two ponds, not a still life of 16 cells; but a
// long boat of one island is one still life, not a boat and a tub.
std::vector<BoardObject> Identified(const Field& cells)
{
    BoardObject object = Identify(cells);
    if (object.known == nullptr && object.period == 1 && object.heading == Heading::None) {
        constexpr int kTries = 4096; // enough for any still life this board holds
        int tries = kTries;
        if (const auto parts = AsCommonStillLifes(cells, tries); parts && parts->size() > 1) {
            std::vector<BoardObject> objects;
            for (const Field& part : *parts) {
                objects.push_back(Identify(part));
            }
            return objects;
        }
    }
    return {object};
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

// Which of the rest comes nearest to the cells, the first of them where several do, and how
// near, counted as the census counts reach; more than kPhaseReach if none is within it.
std::pair<std::size_t, int> Nearest(const Field& cells, const std::vector<Field>& pieces,
                                    const std::vector<std::size_t>& rest)
{
    Field near = cells;
    for (int radius = 1; radius <= kPhaseReach; ++radius) {
        near = near.Within(1);
        for (std::size_t k = 0; k < rest.size(); ++k) {
            if (!(near & pieces[rest[k]]).Empty()) {
                return {k, radius};
            }
        }
    }
    return {0, kPhaseReach + 1};
}

// Whether the cells come back to their shape, in place or moved, within so many generations on
// their own: cheaper than identifying them, and needed first.
bool ComesBack(const Field& cells, int generations)
{
    const int size = cells.Count();
    const std::vector<Field::Row> shape = cells.Shape();
    Field later = cells;
    for (int t = 1; t <= generations; ++t) {
        later = later.Next();
        if (later.Empty()) {
            return false;
        }
        if (later.Count() == size && later.Shape() == shape) {
            return true;
        }
    }
    return false;
}

// The first of the pieces, and the nearest of the rest added one at a time, until together they
// repeat: the pieces of one oscillator; none if they do not repeat within kApartFor
// generations, twice the longest period of the common oscillators, or not within
// kMostPhasePieces of them. Each piece alone, identified, is given.
std::optional<std::vector<std::size_t>> OneOscillator(const std::vector<Field>& pieces,
                                                      const std::vector<BoardObject>& alone,
                                                      std::vector<std::size_t> rest)
{
    std::vector<std::size_t> taken{rest.front()};
    rest.erase(rest.begin());
    if (alone[taken.front()].period != 0) {
        return taken;
    }
    Field cells = pieces[taken.front()];
    while (!rest.empty() && taken.size() < kMostPhasePieces) {
        const auto [nearest, reach] = Nearest(cells, pieces, rest);
        if (reach > kPhaseReach) {
            return std::nullopt;
        }
        taken.push_back(rest[nearest]);
        cells = cells | pieces[rest[nearest]];
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(nearest));
        if (ComesBack(cells, kApartFor) && Identify(cells).period != 0) {
            return taken;
        }
    }
    return std::nullopt;
}

// Pieces near one another that change on their own but together repeat are one oscillator. They
// are told apart first where they act on one another as they run, and then taken together from
// the nearest, so that the pieces of two oscillators that never act on each other stay two.
void JoinPhases(std::vector<BoardObject>& objects)
{
    std::vector<BoardObject> kept;
    std::vector<bool> grouped(objects.size(), false);
    for (const std::vector<std::size_t>& group : ChangingWithinReach(objects)) {
        std::vector<Part> parts;
        for (const std::size_t i : group) {
            parts.emplace_back(objects[i].cells);
            grouped[i] = true;
        }
        const std::vector<Field> pieces = group.size() < 2
                                              ? std::vector<Field>{parts.front().path.front()}
                                              : Separated(std::move(parts));
        std::vector<BoardObject> alone;
        alone.reserve(pieces.size());
        for (const Field& piece : pieces) {
            alone.push_back(Identify(piece));
        }
        std::vector<std::size_t> rest(pieces.size());
        std::iota(rest.begin(), rest.end(), 0);
        while (!rest.empty()) {
            const auto oscillator = OneOscillator(pieces, alone, rest);
            const std::vector<std::size_t> taken = oscillator.value_or(std::vector{rest.front()});
            Field cells;
            for (const std::size_t i : taken) {
                cells = cells | pieces[i];
                rest.erase(std::find(rest.begin(), rest.end(), i));
            }
            kept.push_back(taken.size() == 1 ? alone[taken.front()] : Identify(cells));
        }
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (!grouped[i]) {
            kept.push_back(objects[i]);
        }
    }
    objects = std::move(kept);
}

// The field's cells in clusters of cells near one another; clusters that change on their own
// are joined where they act on one another, as the pieces of one oscillator that lie apart do,
// so that a piece of one is never taken without the rest: alone, it may grow into what stands
// beside it, which the whole oscillator never touches.
// The clusters, each with whether it has a common object's shape.
std::vector<std::pair<Field, bool>> Clusters(const Field& field)
{
    std::vector<std::pair<Field, bool>> clusters;
    std::vector<Part> changing;
    for (Field rest = field; !rest.Empty();) {
        const Field cluster = rest.Reached(rest.First(), kClusterReach);
        rest = rest.Without(cluster);
        // A common object is known to keep to itself unless something comes near it; the rest
        // are run together and apart, as the pieces of a cluster are.
        if (MatchKnown(cluster.Shape()).object != nullptr) {
            clusters.emplace_back(cluster, true);
        } else {
            changing.emplace_back(cluster);
        }
    }
    for (const Field& joined : Separated(std::move(changing))) {
        clusters.emplace_back(joined, false);
    }
    return clusters;
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
    for (const auto& [cluster, known] : Clusters(field)) {
        for (const Field& cells : Split(cluster, known)) {
            for (const BoardObject& object : Identified(cells)) {
                census.objects.push_back(object);
            }
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
