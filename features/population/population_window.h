#pragma once

#include "census/population.h"
#include "census/run_model.h"
#include "features/population/population_graph.h"
#include "features/windows/side_window.h"

namespace quarn {

// The window of the population: the graph of the board's live cells at each step since the last
// reset and ahead to its fate, with the fate above it. While it is open it follows the
// board at every change and every generation; what the graph says goes out by Said.
class PopulationWindow : public SideWindow
{
    Q_OBJECT

public:
    // Over the board, the widget that shows it, if it must.
    PopulationWindow(const RunModel& run, QWidget& owner, const QWidget& board);

    // Opens the window, or brings it to the front.
    void OpenOrRaise();
    // The board may have changed.
    void Follow();
    // The steps shown, past and ahead: the run's own.
    const Population& Series() const;
    // The graph's sound: playing or not, and the point it has reached or stopped at.
    void ShowPlaying(bool playing);
    void MarkPoint(int point);
    // The moments of the way the board is on, marked in the graph.
    void SetMoments(std::vector<PopulationGraph::MomentMark> moments);
    void ToMoment(int from, bool backwards);

signals:
    void Said(const QString& words);
    void PlayRequested();
    void StopRequested();
    void RunRequested();
    void StepRequested(int step);
    void MomentRequested(int from, bool backwards);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // What the fate's words were last worded for.
    struct Outlook
    {
        std::uint64_t way = 0;
        bool reached = false;
        bool empty = false;
        bool operator==(const Outlook&) const = default;
    };

    const RunModel& run_;
    Outlook outlook_;
    PopulationGraph graph_;
};

} // namespace quarn
