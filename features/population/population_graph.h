#pragma once

#include "census/population.h"
#include "features/keys/key_table.h"
#include "features/population/graph_frame.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace quarn {

// The population as a line, under the board's fate in words: live cells up the side, steps
// along the bottom, each axis with a few round ticks, scaled to what is shown and growing with
// it. The steps past are a solid
// line, the steps ahead a lighter dashed one; a mark stands at the step the board is at. A long
// run is drawn to the width, the lowest and the highest of each pixel column.
//
// It takes the focus, and the keys walk it point by point, each move said by Said: Left and
// Right a step, Home and End the first and the last, Page Up and Page Down a tenth, H and L the
// highest and the lowest; S says the summary, which is also what it tells assistive technology
// it is, and Ctrl+C copies the steps as CSV. P asks for the graph to be heard, and P again or
// Escape for it to stop.
//
// Drawn into a persistent image at the screen's pixel ratio: a step of a run draws only the
// columns it changes.
class PopulationGraph : public QWidget
{
    Q_OBJECT

public:
    // A moment of the run, marked at its step by a shape of its kind's (0 to 5: the edge met, a
    // meeting, a forming, a going, the most live cells, the fate), with its line.
    struct MomentMark
    {
        int step = 0;
        int kind = 0;
        QString line;
    };

    explicit PopulationGraph(const Population& population, QWidget* parent = nullptr);
    // The graph's keys, for its key handler and the Keys and Mouse page.
    static const KeyTable& Keys();

    // The population has changed: from a step of a run on the way foreseen, or otherwise.
    void Follow();
    // The board's fate in words, which the summary ends with.
    void SetOutlook(const QString& outlook);
    // The moments of the way, in step order: marked, and visited by M and Shift+M.
    void SetMoments(std::vector<MomentMark> moments);
    // The marker to the moment after, or before, the point given, which is said with the moment;
    // or that there is none.
    void ToMoment(int from, bool backwards);

    // Where the point marker stands, or -1 before a key has moved it; and what is said there.
    int Marked() const;
    // The marker put on the point without a word, as the graph's sound reaches it.
    void Mark(int index);
    // Whether the graph is being heard: P then stops it, and so does Escape.
    void ShowPlaying(bool playing);
    QString PointWords(int index) const;
    QString Summary() const;
    // The steps as CSV: "step,live,born,died,ahead", then a row for each.
    QString Csv() const;

    QSize sizeHint() const override;

signals:
    void Said(const QString& words);
    // P: the graph to be heard from its first step to its last, or no longer.
    void PlayRequested();
    void StopRequested();
    // R: the board to run, or to stop, as Go and Stop do.
    void RunRequested();
    // Enter: the board taken to the marked step.
    void StepRequested(int step);
    // M or Shift+M from the point: the moments brought up to date, and ToMoment asked.
    void MomentRequested(int from, bool backwards);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The plot's room inside the axes, in logical pixels, laid out as the widget is sized.
    QRect Plot() const;
    void LayOutPlot();
    // Where a step stands along the plot, worked out once for many steps.
    struct Scale
    {
        int left;
        int first;
        double perStep;
        double XOf(int step) const { return left + (step - first) * perStep; }
    };
    Scale StepScale() const;
    double XOf(int step) const;
    double YOf(int live) const;
    // Whether what is shown outgrows the axes, which then grow.
    bool Rescale();
    void RedrawAll();
    // Redraws the plot's columns from x0 to x1 in each strip, and asks to repaint them.
    void RedrawStrips(const std::vector<std::pair<int, int>>& strips);
    void DrawAxes(QPainter& painter) const;
    void ShowPointTip(const QPoint& position);
    // The ticks under the steps' axis between x0 and x1.
    void DrawStepTicks(QPainter& painter, int x0, int x1) const;
    struct Column;
    void DrawLine(QPainter& painter, int x0, int x1) const;
    void DrawColumns(QPainter& painter, const std::vector<Column>& columns) const;
    std::pair<int, int> IndicesAcross(int x0, int x1) const;
    void DrawMarks(QPainter& painter, const QRect& strip) const;
    void DrawMoment(QPainter& painter, const MomentMark& moment) const;
    // The first index whose step is at or after the step, and so on.
    int IndexAtOrAfter(int step) const;
    void MoveMarker(int index);
    void SayAtMarker(const QString& words);
    void EnsureImage();

    const Population& population_;
    QString outlook_;
    std::vector<MomentMark> moments_;
    QImage image_;
    GraphFrame frame_; // the plot, the fate's place and the axes' ends, round numbers
    int highest_ = 0;  // the most live cells at any step shown
    int marked_ = -1;
    // The reset, the way and the step the marker was placed on.
    std::uint64_t run_ = 0;
    std::uint64_t way_ = 0;
    int followedStep_ = 0;
    std::uint64_t laid_ = 0; // the series' laying drawn last
    bool playing_ = false;
    int drawnNow_ = -1;  // the step the now mark was drawn at
    int drawnLast_ = -1; // the last step drawn
};

} // namespace quarn
