#include "features/population/population_window.h"

#include "features/population/graph_frame.h"
#include "features/population/population_accessible.h"

#include <QVBoxLayout>

#include <utility>

namespace quarn {

PopulationWindow::PopulationWindow(const RunModel& run, QWidget& owner, const QWidget& board)
    : SideWindow(owner, board),
      run_(run),
      graph_(run.Series())
{
    PopulationAccessible::Install();
    setWindowTitle(tr("Population"));
    setObjectName(QStringLiteral("populationWindow"));
    graph_.setObjectName(QStringLiteral("populationGraph"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&graph_, 1);
    resize(520, 320);
    connect(&graph_, &PopulationGraph::Said, this, &PopulationWindow::Said);
    connect(&graph_, &PopulationGraph::PlayRequested, this, &PopulationWindow::PlayRequested);
    connect(&graph_, &PopulationGraph::StopRequested, this, &PopulationWindow::StopRequested);
    connect(&graph_, &PopulationGraph::RunRequested, this, &PopulationWindow::RunRequested);
    connect(&graph_, &PopulationGraph::StepRequested, this, &PopulationWindow::StepRequested);
    connect(&graph_, &PopulationGraph::MomentRequested, this, &PopulationWindow::MomentRequested);
}

void PopulationWindow::OpenOrRaise()
{
    if (Present(width())) {
        Follow();
        graph_.setFocus();
    }
}

// A graph that is not shown is not heard either.
void PopulationWindow::hideEvent(QHideEvent* event)
{
    emit StopRequested();
    SideWindow::hideEvent(event);
}

const Population& PopulationWindow::Series() const
{
    return run_.Series();
}

void PopulationWindow::ShowPlaying(bool playing)
{
    graph_.ShowPlaying(playing);
}

void PopulationWindow::MarkPoint(int point)
{
    graph_.Mark(point);
}

void PopulationWindow::Follow()
{
    if (!isVisible()) {
        return;
    }
    const Fate& fate = run_.Foreseen();
    run_.Series(); // brought up to the record before the graph reads it
    const RunRecord::Point now = run_.Record().Last();
    // The words change only with the way, the tense, or an empty board: not worded anew at
    // every generation of a run.
    const Outlook said{run_.Record().Way(), fate.Reached(now.step), now.live == 0};
    if (said != outlook_) {
        outlook_ = said;
        graph_.SetOutlook(GraphFrame::OutlookOf(fate, now));
    }
    graph_.Follow();
}

void PopulationWindow::ToMoment(int from, bool backwards)
{
    graph_.ToMoment(from, backwards);
}

void PopulationWindow::SetMoments(std::vector<PopulationGraph::MomentMark> moments)
{
    graph_.SetMoments(std::move(moments));
}

} // namespace quarn
