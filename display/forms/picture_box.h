#pragma once

#include "ole_color.h"
#include "twips.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <unordered_map>

namespace forms {

// A drawing surface measured in twips. What is drawn stays drawn: it goes into a persistent
// image at the screen's device pixel ratio, and painting only copies from that image. The boxes
// drawn are also remembered, so that a move to a screen with another pixel ratio redraws them
// sharply instead of scaling the old pixels.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(OleColor backColor, QWidget* parent = nullptr);

    // Places the area on its parent; the size is the outer size that Width and Height report.
    void Move(const TwipsRect& rect);
    float Width() const;
    float Height() const;

    OleColor FillColor() const;
    void FillColor(OleColor color);

    // Draws the box with corners (x1, y1) and (x2, y2), in twips inside the area, filled with
    // FillColor and outlined one pixel wide in the given colour. The box covers the pixels from
    // the first corner up to, but not including, the second, with both corners and the size
    // rounded to whole device pixels, so that boxes of one size come out the same size wherever
    // they are drawn.
    void Line(float x1, float y1, float x2, float y2, OleColor outline);

    // The retained picture, in device pixels, that painting copies to the screen.
    const QImage& Image() const;

signals:
    // The button (1 left, 2 right, 4 middle), the modifier keys (1 Shift, 2 Ctrl, 4 Alt) and
    // the position in twips inside the area.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
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
        std::uint64_t order;
    };

    void EnsureImage();
    void RedrawRemembered();
    QRect DeviceRect(const Box& box) const;
    void PaintBox(const Box& box, QRgb fill, QRgb outline);
    void FillDeviceRect(const QRect& rect, QRgb color);

    OleColor backColor_;
    OleColor fillColor_ = 0;
    float widthTwips_ = 0.0F;
    float heightTwips_ = 0.0F;
    QImage image_;
    QRect pendingUpdate_; // logical pixels asked to repaint since the last paint
    std::unordered_map<Box, BoxPaint, BoxHash> boxes_;
    std::uint64_t boxesDrawn_ = 0;
};

} // namespace forms
