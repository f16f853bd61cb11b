#include "census/fate.h"
#include "census/population.h"
#include "census/run_record.h"
#include "display/frmDisplay.h"
#include "features/pictures/run_animation.h"
#include "features/population/population_graph.h"
#include "features/sound/sound_player.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The real window, driven as a person drives it: by its buttons and by clicks on the board.
class BenchWindow
{
public:
    BenchWindow()
    {
        window_.show();
        QCoreApplication::processEvents();
    }

    void Press(const char* name)
    {
        window_.findChild<QPushButton*>(QString::fromLatin1(name))->click();
        // Let the window paint what was drawn, as the event loop does between ticks.
        QCoreApplication::processEvents();
    }

    int Count() const { return window_.board().StepCount(); }

    // What the window's shortcut for a key does, such as Ctrl+Z for Undo. Triggered through its
    // action: on X a synthetic key event carries no keysym to match a shortcut.
    void Shortcut(const QKeySequence& key)
    {
        for (QAction* action : window_.findChildren<QAction*>()) {
            if (action->shortcuts().contains(key)) {
                action->trigger();
                break;
            }
        }
        QCoreApplication::processEvents();
    }

    void Click(QPointF at)
    {
        auto* area = window_.findChild<QWidget*>(QStringLiteral("picFrame"));
        QMouseEvent press(QEvent::MouseButtonPress, at, area->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, area->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &release);
        QCoreApplication::processEvents();
    }

private:
    quarn::frmDisplay window_;
};

// All On and All Off are each a fill and a full redraw. Alternating them changes every cell at
// every redraw; pressing All Off again and again redraws a board identical to the last one.
void BM_DrawAll(benchmark::State& state, bool everyCellChanges)
{
    BenchWindow window;
    bool lit = false;
    for (auto _ : state) {
        lit = everyCellChanges && !lit;
        window.Press(lit ? "cmdAllOn" : "cmdAllOff");
    }
}
BENCHMARK_CAPTURE(BM_DrawAll, every_cell_changed, true);
BENCHMARK_CAPTURE(BM_DrawAll, unchanged, false);

// "1 Step" on a busy board: a generation, its redraw and the repaint, as every tick does; and
// the same with the population graph open beside the board, drawing at every generation.
void BM_NextGeneration(benchmark::State& state, bool graph)
{
    BenchWindow window;
    if (graph) {
        window.Shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    }
    window.Press("cmdRandom");
    for (auto _ : state) {
        window.Press("cmdOneStep");
        // Keep a random board in play: a settled one would measure a different workload.
        if (window.Count() >= 64) {
            state.PauseTiming();
            window.Press("cmdRandom");
            state.ResumeTiming();
        }
    }
}
BENCHMARK_CAPTURE(BM_NextGeneration, alone, false);
BENCHMARK_CAPTURE(BM_NextGeneration, with_the_graph, true);

// A click on the board: the hit test, the toggle and the redraw of one cell.
void BM_ClickCell(benchmark::State& state)
{
    BenchWindow window;
    double x = 0.0;
    for (auto _ : state) {
        window.Click({x, 329.0 - x});
        x = x >= 329.0 ? 0.0 : x + 0.5;
    }
}
BENCHMARK(BM_ClickCell);

// Undoing and redoing a run of (at least) 1,000 generations: Go, "1 Step" pressed 1,000 times
// while it runs, Stop. Each iteration is two entries' worth, one undo and one redo.
void BM_Undo(benchmark::State& state)
{
    BenchWindow window;
    window.Press("cmdRandom");
    window.Press("cmdGo");
    for (int i = 0; i < 1000; ++i) {
        window.Press("cmdOneStep");
    }
    window.Press("cmdStop");
    const int counted = window.Count(); // at least 1000: the timer may have ticked too
    for (auto _ : state) {
        window.Shortcut(QKeySequence(QKeySequence::Undo));
        if (window.Count() != 0) {
            state.SkipWithError("undo did not take the board back before the run");
            break;
        }
        window.Shortcut(QKeySequence(QKeySequence::Redo));
    }
    if (window.Count() != counted) {
        state.SkipWithError("redo did not bring back the run");
    }
    state.counters["per_entry_us"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Undo);

// A record of so many steps of a busy board: a fifth to a half of its cells live, changing at
// every step.
quarn::RunRecord BusyRecord(int steps, unsigned seed)
{
    std::mt19937 random(seed);
    std::bernoulli_distribution live(0.3);
    const auto field = [&] {
        quarn::Field cells;
        for (int row = 1; row <= 30; ++row) {
            for (int column = 1; column <= 30; ++column) {
                if (live(random)) {
                    cells.Set(row, column);
                }
            }
        }
        return cells;
    };
    quarn::RunRecord record;
    record.Reset(field(), 0);
    for (int step = 1; step < steps; ++step) {
        record.Stepped(field());
    }
    return record;
}

// The whole graph of the longest run the count can show, 32,767 steps, drawn to the width of
// the window: what a reset, an undo or a new way costs the graph.
void BM_PopulationDrawLongRun(benchmark::State& state)
{
    const quarn::RunRecord records[] = {BusyRecord(32768, 1), BusyRecord(32768, 2)};
    quarn::Population population;
    quarn::PopulationGraph graph(population);
    graph.resize(graph.sizeHint());
    graph.show();
    QCoreApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        population.Follow(records[next], quarn::Fate{});
        graph.Follow();
        next = 1 - next;
    }
}
BENCHMARK(BM_PopulationDrawLongRun)->Unit(benchmark::kMillisecond);

