#include "census/moments.h"

#include "census/census.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <tuple>
#include <utility>

// The way is run generation by generation, and each object of the census followed as it goes:
// a still life, an oscillator or a ship by its own next generation, for as long as the board
// shows just that where it stands; a changing group is taken afresh at every step, with
// whatever else the board holds that no followed object accounts for. An object that acts on
// another, or is acted on, is no longer followed, and what it became is taken afresh.

namespace quarn {

namespace {

// Cells this near one another can act on one another within a generation.
constexpr int kNear = 2;
// An object that stands again where the same object stood within so many steps, as one that
// something broke and that mended itself, did not form.
constexpr int kStandsAgainWithin = 60;
// Past the fate, a way is followed only to see whether the objects seen last stand as themselves
// for a whole period: the longest period the census looks for.
constexpr int kLongestPeriod = 60;

// One object of the census, followed from where it stood first.
struct Track
{
    BoardObject object; // as the census found it where it began
    Field cells;        // now
    Field began;        // where it began
    FieldCell from;     // the top-left of where it began
    int since = 0;
    // Stood as itself for a whole period, or was there at the way's start: only then is it a
    // moment's object.
    bool confirmed = false;
    // A still life's or an oscillator's forming, told only if it stays: to the end, or until a
    // ship meets it.
    std::optional<Moment> forming;

    // Followed by its own next generation; a changing group is taken afresh at every step.
    bool Steady() const { return object.period > 0; }
    bool Ship() const { return object.heading != Heading::None; }
};

// What the edge left of a ship, followed on its own until it dies, something else comes near
// it, or it stands still.
struct Remains
{
    Field cells;
    Message who; // "the glider from row 4, column 6"
};

// A named object no longer followed, to tell one that stands again from one that forms.
struct Ended
{
    const KnownObject* known = nullptr;
    Field cells;
    int step = 0;
};

// A moment, with how telling it is: 0 the most.
struct Found
{
    Moment moment;
    int rank = 0;
};

Message At(const char* text, const Message& who, FieldCell cell)
{
    return {text, {who, Message::Number(cell.row), Message::Number(cell.column)}};
}

// "the glider from row 12, column 10"
Message From(const Track& track)
{
    return At(QUARN_TRANSLATE_NOOP("Census", "%1 from row %2, column %3"), track.object.The(),
              track.from);
}

class Story
{
public:
    Story(const Field& start, int step, const Fate& fate);

    Moments Told();

private:
    void Generation();
    std::vector<bool> FindMeetings(int step, const Field& next, const std::vector<Field>& alone,
                                   const std::vector<bool>& acted);
    void Meet(int step, const Field& next, const Track& a, const Track& b);
    void MeetsTheEdge(int step, const Track& track, const Field& after, int rank);
    void Confirm(Track& track, int step);
    bool StandsAgain(const Track& track) const;
    void TakeAfresh(int step, const Field& rest);
    void FollowRemains(int step, const Field& next);
    void Stays(Track& track);
    bool NearRemains(const Field& cells) const;
    void Add(int step, Moment::Kind kind, std::vector<Field> objects, Message what, int rank);
    void Add(Moment moment, int rank);
    bool Unconfirmed() const;

