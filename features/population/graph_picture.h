#pragma once

#include "census/population.h"
#include "features/population/graph_frame.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

namespace quarn {

// The population graph as a picture, for the exports: the fate's words above, the axes with
// their titles, the steps past as a solid line and those ahead lighter, and a mark where the
// board is. For an animation it grows a step at a time, the axes fitted to every step from the
// start, so that only the line's new piece changes.
class GraphPicture
{
public:
    struct Point
    {
        int step = 0;
        int live = 0;
    };

    // The points of the population, past and ahead, and how many are past.
    static std::vector<Point> PointsOf(const Population& population);

    // As large as given, with text and lines scaled by scale; crisp draws every pixel in one of
    // the graph's own colours, for an animation's few.
    GraphPicture(QSize size, int scale, std::vector<Point> points, QString outlook, bool andOn,
                 bool crisp);

    // The whole graph, the first past points drawn as past and the board marked at the last.
    const QImage& Draw(int past);
    // One more point past: its piece of line drawn over the steps ahead, and the rectangle of
    // pixels that changed.
    QRect Grow();
    const QImage& Image() const;
    // Every colour a crisp graph is drawn in.
    static std::vector<QRgb> Colours();

private:
    void DrawLine(QPainter& painter, int from, int to, bool past) const;
    QPointF Where(int index) const;

    std::vector<Point> points_;
    QString outlook_;
    bool andOn_;
    bool crisp_;
    int scale_;
    QFont font_;
    GraphFrame frame_;
    QImage image_;
    int past_ = 0;
};

} // namespace quarn
