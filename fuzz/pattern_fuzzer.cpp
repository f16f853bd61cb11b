// Feeds arbitrary text to the pattern reader. A crash, an exception other than PatternError, or
// a pattern that does not come back the same once written and read again aborts the run, which
// libFuzzer reports as a crash. Memory stays bounded by libFuzzer's -rss_limit_mb.

#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"
#include "pattern/pattern_writer.h"
#include "pattern/placement.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using quarn::Pattern;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "pattern_fuzzer: %s\n", what);
    std::abort();
}

bool SameCells(const Pattern& a, const Pattern& b)
{
    return a.width == b.width && a.height == b.height && a.live == b.live;
}

// Written out and read back, the pattern must be what it was; plaintext only where its box, a
// character a cell and a line end a row, is small enough to write out, and has a row (a box
// with none has no width in it).
void CheckRoundTrip(const Pattern& pattern)
{
    if (!SameCells(quarn::ReadPattern(quarn::WriteRle(pattern)), pattern)) {
        Fail("RLE written and read back differs");
    }
    constexpr long long kLargestPlaintext = 1LL << 16U;
    if ((static_cast<long long>(pattern.width) + 1) * pattern.height <= kLargestPlaintext &&
        pattern.height > 0) {
        if (!SameCells(quarn::ReadPattern(quarn::WritePlaintext(pattern)), pattern)) {
            Fail("plaintext written and read back differs");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Pattern pattern;
    try {
        pattern = quarn::ReadPattern(text);
    } catch (const quarn::PatternError&) {
        return 0;
    }
    try {
        CheckRoundTrip(pattern);
    } catch (const quarn::PatternError&) {
        Fail("a pattern read once was refused when read again");
    }
    try {
        for (const quarn::Cell& cell : quarn::PlacePattern(pattern, 30, 30)) {
            if (cell.row < 0 || cell.row >= 30 || cell.column < 0 || cell.column >= 30) {
                Fail("a placed cell lies off the board");
            }
        }
    } catch (const quarn::PatternError&) {
        // Too large for the board: a refusal, as it should be.
    }
    return 0;
}
