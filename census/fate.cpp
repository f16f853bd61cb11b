#include "census/fate.h"

#include "census/field.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace quarn {

namespace {

// Brent's search strides to the next power of two before it compares, so it sees a cycle that
// starts by the horizon, and is no longer than it, within three horizons of generations.
constexpr int kSearchStrides = 3;

Field Ahead(Field field, int generations)
{
    for (int i = 0; i < generations; ++i) {
        field = field.Next();
    }
    return field;
}

// Brent's cycle finding, which keeps no generation but two however long the run: the period of
// the cycle the field runs into, if it shows within so many generations.
std::optional<int> PeriodOf(const Field& start, int generations)
{
    int power = 1;
    int period = 1;
    Field tortoise = start;
    Field hare = start.Next();
    for (int looked = 1; tortoise != hare; ++looked) {
        if (looked >= generations) {
            return std::nullopt;
        }
        if (power == period) {
            tortoise = hare;
            power *= 2;
            period = 0;
        }
        hare = hare.Next();
        ++period;
    }
    return period;
}

// The cycle's first state: the first that the state a period later meets, if that is at most
// so many generations from the start.
struct CycleStart
{
    int first = 0; // generations from the start
    Field state;
};

std::optional<CycleStart> FirstOfCycle(const Field& start, int period, int generations)
{
    CycleStart cycle{0, start};
    Field later = Ahead(start, period);
    while (cycle.state != later) {
        if (cycle.first >= generations) {
            return std::nullopt;
        }
        cycle.state = cycle.state.Next();
        later = later.Next();
        ++cycle.first;
    }
    return cycle;
}

} // namespace

// A repeat is seen once a whole period has gone by.
bool Fate::Reached(int now) const
{
    switch (end) {
    case End::DiesOut:
    case End::Settles:
        return now >= step;
    case End::Repeats:
        return now >= step + period;
    case End::StillChanging:
        break;
    }
    return false;
}

Fate FateOf(const Board& board, int horizon)
{
    return FateOf(Field::Of(board), board.StepCount(), horizon);
}

Fate FateOf(const Field& start, int step, int horizon)
{
    Fate fate;
    fate.ahead = horizon;
    fate.step = step + horizon;
    const std::optional<int> period = PeriodOf(start, kSearchStrides * horizon);
    if (!period || *period > horizon) {
        return fate;
    }
    const std::optional<CycleStart> cycle = FirstOfCycle(start, *period, horizon);
    if (!cycle) {
        return fate;
    }
    fate.ahead = cycle->first;
    fate.period = *period;
    fate.step = step + cycle->first;
    fate.end = cycle->state.Empty() ? Fate::End::DiesOut
               : *period == 1       ? Fate::End::Settles
                                    : Fate::End::Repeats;
    fate.census = CensusOf(cycle->state);
    return fate;
}

} // namespace quarn