    const Fate& fate_;
    int start_ = 0;
    int last_ = 0; // the last step followed for moments
    Field board_;
    int step_ = 0;
    std::vector<Track> tracks_;
    std::vector<Remains> remains_;
    std::vector<Ended> ended_;
    std::vector<Found> found_;
    bool edgeReached_ = false; // by a changing group
    // The first step at which anything but the start's own objects going through their phases
    // happened: the board is not at its fullest before it.
    int firstChange_ = 0;
    int most_ = 0;
    int mostStep_ = 0;
};

Story::Story(const Field& start, int step, const Fate& fate)
    : fate_(fate),
      start_(step),
      last_(std::min(fate.step, step + Moments::kFollowed)),
      board_(start),
      step_(step),
      firstChange_(fate.step + 1),
      most_(start.Count()),
      mostStep_(step)
{
    for (const BoardObject& object : CensusOf(start).objects) {
        tracks_.push_back({object, object.cells, object.cells, object.topLeft, step, true, {}});
        // Where the edge acts on it from the start, it has not reached the edge on the way.
        edgeReached_ = edgeReached_ || (object.period == 0 && object.cells.EdgeActs());
    }
}

bool Story::Unconfirmed() const
{
    return std::any_of(tracks_.begin(), tracks_.end(),
                       [](const Track& track) { return track.Steady() && !track.confirmed; });
}

Moments Story::Told()
{
    while (step_ < last_ || (Unconfirmed() && step_ < last_ + kLongestPeriod)) {
        Generation();
    }
    for (Track& track : tracks_) {
        Stays(track);
    }
    if (mostStep_ > start_ && mostStep_ >= firstChange_ && mostStep_ < fate_.step) {
        Add(mostStep_, Moment::Kind::MostLive, {},
            Message::Counted(QUARN_TRANSLATE_N_NOOP("Census", "the most live cells, %n."),
                             "the most live cells, 1.", most_),
            0);
    }
    // The least telling go first where there are too many, the latest of them first.
    std::stable_sort(found_.begin(), found_.end(),
                     [](const Found& a, const Found& b) { return a.rank < b.rank; });
    Moments moments;
    const auto kept = std::min(found_.size(), static_cast<std::size_t>(Moments::kMost - 1));
    moments.leftOut = static_cast<int>(found_.size() - kept);
    for (std::size_t i = 0; i < kept; ++i) {
        moments.list.push_back(std::move(found_[i].moment));
    }
    std::stable_sort(moments.list.begin(), moments.list.end(),
                     [](const Moment& a, const Moment& b) {
                         return std::tie(a.step, a.kind) < std::tie(b.step, b.kind);
                     });
    Moment fate{fate_.step, Moment::Kind::Fate, {}, fate_.Outcome()};
    for (const BoardObject& object : fate_.census.objects) {
        fate.objects.push_back(object.cells);
    }
    if (moments.leftOut > 0) {
        fate.what = Message::Counted(
            QUARN_TRANSLATE_N_NOOP("Census", "%1 %n less telling moments are left out."),
            "%1 1 less telling moment is left out.", moments.leftOut, {fate.what});
    }
    moments.list.push_back(std::move(fate));
    return moments;
}

// The board a generation on: what each followed object would have made alone, against what the
// board made of them all together.
void Story::Generation()
{
    const Field next = board_.Next();
    const int step = step_ + 1;
    std::vector<Field> alone;
    alone.reserve(tracks_.size());
    Field apart;
    for (const Track& track : tracks_) {
        alone.push_back(track.cells.Next());
        apart = apart | alone.back();
    }
    const Field differs = next.Without(apart) | apart.Without(next);
    std::vector<bool> acted;
    acted.reserve(tracks_.size());
    for (const Track& track : tracks_) {
        acted.push_back(!(track.cells.Within(1) & differs).Empty());
    }
    std::vector<bool> met = FindMeetings(step, next, alone, acted);
    FollowRemains(step, next);

    std::vector<Track> kept;
    Field followed;
    for (std::size_t i = 0; i < tracks_.size(); ++i) {
        Track& track = tracks_[i];
        if (!track.Steady()) {
            if (!edgeReached_ && track.cells.EdgeActs() && !NearRemains(track.cells)) {
                edgeReached_ = true;
                MeetsTheEdge(step, track, next & track.cells.Within(1), 1);
            }
            firstChange_ = std::min(firstChange_, step);
            continue;
        }
        if (acted[i] || (track.Ship() && track.cells.EdgeActs())) {
            firstChange_ = std::min(firstChange_, step);
            if (track.confirmed && track.object.known != nullptr) {
                ended_.push_back({track.object.known, track.cells, step_});
            }
            if (!acted[i] && track.confirmed) {
                MeetsTheEdge(step, track, alone[i], 0);
                remains_.push_back({alone[i], From(track)});
            }
            if (met[i]) {
                Stays(track);
            }
            continue;
        }
        track.cells = alone[i];
        Confirm(track, step);
        followed = followed | track.cells;
        kept.push_back(std::move(track));
    }
    tracks_ = std::move(kept);
    TakeAfresh(step, next.Without(followed));
    board_ = next;
    step_ = step;
    if (step <= fate_.step && board_.Count() > most_) {
        most_ = board_.Count();
        mostStep_ = step;
    }
}

// Where a confirmed ship and another object, run together, make a generation they would not
// have made apart.
// Which of the followed objects met a ship.
std::vector<bool> Story::FindMeetings(int step, const Field& next, const std::vector<Field>& alone,
                                      const std::vector<bool>& acted)
{
    std::vector<bool> met(tracks_.size(), false);
    for (std::size_t i = 0; i < tracks_.size(); ++i) {
        const Track& ship = tracks_[i];
        if (!ship.confirmed || !ship.Ship() || !acted[i]) {
            continue;
        }
        const Field near = ship.cells.Within(kNear);
        for (std::size_t j = 0; j < tracks_.size(); ++j) {
            const Track& other = tracks_[j];
            const bool toldAlready = other.confirmed && other.Ship() && j < i;
            if (j == i || !acted[j] || toldAlready || (near & other.cells).Empty()) {
                continue;
            }
            if ((ship.cells | other.cells).Next() != (alone[i] | alone[j])) {
                Meet(step, next, ship, other);
                met[i] = met[j] = true;
            }
        }
    }
    return met;
}

void Story::Meet(int step, const Field& next, const Track& a, const Track& b)
{
    const Field together = (a.cells | b.cells).Next();
    const Field apart = a.cells.Next() | b.cells.Next();
    const FieldCell where = (together.Without(apart) | apart.Without(together)).TopLeft();
    // Each where it came from, in reading order.
    const bool ordered = !(b.confirmed && b.Ship()) || a.from <= b.from;
    const Track& first = ordered ? a : b;
    const Track& second = ordered ? b : a;
    Add(step, Moment::Kind::Meeting, {next & first.cells.Within(1), next & second.cells.Within(1)},
        {QUARN_TRANSLATE_NOOP("Census", "%1 and %2 meet at row %3, column %4."),
         {From(first), From(second), Message::Number(where.row), Message::Number(where.column)}},
        0);
}

// Told as it is at the step: a changing group with its cells then.
void Story::MeetsTheEdge(int step, const Track& track, const Field& after, int rank)
{
    const Field& cells = after.Empty() ? track.cells : after;
    BoardObject object = track.object;
    object.size = track.Steady() ? object.size : cells.Count();
    Add(step, Moment::Kind::Edge, {cells},
        At(QUARN_TRANSLATE_NOOP("Census", "%1 at row %2, column %3 meets the edge."), object.The(),
           cells.TopLeft()),
        rank);
}

// An object stands as itself for a whole period, and at least two steps, before it is taken for
// what the census named it; a named one then formed where it began.
void Story::Confirm(Track& track, int step)
{
    if (track.confirmed || step - track.since < std::max(2, track.object.period)) {
        return;
    }
    track.confirmed = true;
    if (track.object.known == nullptr || StandsAgain(track)) {
        return;
    }
    Message what = At(QUARN_TRANSLATE_NOOP("Census", "%1 forms at row %2, column %3."),
                      track.object.One(), track.from);
    if (track.Ship()) {
        what = {QUARN_TRANSLATE_NOOP("Census", "%1 forms at row %2, column %3, heading %4."),
                {track.object.One(), Message::Number(track.from.row),
                 Message::Number(track.from.column), HeadingWords(track.object.heading)}};
    }
    // What the edge left of a ship goes on as this.
    remains_.erase(std::remove_if(remains_.begin(), remains_.end(),
                                  [&track](const Remains& remains) {
                                      return !(remains.cells & track.cells).Empty();
                                  }),
                   remains_.end());
    Moment forms{track.since, Moment::Kind::Forms, {track.began}, std::move(what)};
    if (track.Ship()) {
        Add(std::move(forms), 0);
    } else {
        track.forming = std::move(forms);
    }
}

void Story::Stays(Track& track)
{
    if (track.forming) {
        Add(std::move(*track.forming), 2);
        track.forming.reset();
    }
}

bool Story::NearRemains(const Field& cells) const
{
    return std::any_of(remains_.begin(), remains_.end(), [&cells](const Remains& remains) {
        return !(remains.cells.Within(1) & cells).Empty();
    });
}

bool Story::StandsAgain(const Track& track) const
{
    return std::any_of(ended_.begin(), ended_.end(), [&track](const Ended& ended) {
        return ended.known == track.object.known &&
               track.since - ended.step <= kStandsAgainWithin &&
               !(ended.cells.Within(1) & track.began).Empty();
    });
}

// What the followed objects do not account for is taken afresh: a changing group, and what may
// be forming out of it.
void Story::TakeAfresh(int step, const Field& rest)
{
    if (rest.Empty()) {
        return;
    }
    for (const BoardObject& object : CensusOf(rest).objects) {
        tracks_.push_back({object, object.cells, object.cells, object.topLeft, step, false, {}});
    }
}

// A ship's remains die on their own, or go on as something else; once anything comes near them
// they are part of more than the ship.
void Story::FollowRemains(int step, const Field& next)
{
    std::vector<Remains> kept;
    for (Remains& remains : remains_) {
        const bool alone = (board_.Without(remains.cells) & remains.cells.Within(kNear)).Empty();
        const Field after = remains.cells.Next();
        if (!alone || after == remains.cells) {
            continue;
        }
        if ((next & after.Within(1)) != after) {
            continue;
        }
        if (after.Empty()) {
            Add(step, Moment::Kind::Gone, {remains.cells},
                {QUARN_TRANSLATE_NOOP("Census", "%1 is gone."), {remains.who}}, 1);
            continue;
        }
        remains.cells = after;
        kept.push_back(std::move(remains));
    }
    remains_ = std::move(kept);
}

void Story::Add(int step, Moment::Kind kind, std::vector<Field> objects, Message what, int rank)
{
    Add({step, kind, std::move(objects), std::move(what)}, rank);
}

void Story::Add(Moment moment, int rank)
{
    if (moment.step <= fate_.step) {
        found_.push_back({std::move(moment), rank});
    }
}

} // namespace

Message Moment::Line() const
{
    return {QUARN_TRANSLATE_NOOP("Census", "Step %1: %2"), {Message::Number(step), what}};
}

Moments MomentsOf(const Field& start, int step, const Fate& fate)
{
    return Story(start, step, fate).Told();
}

} // namespace quarn
