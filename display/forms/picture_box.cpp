#include "display/forms/picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>

namespace quarn::forms {

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

float TwipsX(const QMouseEvent& event)
{
    return static_cast<float>(event.position().x() * kTwipsPerPixel);
}

float TwipsY(const QMouseEvent& event)
{
    return static_cast<float>(event.position().y() * kTwipsPerPixel);
}

// The narrowest sign, in device pixels, whose ring is drawn round.
constexpr int kSmallestRound = 8;

int RoundToDevice(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

PictureBox::PictureBox(OleColor backColor, QWidget* parent)
    : QWidget(parent),
      backColor_(backColor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::DrawBox(const DrawnBox& drawn)
{
    if (!Remember(drawn)) {
        return; // drawn before in these colours: its pixels are already there
    }
    // After a move to a screen with another pixel ratio the image is made anew, at the next
    // paint, from the boxes remembered; until then boxes go into the old one.
    if (image_.isNull()) {
        EnsureImage();
    }
    PaintBox(drawn.box, drawn.paint);
    RequestUpdate(DeviceRect(drawn.box));
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
    // Four bars of whole device pixels per marker, so that each stays sharp at any scale.
    const auto logical = [ratio](const QRect& device) {
        return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                      device.height() / ratio);
    };
    PaintSigns(painter, QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                               exposed.height() * ratio)
                            .toAlignedRect());
    for (const auto& entry : markers_) {
        const Marker& marker = entry.second;
        const QRect around = MarkerDeviceRect(marker.box);
        const int edge = EdgeWidth() * marker.pixels;
        for (const QRect& bar :
             {QRect(around.left(), around.top(), around.width(), edge),
              QRect(around.left(), around.bottom() - edge + 1, around.width(), edge),
              QRect(around.left(), around.top(), edge, around.height()),
              QRect(around.right() - edge + 1, around.top(), edge, around.height())}) {
            painter.fillRect(logical(bar), marker.color);
        }
    }
}

void PictureBox::Mark(int marker, float x1, float y1, float x2, float y2, QColor color, int pixels)
{
    Unmark(marker);
    const Box box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    markers_[marker] = {box, color, pixels};
    update(LogicalRect(MarkerDeviceRect(box)));
}

void PictureBox::Unmark(int marker)
{
    if (const auto found = markers_.find(marker); found != markers_.end()) {
        update(LogicalRect(MarkerDeviceRect(found->second.box)));
        markers_.erase(found);
    }
}

void PictureBox::SetSign(int number, float x1, float y1, float x2, float y2, Sign sign,
                         QColor color)
{
    const auto index = static_cast<std::size_t>(number);
    if (index >= signs_.size()) {
        signs_.resize(index + 1);
    }
    const SignPaint paint{{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)},
                          sign,
                          sign == Sign::kNone ? QColor() : color};
    SignPaint& was = signs_[index];
    if (was == paint || (was.sign == Sign::kNone && sign == Sign::kNone)) {
        return;
    }
    if (was.sign != Sign::kNone) {
        RequestUpdate(SignDeviceRect(was.box));
    }
    was = paint;
    if (sign != Sign::kNone) {
        RequestUpdate(SignDeviceRect(paint.box));
    }
}

