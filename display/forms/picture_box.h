#pragma once

#include "display/forms/ole_color.h"
#include "display/forms/twips.h"

#include <QImage>
#include <QWidget>

class QPainter;

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace quarn::forms {

// A drawing surface measured in twips. What is drawn stays drawn: it goes into a persistent
// image at the screen's device pixel ratio, and painting only copies from that image. The boxes
// drawn are also remembered, so that a move to a screen with another pixel ratio redraws them
// sharply instead of scaling the old pixels, and so that a box drawn again in the colours it
// already has costs neither pixels nor a repaint.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(OleColor backColor, QWidget* parent = nullptr);

    // The outer size in twips, as laid out in whole pixels.
    float Width() const { return static_cast<float>(width()) * kTwipsPerPixelF; }
    float Height() const { return static_cast<float>(height()) * kTwipsPerPixelF; }

    void FillColor(OleColor color) { fillColor_ = color; }

    // Draws the box with corners (x1, y1) and (x2, y2), in twips inside the area, filled with
    // FillColor and outlined one pixel wide in the given colour. The box covers the pixels from
    // the first corner up to, but not including, the second, with both corners and the size
    // rounded to whole device pixels, so that boxes of one size come out the same size wherever
    // they are drawn.
    void Line(float x1, float y1, float x2, float y2, OleColor outline);

    // Marks the box with corners (x1, y1) and (x2, y2) with a line just outside it, in the given
    // colour: a pixel wide, or as many as given, the others over the box's own edge. A marker is
    // painted over the picture, never into it, so what is drawn stays as it was. Each marker,
    // told apart by its number, marks one box at most, and Unmark takes it away.
    void Mark(int marker, float x1, float y1, float x2, float y2, QColor color, int pixels = 1);
    void Unmark(int marker);

    // A small sign within a box, clear of its outline, told apart by its shape as well as its
    // colour. Like a marker it is painted over the picture; each sign, told apart by its
    // number, is in one box, and a sign set again as it is costs no repaint.
    enum class Sign
    {
        kNone,
        kRing,
        kCross,
    };
    void SetSign(int number, float x1, float y1, float x2, float y2, Sign sign, QColor color);

signals:
    // The button (1 left, 2 right, 4 middle), the modifier keys (1 Shift, 2 Ctrl, 4 Alt) and
    // the position in twips inside the area.
    void MouseDown(int button, int shift, float x, float y);
    // The same while a button is held: every button held, and where the pointer is now, which
    // may be outside the area.
    void MouseMove(int button, int shift, float x, float y);
    // The button let go.
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Single precision throughout, as the sizes are: a redraw asks for them 1800 times.
    static constexpr float kTwipsPerPixelF = kTwipsPerPixel;

    struct Box
    {
        float x1;
        float y1;
        float x2;
        float y2;
        bool operator==(const Box&) const = default;
    };
    struct BoxHash
    {
        std::size_t operator()(const Box& box) const noexcept;
    };
    struct BoxPaint
    {
        QRgb fill;
        QRgb outline;
        bool operator==(const BoxPaint&) const = default;
    };
    struct DrawnBox
    {
        Box box;
        BoxPaint paint;
        // The same to the bit; a box that differs only in the sign of a zero is drawn again.
        bool SameAs(const DrawnBox& other) const;
    };

    // Line when the box is not the next one already drawn in the same colours.
    void DrawBox(const DrawnBox& drawn);
    // Records the box in its colours, and then nextDrawn_ is just past it. False if it was
    // drawn so already.
    bool Remember(const DrawnBox& drawn);
    void EnsureImage();
    void RedrawRemembered();
    QRect DeviceRect(const Box& box) const;
    void PaintBox(const Box& box, const BoxPaint& paint);
    void RequestUpdate(const QRect& device);
    void FillDeviceRect(const QRect& rect, QRgb color);
    struct Marker
    {
        Box box{};
        QColor color;
        int pixels = 1;
    };

    struct SignPaint
    {
        Box box{};
        Sign sign = Sign::kNone;
        QColor color;
        bool operator==(const SignPaint&) const = default;
    };

    // The device pixels a marker covers, and the logical ones to repaint for it.
    QRect MarkerDeviceRect(const Box& box) const;
    // The device pixels a sign is drawn in: the box's inside, less a margin of its edge's width.
    QRect SignDeviceRect(const Box& box) const;
    void PaintSigns(QPainter& painter, const QRect& exposed) const;
    QRect LogicalRect(const QRect& device) const;
    int EdgeWidth() const;

    OleColor backColor_;
    OleColor fillColor_ = 0;
    QImage image_;
    QRect pendingUpdate_; // logical pixels asked to repaint since the last paint
    std::map<int, Marker> markers_;
    std::vector<SignPaint> signs_; // by number
    std::vector<DrawnBox> drawn_;  // in the order first drawn
    std::unordered_map<Box, std::size_t, BoxHash> drawnIndex_;
    std::size_t nextDrawn_ = 0; // the box drawn after the last one, the last time round
};

// Inline because a whole redraw of a picture that barely changed is 900 calls that find their
// box drawn already: a redraw draws its boxes in the order it drew them before, so the box
// after the last one drawn is tried first.
inline void PictureBox::Line(float x1, float y1, float x2, float y2, OleColor outline)
{
    const DrawnBox drawn{{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)},
                         {ToRgb(fillColor_), ToRgb(outline)}};
    if (nextDrawn_ < drawn_.size() && drawn_[nextDrawn_].SameAs(drawn)) {
        ++nextDrawn_;
        return;
    }
    DrawBox(drawn);
}

inline bool PictureBox::DrawnBox::SameAs(const DrawnBox& other) const
{
    // As bits rather than as numbers, which takes two comparisons instead of six.
    using Bits = std::array<std::uint64_t, 3>;
    static_assert(sizeof(DrawnBox) == sizeof(Bits), "no padding to compare");
    return std::bit_cast<Bits>(*this) == std::bit_cast<Bits>(other);
}

} // namespace quarn::forms
