#include "features/population/graph_picture.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quarn {

namespace {

constexpr int kFontPixels = 12;
constexpr int kMarkReach = 8;

} // namespace

std::vector<GraphPicture::Point> GraphPicture::PointsOf(const Population& population)
{
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(population.Size()));
    for (int i = 0; i < population.Size(); ++i) {
        points.push_back({population.At(i).step, population.At(i).live});
    }
    return points;
}

GraphPicture::GraphPicture(QSize size, int scale, std::vector<Point> points, QString outlook,
                           bool andOn, bool crisp)
    : points_(std::move(points)),
      outlook_(std::move(outlook)),
      andOn_(andOn),
      crisp_(crisp),
      scale_(scale),
      font_(QGuiApplication::font()),
      image_(size, QImage::Format_RGB32)
{
    // Laid out at scale 1 and then scaled, so that a picture twice the size is the same graph.
    font_.setPixelSize(kFontPixels);
    if (crisp_) {
        // Letters in the text's own black, without the shades a smoothed edge would add.
        font_.setStyleStrategy(QFont::NoAntialias);
    }
    const QSize logical(size.width() / scale, size.height() / scale);
    frame_.LayOut(logical, QFontMetrics(font_), outlook_, kMarkReach);
    int highest = 0;
    for (const Point& point : points_) {
        highest = std::max(highest, point.live);
    }
    frame_.ShowUpTo(points_.empty() ? 0 : points_.front().step,
                    points_.empty() ? 0 : points_.back().step, highest);
}

const QImage& GraphPicture::Draw(int past)
{
    past_ = std::clamp(past, 0, static_cast<int>(points_.size()));
    image_.fill(GraphFrame::kGround);
    QPainter painter(&image_);
    painter.scale(scale_, scale_);
    painter.setFont(font_);
    frame_.DrawGrid(painter, frame_.plot.left(), frame_.plot.right());
    frame_.DrawAxes(painter, QFontMetrics(font_), outlook_, andOn_, Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, !crisp_);
    DrawLine(painter, std::max(past_ - 1, 0), static_cast<int>(points_.size()) - 1, false);
    DrawLine(painter, 0, past_ - 1, true);
    if (past_ > 0 && !crisp_) {
        // Where the board is: a line up the plot and a dot on the graph, as in the window.
        const QPointF now = Where(past_ - 1);
        painter.setPen(QPen(GraphFrame::kNow, 1.0));
        painter.drawLine(QPointF(now.x(), frame_.plot.top() - 4),
                         QPointF(now.x(), frame_.plot.bottom()));
        painter.setBrush(GraphFrame::kNow);
        painter.drawEllipse(now, 3.5, 3.5);
    }
    return image_;
}

QRect GraphPicture::Grow()
{
    if (past_ >= static_cast<int>(points_.size())) {
        return {};
    }
    ++past_;
    if (past_ == 1) {
        return {};
    }
    QPainter painter(&image_);
    painter.scale(scale_, scale_);
    painter.setRenderHint(QPainter::Antialiasing, !crisp_);
    DrawLine(painter, past_ - 2, past_ - 1, true);
    const QPointF a = Where(past_ - 2);
    const QPointF b = Where(past_ - 1);
    const QRectF changed = QRectF(a, b).normalized().adjusted(-2, -2, 2, 2);
    return QRect(QPoint(static_cast<int>(std::floor(changed.left() * scale_)),
                        static_cast<int>(std::floor(changed.top() * scale_))),
                 QPoint(static_cast<int>(std::ceil(changed.right() * scale_)),
                        static_cast<int>(std::ceil(changed.bottom() * scale_))))
        .intersected(image_.rect());
}

const QImage& GraphPicture::Image() const
{
    return image_;
}

std::vector<QRgb> GraphPicture::Colours()
{
    return {GraphFrame::kGround.rgb(), GraphFrame::kGrid.rgb(),  GraphFrame::kAxis.rgb(),
            GraphFrame::kPast.rgb(),   GraphFrame::kAhead.rgb(), GraphFrame::kNow.rgb(),
            QColor(Qt::black).rgb()};
}

// The steps from one point to another, past solid and thicker, ahead lighter and thinner.
void GraphPicture::DrawLine(QPainter& painter, int from, int to, bool past) const
{
    if (from < 0 || to <= from) {
        return;
    }
    QPen pen(past ? GraphFrame::kPast : GraphFrame::kAhead, past ? 2.0 : 1.0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    std::vector<QPointF> line;
    line.reserve(static_cast<std::size_t>(to - from) + 1);
    for (int i = from; i <= to; ++i) {
        line.push_back(Where(i));
    }
    painter.drawPolyline(line.data(), static_cast<int>(line.size()));
}

QPointF GraphPicture::Where(int index) const
{
    const Point& point = points_[static_cast<std::size_t>(index)];
    return {std::floor(frame_.XOf(point.step)) + 0.5, frame_.YOf(point.live)};
}

} // namespace quarn
