// Feeds arbitrary boards to the census, and their runs to the finding of moments. A crash,
// objects whose cells do not partition the board's live cells exactly, a named object whose cells
// are not that object's shape, or moments out of step order, past the fate, more than a learner
// is given or without the fate last abort the run, which libFuzzer reports as a crash.

#include "census/census.h"
#include "census/fate.h"
#include "census/known_objects.h"
#include "census/moments.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using quarn::Field;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "census_fuzzer: %s\n", what);
    std::abort();
}

// Four bytes a row, the lowest 30 bits of each its cells; a short input leaves rows empty.
Field FieldOf(const std::uint8_t* data, std::size_t size)
{
    Field field;
    for (int row = 1; row <= Field::kSide; ++row) {
        for (int column = 1; column <= Field::kSide; ++column) {
            const std::size_t bit = static_cast<std::size_t>((row - 1) * 32 + column - 1);
            if (bit / 8 < size && (data[bit / 8] >> (bit % 8) & 1U) != 0) {
                field.Set(row, column);
            }
        }
    }
    return field;
}

// A short look ahead keeps each input quick: the moments are followed to the fate, or to where
// the looking stopped.
constexpr int kHorizon = 12;

void CheckMoments(const Field& field)
{
    const quarn::Fate fate = quarn::FateOf(field, 0, kHorizon);
    const quarn::Moments moments = quarn::MomentsOf(field, 0, fate);
    if (moments.list.empty() || moments.list.back().kind != quarn::Moment::Kind::Fate ||
        moments.list.back().step != fate.step) {
        Fail("the fate is not the last moment");
    }
    if (moments.list.size() > static_cast<std::size_t>(quarn::Moments::kMost) ||
        moments.leftOut < 0) {
        Fail("more moments than a learner is given");
    }
    for (std::size_t i = 0; i < moments.list.size(); ++i) {
        const quarn::Moment& moment = moments.list[i];
        if (moment.step < 0 || moment.step > fate.step ||
            (i > 0 && moment.step < moments.list[i - 1].step)) {
            Fail("a moment out of step order");
        }
        if (moment.Line().English().empty()) {
            Fail("a moment without words");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Field field = FieldOf(data, size);
    const quarn::Census census = quarn::CensusOf(field);
    Field covered;
    int cells = 0;
    for (const quarn::BoardObject& object : census.objects) {
        if (object.cells.Empty()) {
            Fail("an object with no cells");
        }
        if (!(covered & object.cells).Empty()) {
            Fail("two objects share a cell");
        }
        covered = covered | object.cells;
        cells += object.size;
        if (object.size != object.cells.Count()) {
            Fail("an object's size is not its cells'");
        }
        if (object.known != nullptr &&
            quarn::MatchKnown(object.cells.Shape()).object != object.known) {
            Fail("a named object's cells are not its shape");
        }
    }
    if (covered != field || cells != census.live || census.live != field.Count()) {
        Fail("the objects are not the board's live cells");
    }
    CheckMoments(field);
    return 0;
}
