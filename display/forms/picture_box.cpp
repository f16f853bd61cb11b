#include "picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace forms {

namespace {

int ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

int RoundToDevice(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

PictureBox::PictureBox(OleColor backColor, QWidget* parent) : QWidget(parent), backColor_(backColor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Move(const TwipsRect& rect)
{
    PlaceInTwips(*this, rect);
    widthTwips_ = static_cast<float>(rect.width);
    heightTwips_ = static_cast<float>(rect.height);
}

float PictureBox::Width() const
{
    return widthTwips_;
}

float PictureBox::Height() const
{
    return heightTwips_;
}

OleColor PictureBox::FillColor() const
{
    return fillColor_;
}

void PictureBox::FillColor(OleColor color)
{
    fillColor_ = color;
}

void PictureBox::Line(float x1, float y1, float x2, float y2, OleColor outline)
{
    const Box box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    const QRgb fill = ToQColor(fillColor_).rgb();
    const QRgb edge = ToQColor(outline).rgb();
    boxes_.insert_or_assign(box, BoxPaint{fill, edge, boxesDrawn_++});

    EnsureImage();
    PaintBox(box, fill, edge);
    const QRect device = DeviceRect(box);
    const double ratio = image_.devicePixelRatio();
    const QRect logical = QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                                 device.height() / ratio)
                              .toAlignedRect();
    // A full redraw asks for 900 small updates in a row. Growing one pending rectangle keeps
    // Qt's dirty region a single rectangle instead of a list of 900.
    if (!pendingUpdate_.contains(logical)) {
        pendingUpdate_ = pendingUpdate_.united(logical);
        update(pendingUpdate_);
    }
}

const QImage& PictureBox::Image() const
{
    return image_;
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    pendingUpdate_ = QRect();
    EnsureImage();
    const QRect exposed = event->rect();
    const double ratio = image_.devicePixelRatio();
    QPainter painter(this);
    painter.drawImage(exposed.topLeft(), image_,
                      QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                             exposed.height() * ratio));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                   static_cast<float>(position.x() * kTwipsPerPixel),
                   static_cast<float>(position.y() * kTwipsPerPixel));
    event->accept();
}

std::size_t PictureBox::BoxHash::operator()(const Box& box) const noexcept
{
    std::size_t hash = 0;
    for (const float value : {box.x1, box.y1, box.x2, box.y2}) {
        hash = hash * 1000003U ^ std::bit_cast<std::uint32_t>(value);
    }
    return hash;
}

void PictureBox::EnsureImage()
{
    const double ratio = devicePixelRatioF();
    const QSize deviceSize(static_cast<int>(std::ceil(width() * ratio)),
                           static_cast<int>(std::ceil(height() * ratio)));
    if (!image_.isNull() && image_.size() == deviceSize && image_.devicePixelRatio() == ratio) {
        return;
    }
    image_ = QImage(deviceSize, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(ToQColor(backColor_));
    RedrawRemembered();
}

void PictureBox::RedrawRemembered()
{
    std::vector<std::pair<const Box*, const BoxPaint*>> inOrder;
    inOrder.reserve(boxes_.size());
    for (const auto& [box, paint] : boxes_) {
        inOrder.emplace_back(&box, &paint);
    }
    std::sort(inOrder.begin(), inOrder.end(),
              [](const auto& a, const auto& b) { return a.second->order < b.second->order; });
    for (const auto& [box, paint] : inOrder) {
        PaintBox(*box, paint->fill, paint->outline);
    }
}

QRect PictureBox::DeviceRect(const Box& box) const
{
    const double scale = image_.devicePixelRatio() / kTwipsPerPixel;
    const int left = RoundToDevice(box.x1 * scale);
    const int top = RoundToDevice(box.y1 * scale);
    const int width = std::max(1, RoundToDevice((box.x2 - box.x1) * scale));
    const int height = std::max(1, RoundToDevice((box.y2 - box.y1) * scale));
    return {left, top, width, height};
}

void PictureBox::PaintBox(const Box& box, QRgb fill, QRgb outline)
{
    // One logical pixel of outline, in whole device pixels so that it stays sharp.
    const int edge = std::max(1, RoundToDevice(image_.devicePixelRatio()));
    const QRect outer = DeviceRect(box);
    FillDeviceRect(outer, outline);
    FillDeviceRect(outer.adjusted(edge, edge, -edge, -edge), fill);
}

void PictureBox::FillDeviceRect(const QRect& rect, QRgb color)
{
    const QRect clipped = rect.intersected(image_.rect());
    if (clipped.isEmpty()) {
        return;
    }
    // bits() once per rectangle: scanLine() on a non-const image checks for sharing every line.
    uchar* const pixels = image_.bits();
    const auto stride = static_cast<std::size_t>(image_.bytesPerLine());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels + static_cast<std::size_t>(y) * stride);
        std::fill(line + clipped.left(), line + clipped.right() + 1, color);
    }
}

} // namespace forms
