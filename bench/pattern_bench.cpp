#include "pattern/pattern_reader.h"
#include "pattern/pattern_writer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// Close to as large a valid RLE text as the reader takes: rows of random cells, 1,000 wide.
std::string LargestRle()
{
    std::mt19937 random(1);
    std::bernoulli_distribution live(0.5);
    quarn::Pattern pattern;
    pattern.width = 1000;
    pattern.height = 2000;
    for (int row = 0; row < pattern.height; ++row) {
        for (int column = 0; column < pattern.width; ++column) {
            if (live(random)) {
                pattern.AddLive(row, column, 1);
            }
        }
    }
    std::string text = quarn::WriteRle(pattern);
    while (text.size() > quarn::kMaxPatternText) {
        pattern.height = pattern.height * 99 / 100;
        std::erase_if(pattern.live,
                      [&](const quarn::LiveRun& run) { return run.row >= pattern.height; });
        text = quarn::WriteRle(pattern);
    }
    return text;
}

void BM_ReadPattern(benchmark::State& state)
{
    const std::string text = LargestRle();
    state.counters["text_bytes"] = static_cast<double>(text.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarn::ReadPattern(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadPattern)->Unit(benchmark::kMillisecond);

} // namespace
