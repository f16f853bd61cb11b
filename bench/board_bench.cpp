#include "board/board.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_Step(benchmark::State& state)
{
    quarn::Board board;
    board.FillRandom();
    for (auto _ : state) {
        board.Step();
        // Keep a random board in play: a settled one would measure a different workload.
        if (board.StepCount() >= 64) {
            state.PauseTiming();
            board.FillRandom();
            board.ResetCount();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Step);

void BM_CountNeighbours(benchmark::State& state)
{
    quarn::Board board;
    board.FillRandom();
    std::int16_t n = 0;
    std::int16_t row = 1;
    for (auto _ : state) {
        board.CountNeighbours(row, 15, n);
        benchmark::DoNotOptimize(n);
        row = static_cast<std::int16_t>(row % 30 + 1);
    }
}
BENCHMARK(BM_CountNeighbours);

void BM_FillRandom(benchmark::State& state)
{
    quarn::Board board;
    for (auto _ : state) {
        board.FillRandom();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillRandom);

} // namespace
