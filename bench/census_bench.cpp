#include "census/census.h"
#include "census/fate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using quarn::Field;

// Boards filled at random, so many in a hundred of their cells live, from a fixed seed.
std::vector<Field> RandomFields(int count, int percent = 50)
{
    std::mt19937 random(20261209U);
    std::bernoulli_distribution live(percent / 100.0);
    std::vector<Field> fields(static_cast<std::size_t>(count));
    for (Field& field : fields) {
        for (int row = 1; row <= Field::kSide; ++row) {
            for (int column = 1; column <= Field::kSide; ++column) {
                if (live(random)) {
                    field.Set(row, column);
                }
            }
        }
    }
    return fields;
}

quarn::Board BoardOf(const Field& field)
{
    quarn::Board board;
    for (const quarn::FieldCell& cell : field.Cells()) {
        board.ToggleCell(static_cast<std::int16_t>(cell.row),
                         static_cast<std::int16_t>(cell.column));
    }
    return board;
}

// Half live, as Random fills the board; and a fifth, the slowest kind found: one wide cluster of
// many small pieces, to be told apart.
void BM_CensusRandomBoard(benchmark::State& state)
{
    const std::vector<Field> fields = RandomFields(64, static_cast<int>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarn::CensusOf(fields[next]));
        next = (next + 1) % fields.size();
    }
}
BENCHMARK(BM_CensusRandomBoard)->Arg(50)->Arg(20)->Unit(benchmark::kMicrosecond);

// Twenty objects of the field's common kinds, each well apart from the others.
void BM_CensusTwentyObjects(benchmark::State& state)
{
    const char* const kinds[] = {
        "OO/OO",     ".OO./O..O/.OO.", "OOO",       ".O./..O/OOO",         "OO./O.O/.O.",
        ".OOO/OOO.", ".O./O.O/.O.",    "OO.O/O.OO", ".OO./O..O/.O.O/..O.", "OO../OO../..OO/..OO"};
    Field field;
    for (int i = 0; i < 20; ++i) {
        const int top = 1 + 7 * (i / 5);
        const int left = 1 + 6 * (i % 5);
        int row = 0;
        int column = 0;
        for (const char* at = kinds[i % 10]; *at != '\0'; ++at) {
            if (*at == '/') {
                ++row;
                column = 0;
                continue;
            }
            if (*at == 'O') {
                field.Set(top + row, left + column);
            }
            ++column;
        }
    }
    if (quarn::CensusOf(field).objects.size() != 20) {
        state.SkipWithError("the board does not hold twenty objects");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarn::CensusOf(field));
    }
}
BENCHMARK(BM_CensusTwentyObjects)->Unit(benchmark::kMicrosecond);

// The fate of a fresh random fill, as Random leaves it; also the slowest of them all.
void BM_FateRandomFill(benchmark::State& state)
{
    const std::vector<Field> fields = RandomFields(256);
    std::vector<quarn::Board> boards;
    boards.reserve(fields.size());
    for (const Field& field : fields) {
        boards.push_back(BoardOf(field));
    }
    std::size_t next = 0;
    double slowest = 0;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(quarn::FateOf(boards[next]));
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - began;
        slowest = std::max(slowest, took.count());
        next = (next + 1) % boards.size();
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_FateRandomFill)->Unit(benchmark::kMillisecond);

// One generation of the field as the fate runs it: the longest a fate can look is six times its
// horizon of these (Brent's search up to three, then the search for the cycle's start, which
// runs two fields up to the horizon and a period).
void BM_FieldNext(benchmark::State& state)
{
    Field field = RandomFields(1).front();
    for (auto _ : state) {
        field = field.Next();
        benchmark::DoNotOptimize(field);
    }
    // The time of a generation times that many, in seconds.
    state.counters["horizon_s"] = benchmark::Counter(1.0 / (6.0 * quarn::Fate::kHorizon),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_FieldNext);

#ifdef QUARN_PROGRAM
// The real program describing a random full board from a file, start-up included.
void BM_DescribeRandomBoard(benchmark::State& state)
{
    const std::string path = "quarn-bench-random.cells";
    {
        std::ofstream file(path);
        const Field field = RandomFields(1).front();
        for (int row = 1; row <= Field::kSide; ++row) {
            for (int column = 1; column <= Field::kSide; ++column) {
                file << (field.Live(row, column) ? 'O' : '.');
            }
            file << '\n';
        }
    }
    const std::string command = std::string(QUARN_PROGRAM) + " --describe " + path + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("--describe failed");
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_DescribeRandomBoard)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
