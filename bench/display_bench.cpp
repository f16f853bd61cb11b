#include "frmDisplay.h"

#include <QApplication>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// The window with its procedures in reach, shown on whatever platform the process runs on.
class BenchDisplay : public frmDisplay
{
public:
    BenchDisplay()
    {
        show();
        QCoreApplication::processEvents();
        MutableBoard().FillRandom();
    }

    using frmDisplay::DrawAll;
    using frmDisplay::HitTest;
    using frmDisplay::MutableBoard;
    using frmDisplay::NextGeneration;
};

void BM_DrawAll(benchmark::State& state)
{
    BenchDisplay window;
    for (auto _ : state) {
        window.DrawAll();
        // Let the window paint what was drawn, as the event loop does between ticks.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DrawAll);

void BM_NextGeneration(benchmark::State& state)
{
    BenchDisplay window;
    for (auto _ : state) {
        window.NextGeneration();
        QCoreApplication::processEvents();
        if (window.board().StepCount() >= 64) {
            state.PauseTiming();
            window.MutableBoard().FillRandom();
            window.MutableBoard().ResetCount();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_NextGeneration);

void BM_HitTest(benchmark::State& state)
{
    BenchDisplay window;
    float x = 0.0F;
    std::int16_t row = 0;
    std::int16_t column = 0;
    for (auto _ : state) {
        window.HitTest(x, 4999.0F - x, row, column);
        benchmark::DoNotOptimize(row);
        benchmark::DoNotOptimize(column);
        x = x >= 4990.0F ? 0.0F : x + 7.5F;
    }
}
BENCHMARK(BM_HitTest);

} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless told otherwise, so that the benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
