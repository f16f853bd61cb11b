#pragma once

#include "census/fate.h"
#include "census/run_record.h"

#include <QColor>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;
class QSize;

namespace quarn {

// Where a population graph stands and what frames it, in the window and in a picture alike: the
// fate's words above, the live cells up the side and the steps along the bottom, each axis with
// a few round ticks, its labels and its title, and the plot between them.
struct GraphFrame
{
    // At least 3:1 against the white ground, as lines that carry meaning should be.
    static const QColor kGround;
    static const QColor kGrid;
    static const QColor kAxis;
    static const QColor kPast;
    static const QColor kAhead;
    static const QColor kNow;
    static const QColor kMarker;
    // Clear of a focus frame drawn two pixels wide round the graph.
    static constexpr int kFrame = 4;
    static constexpr int kTick = 4;
    static constexpr int kLeastAxis = 10;

    // What stands above the graph of a board at a step: the fate in the person's language, or
    // for an empty board, which has none, what it holds.
    static QString OutlookOf(const Fate& fate, const RunRecord::Point& now);

    // The ticks of an axis that shows up to the value: round ones, from 3 to 6 of them; and
    // where such an axis ends, at the tick at or past the value.
    static int TickOf(int value);
    static int AxisEnd(int value);

    // The plot laid out in an area of the given size, with the fate's words wrapped above it, a
    // line for "and on" below them, and room for the marks that reach above the plot.
    void LayOut(QSize size, const QFontMetrics& metrics, const QString& words, int markReach);

    // The axes shown from the first step to stepsEnd, and from 0 to liveEnd live cells.
    void ShowUpTo(int firstStep, int lastStep, int highest);

    double XOf(int step) const;
    double YOf(int live) const;

    // The fate's words, "and on" where the steps go on past the graph, the axes with their ticks,
    // labels and titles, in the text's colour.
    void DrawAxes(QPainter& painter, const QFontMetrics& metrics, const QString& words, bool andOn,
                  const QColor& text) const;
    // The ticks under the steps' axis between x0 and x1; the grid and the axis's line.
    void DrawStepTicks(QPainter& painter, int x0, int x1) const;
    void DrawGrid(QPainter& painter, int x0, int x1) const;

    QRect plot;
    QRect outlook;
    int width = 0;
    int first = 0;
    int stepsEnd = kLeastAxis;
    int liveEnd = kLeastAxis;
};

} // namespace quarn