// In whole device pixels and without smoothing, so that a sign is crisp at any scale and has
// exactly its own colour.
void PictureBox::PaintSigns(QPainter& painter, const QRect& exposed) const
{
    const double ratio = image_.devicePixelRatio();
    painter.save();
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const int edge = EdgeWidth();
    for (const SignPaint& paint : signs_) {
        if (paint.sign == Sign::kNone) {
            continue;
        }
        const QRect area = SignDeviceRect(paint.box);
        if (!area.intersects(exposed) || area.width() < 3 || area.height() < 3) {
            continue;
        }
        // The pen's width lies inside the area: a pen of width w is centred on its path.
        const QRectF path = QRectF(area).adjusted(edge / 2.0, edge / 2.0, -edge / 2.0, -edge / 2.0);
        painter.setPen(QPen(paint.color, edge, Qt::SolidLine, Qt::FlatCap));
        if (paint.sign == Sign::kRing && area.width() < kSmallestRound) {
            // Too few pixels for a round ring to come out round: the area's rim less its
            // corners, which reads as a ring at this size.
            for (const QRect& bar :
                 {QRect(area.left() + edge, area.top(), area.width() - 2 * edge, edge),
                  QRect(area.left() + edge, area.bottom() - edge + 1, area.width() - 2 * edge,
                        edge),
                  QRect(area.left(), area.top() + edge, edge, area.height() - 2 * edge),
                  QRect(area.right() - edge + 1, area.top() + edge, edge,
                        area.height() - 2 * edge)}) {
                painter.fillRect(bar, paint.color);
            }
        } else if (paint.sign == Sign::kRing) {
            painter.drawEllipse(path);
        } else {
            painter.drawLine(path.topLeft(), path.bottomRight());
            painter.drawLine(path.bottomLeft(), path.topRight());
        }
    }
    painter.restore();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), TwipsX(*event),
                   TwipsY(*event));
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    int held = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        held |= event->buttons().testFlag(button) ? ButtonCode(button) : 0;
    }
    emit MouseMove(held, ShiftCode(event->modifiers()), TwipsX(*event), TwipsY(*event));
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), TwipsX(*event),
                 TwipsY(*event));
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

bool PictureBox::Remember(const DrawnBox& drawn)
{
    const auto [found, isNew] = drawnIndex_.try_emplace(drawn.box, drawn_.size());
    if (isNew) {
        drawn_.push_back(drawn);
        nextDrawn_ = drawn_.size();
        return true;
    }
    DrawnBox& remembered = drawn_[found->second];
    nextDrawn_ = found->second + 1;
    if (remembered.paint == drawn.paint) {
        return false;
    }
    remembered.paint = drawn.paint;
    return true;
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
    image_.fill(ToRgb(backColor_));
    RedrawRemembered();
}

void PictureBox::RedrawRemembered()
{
    // Boxes never overlap, so the order they were drawn in does not matter.
    for (const DrawnBox& drawn : drawn_) {
        PaintBox(drawn.box, drawn.paint);
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

void PictureBox::PaintBox(const Box& box, const BoxPaint& paint)
{
    // One logical pixel of outline, in whole device pixels so that it stays sharp.
    const int edge = EdgeWidth();
    const QRect outer = DeviceRect(box);
    FillDeviceRect(outer, paint.outline);
    FillDeviceRect(outer.adjusted(edge, edge, -edge, -edge), paint.fill);
}

QRect PictureBox::MarkerDeviceRect(const Box& box) const
{
    const int edge = EdgeWidth();
    return DeviceRect(box).adjusted(-edge, -edge, edge, edge);
}

QRect PictureBox::SignDeviceRect(const Box& box) const
{
    const int margin = 2 * EdgeWidth();
    return DeviceRect(box).adjusted(margin, margin, -margin, -margin);
}

QRect PictureBox::LogicalRect(const QRect& device) const
{
    const double ratio = image_.devicePixelRatio();
    return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                  device.height() / ratio)
        .toAlignedRect();
}

// One logical pixel in whole device pixels.
int PictureBox::EdgeWidth() const
{
    return std::max(1, RoundToDevice(image_.devicePixelRatio()));
}

void PictureBox::RequestUpdate(const QRect& device)
{
    const QRect logical = LogicalRect(device);
    // A full redraw asks for 900 small updates in a row. Growing one pending rectangle keeps
    // Qt's dirty region a single rectangle instead of a list of 900.
    if (!pendingUpdate_.contains(logical)) {
        pendingUpdate_ = pendingUpdate_.united(logical);
        update(pendingUpdate_);
    }
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

} // namespace quarn::forms
