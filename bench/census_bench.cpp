#include "census/census.h"
#include "census/fate.h"
#include "census/moments.h"
#include "census/run_model.h"

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

Field GliderExample()
{
    Field field;
    field.Set(14, 15);
    field.Set(15, 16);
    field.Set(16, 14);
    field.Set(16, 15);
    field.Set(16, 16);
    return field;
}

// The moments of the glider example's way, from the middle to the corner.
void BM_MomentsGlider(benchmark::State& state)
{
    const Field field = GliderExample();
    const quarn::Fate fate = quarn::FateOf(field, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarn::MomentsOf(field, 0, fate));
    }
}
BENCHMARK(BM_MomentsGlider)->Unit(benchmark::kMillisecond);

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The moments of the ways of a thousand random fills, so many in a hundred of their cells live,
// each to its fate: how long the finding takes (the median and the slowest), and how many
// moments a run has (the median and the most, before any are left out), and how many runs had
// some left out.
void BM_MomentsRandomFills(benchmark::State& state)
{
    constexpr int kFills = 1000;
    const std::vector<Field> fields = RandomFields(kFills, static_cast<int>(state.range(0)));
    std::vector<quarn::Fate> fates;
    fates.reserve(fields.size());
    for (const Field& field : fields) {
        fates.push_back(quarn::FateOf(field, 0));
    }
    std::vector<double> took;
    std::vector<double> counts;
    int cut = 0;
    for (auto _ : state) {
        took.clear();
        counts.clear();
        cut = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const auto began = std::chrono::steady_clock::now();
            const quarn::Moments moments = quarn::MomentsOf(fields[i], 0, fates[i]);
            const std::chrono::duration<double, std::milli> spent =
                std::chrono::steady_clock::now() - began;
            took.push_back(spent.count());
            counts.push_back(static_cast<double>(moments.list.size()) + moments.leftOut);
            cut += moments.leftOut > 0 ? 1 : 0;
        }
    }
    state.counters["median_ms"] = Median(took);
    state.counters["slowest_ms"] = *std::max_element(took.begin(), took.end());
    state.counters["moments_median"] = Median(counts);
    state.counters["moments_most"] = *std::max_element(counts.begin(), counts.end());
    state.counters["runs_cut"] = cut;
}
BENCHMARK(BM_MomentsRandomFills)
    ->Arg(20)
    ->Arg(35)
    ->Arg(50)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// A generation of a running board as the run model follows it, with the moments of its way read
// at every generation or not: they are found once for the way, before the run.
void BM_RunModelGeneration(benchmark::State& state)
{
    const bool moments = state.range(0) != 0;
    Field field = RandomFields(1).front();
    quarn::RunModel model;
    model.Reset(field, 0);
    benchmark::DoNotOptimize(model.WayMoments());
    for (auto _ : state) {
        field = field.Next();
        model.Stepped(field);
        if (moments) {
            benchmark::DoNotOptimize(model.WayMoments());
        }
    }
}
BENCHMARK(BM_RunModelGeneration)->ArgName("moments")->Arg(0)->Arg(1);

// The board taken to a step of a way of 32,767 steps, back or ahead of where it is, at random:
// the record at that step, the board its last. The slowest is the first, which keeps the states
// it passes.
void BM_GoToStep(benchmark::State& state)
{
    constexpr int kWay = 32767;
    Field field = RandomFields(1).front();
    quarn::RunModel model;
    model.Reset(field, 0);
    for (int step = 1; step <= kWay / 2; ++step) {
        field = field.Next();
        model.Stepped(field);
    }
    std::mt19937 random(20261210U);
    std::uniform_int_distribution<int> steps(0, kWay);
    double slowest = 0;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(model.RecordAt(steps(random)));
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - began;
        slowest = std::max(slowest, took.count());
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_GoToStep)->Unit(benchmark::kMillisecond);

#ifdef QUARN_PROGRAM
// The real program answering an option about a random full board from a file, start-up
// included: --describe, or --moments.
void BM_ProgramOnRandomBoard(benchmark::State& state, const std::string& option)
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
    const std::string command =
        std::string(QUARN_PROGRAM) + " " + option + " " + path + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_ProgramOnRandomBoard, describe, "--describe")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ProgramOnRandomBoard, moments, "--moments")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
#endif

} // namespace
