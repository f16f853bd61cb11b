#include "features/pictures/board_picture.h"

#include "geometry/board_look.h"
#include "geometry/cell_geometry.h"

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

int Device(double twips, int scale)
{
    return static_cast<int>(std::lround(twips * scale / CellGeometry::kTwipsPerPixel));
}

} // namespace

const std::array<QRgb, BoardPicture::kColours>& BoardPicture::Palette()
{
    static const std::array<QRgb, kColours> palette{
        qRgb(0, 0, 0) | BoardLook::kGap, qRgb(0, 0, 0) | BoardLook::kDead,
        qRgb(0, 0, 0) | BoardLook::kLive, qRgb(0, 0, 0) | BoardLook::kTrail};
    return palette;
}

BoardPicture::BoardPicture(int scale)
    : scale_(std::clamp(scale, kLeastScale, kMostScale)),
      side_(kAreaPixels * scale_),
      pixels_(static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_), kGap)
{}

int BoardPicture::Side() const
{
    return side_;
}

// Each box as the picture area draws it: its corners and its size rounded to whole pixels, a
// pixel's edge at scale 1, made as many pixels wide as the scale, and the fill within.
void BoardPicture::Draw(const Field& cells, const Field& trail)
{
    const CellGeometry geometry = CellGeometry::OfPixels(kAreaPixels, kAreaPixels);
    for (std::int16_t row = 1; row <= Field::kSide; ++row) {
        for (std::int16_t column = 1; column <= Field::kSide; ++column) {
            const TwipsBox box = geometry.Box(row, column);
            const int left = Device(box.x1, scale_);
            const int top = Device(box.y1, scale_);
            const int width = std::max(1, Device(box.x2 - box.x1, scale_));
            const int height = std::max(1, Device(box.y2 - box.y1, scale_));
            const Colour fill = cells.Live(row, column)   ? kLive
                                : trail.Live(row, column) ? kTrail
                                                          : kDead;
            Fill(left, top, width, height, kDead);
            Fill(left + scale_, top + scale_, width - 2 * scale_, height - 2 * scale_, fill);
        }
    }
}

const std::vector<std::uint8_t>& BoardPicture::Pixels() const
{
    return pixels_;
}

QImage BoardPicture::Image() const
{
    QImage image(side_, side_, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(Palette().begin(), Palette().end()));
    for (int y = 0; y < side_; ++y) {
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * side_, side_,
                    image.scanLine(y));
    }
    return image;
}

void BoardPicture::Fill(int left, int top, int width, int height, Colour colour)
{
    const int right = std::min(side_, left + width);
    const int bottom = std::min(side_, top + height);
    for (int y = std::max(0, top); y < bottom; ++y) {
        auto* line = pixels_.data() + static_cast<std::ptrdiff_t>(y) * side_;
        std::fill(line + std::max(0, left), line + right, colour);
    }
}

} // namespace quarn
