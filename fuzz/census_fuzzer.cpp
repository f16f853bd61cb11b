// Feeds arbitrary boards to the census. A crash, objects whose cells do not partition the board's
// live cells exactly, or a named object whose cells are not that object's shape aborts the run,
// which libFuzzer reports as a crash.

#include "census/census.h"
#include "census/known_objects.h"

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
    return 0;
}
