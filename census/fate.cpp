#include "census/fate.h"

#include "census/field.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quarn {

namespace {

Field Ahead(Field field, int generations)
{
    for (int i = 0; i < generations; ++i) {
        field = field.Next();
    }
    return field;
}

// The step at so many generations from the board's, as the label counts: it stops at its limit
// while the board goes on.
int StepAhead(const Board& board, int generations)
{
    return std::min(board.StepCount() + generations,
                    static_cast<int>(std::numeric_limits<std::int16_t>::max()));
}

} // namespace

// Brent's cycle finding: no generation is kept but two, whatever the length of the run.
Fate FateOf(const Board& board)
{
    const Field start = Field::Of(board);
    Fate fate;
    int power = 1;
    int period = 1;
    int looked = 1;
    Field tortoise = start;
    Field hare = start.Next();
    while (tortoise != hare) {
        if (looked >= Fate::kHorizon) {
            fate.ahead = looked;
            fate.step = StepAhead(board, looked);
            return fate;
        }
        if (power == period) {
            tortoise = hare;
            power *= 2;
            period = 0;
        }
        hare = hare.Next();
        ++period;
        ++looked;
    }
    // The first state of the cycle: the one that the same state a period later meets first.
    tortoise = start;
    hare = Ahead(start, period);
    int first = 0;
    while (tortoise != hare) {
        tortoise = tortoise.Next();
        hare = hare.Next();
        ++first;
    }
    fate.ahead = first;
    fate.period = period;
    fate.step = StepAhead(board, first);
    fate.end = tortoise.Empty() ? Fate::End::DiesOut
               : period == 1    ? Fate::End::Settles
                                : Fate::End::Repeats;
    fate.census = CensusOf(tortoise);
    return fate;
}

Message Fate::Line() const
{
    switch (end) {
    case End::DiesOut:
        return {QUARN_TRANSLATE_NOOP("Census", "The board dies out at step %1."),
                {Message::Number(step)}};
    case End::Settles:
        return {QUARN_TRANSLATE_NOOP("Census", "The board settles at step %1 into %2."),
                {Message::Number(step), census.List()}};
    case End::Repeats:
        return {
            QUARN_TRANSLATE_NOOP("Census", "The board repeats every %1 steps from step %2, as %3."),
            {Message::Number(period), Message::Number(step), census.List()}};
    case End::StillChanging:
        break;
    }
    return {QUARN_TRANSLATE_NOOP("Census", "The board is still changing after %1 steps."),
            {Message::Number(ahead)}};
}

} // namespace quarn
