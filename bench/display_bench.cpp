#include "display/frmDisplay.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <benchmark/benchmark.h>

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

    // What the window's shortcut for a standard key does, such as Ctrl+Z for Undo. Triggered
    // through its action: on X a synthetic key event carries no keysym to match a shortcut.
    void Shortcut(QKeySequence::StandardKey key)
    {
        for (QAction* action : window_.actions()) {
            if (action->shortcuts().contains(QKeySequence(key))) {
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

// "1 Step" on a busy board: a generation, its redraw and the repaint, as every tick does.
void BM_NextGeneration(benchmark::State& state)
{
    BenchWindow window;
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
BENCHMARK(BM_NextGeneration);

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
        window.Shortcut(QKeySequence::Undo);
        if (window.Count() != 0) {
            state.SkipWithError("undo did not take the board back before the run");
            break;
        }
        window.Shortcut(QKeySequence::Redo);
    }
    if (window.Count() != counted) {
        state.SkipWithError("redo did not bring back the run");
    }
    state.counters["per_entry_us"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Undo);

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