// A generation of a run with the graph open: one point added, a step ahead foreseen where the
// fate lies further than the graph shows, and the columns that changed drawn into the graph's
// picture; and, painted, the same with the repaint that Qt then does of those columns.
void BM_PopulationAddPoint(benchmark::State& state, bool painted)
{
    quarn::RunRecord record;
    quarn::Field field = BusyRecord(1, 3).Now();
    record.Reset(field, 0);
    quarn::Population population;
    quarn::PopulationGraph graph(population);
    graph.resize(graph.sizeHint());
    graph.show();
    population.Follow(record, quarn::Fate{});
    graph.Follow();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        field = field.Next();
        record.Stepped(field);
        ++step;
        population.Follow(record, quarn::Fate{});
        graph.Follow();
        if (painted) {
            QCoreApplication::processEvents();
        }
        if (step == 2000) {
            state.PauseTiming();
            step = 0;
            field = BusyRecord(1, static_cast<unsigned>(state.iterations())).Now();
            record.Reset(field, 0);
            population.Follow(record, quarn::Fate{});
            graph.Follow();
            state.ResumeTiming();
        }
    }
    state.counters["us"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_PopulationAddPoint, drawn, false);
BENCHMARK_CAPTURE(BM_PopulationAddPoint, painted, true);

// An animation of 1,000 generations of a random board at 1x, as Export Animation or --export
// --steps 1000 makes it, and the size of its file; with the graph beside the board, as --graph
// makes it.
void BM_ExportAnimation(benchmark::State& state, int generations, bool random, bool graph = false)
{
    quarn::Field start;
    if (random) {
        start = BusyRecord(1, 4).Now();
    } else {
        for (const auto& [row, column] :
             {std::pair{14, 15}, {15, 16}, {16, 14}, {16, 15}, {16, 16}}) {
            start.Set(row, column); // the glider example as placed, which settles at step 59
        }
    }
    const quarn::run_animation::Graph beside{
        {{0, start.Count()}},
        1,
        QStringLiteral("The board is still changing after 1000 steps."),
        false};
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes =
            static_cast<std::size_t>(quarn::run_animation::Animation(start, &start, generations, 1,
                                                                     {}, graph ? &beside : nullptr)
                                         .size());
    }
    state.counters["kB"] = static_cast<double>(bytes) / 1000.0;
}
BENCHMARK_CAPTURE(BM_ExportAnimation, random_1000, 1000, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportAnimation, glider_to_its_fate, 59, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportAnimation, random_1000_with_the_graph, 1000, true, true)
    ->Unit(benchmark::kMillisecond);

// The graph alone as a PNG at 1x, as --graph-only makes it: a random board's 1,000 steps ahead.
void BM_GraphPng(benchmark::State& state)
{
    const quarn::RunRecord record = BusyRecord(1, 4);
    quarn::RunModel run;
    run.Restore(record);
    const quarn::Population& series = run.Series();
    const quarn::run_animation::Graph graph{
        quarn::GraphPicture::PointsOf(series), series.PastSize(),
        QStringLiteral("The board settles at step 400."), series.AndOn()};
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = static_cast<std::size_t>(quarn::run_animation::GraphPng(graph, 1).size());
    }
    state.counters["kB"] = static_cast<double>(bytes) / 1000.0;
}
BENCHMARK(BM_GraphPng)->Unit(benchmark::kMillisecond);

// P in the graph to the first tones handed to the sound output, the sound layer loaded and the
// output opened on the first press, as in a program that has played nothing yet; the presses
// after, with all that done. Needs a sound server: make bench starts one with a null sink.
void BM_SoundStart(benchmark::State& state, bool first)
{
    quarn::RunRecord record = BusyRecord(200, 5);
    quarn::Population population;
    population.Follow(record, quarn::Fate{});
    quarn::RunModel run;
    run.Restore(record);
    auto player = std::make_unique<quarn::SoundPlayer>(run);
    if (!first) {
        player->PlayGraph(population);
    }
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            player = std::make_unique<quarn::SoundPlayer>(run);
            state.ResumeTiming();
        }
        player->PlayGraph(population);
        if (!player->Playing()) {
            state.SkipWithError("no sound output: start a sound server");
            break;
        }
        state.PauseTiming();
        player->Stop();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_SoundStart, first_press, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_SoundStart, later_presses, false)->Unit(benchmark::kMillisecond);

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
