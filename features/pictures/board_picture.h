#pragma once

#include "census/field.h"
#include "geometry/board_look.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace quarn {

// The board as the window's picture area draws it at scale 1, made so many times larger: the
// silver gaps, the yellow live boxes and the black dead ones, with their black edges, and where
// it is shown the trail's boxes; no cursor marker and no outline. Kept as one colour of a few to
// each pixel, a row after another, for a picture or an animation's frame.
class BoardPicture
{
public:
    enum Colour : std::uint8_t
    {
        kGap,
        kDead,
        kLive,
        kTrail,
        kColours,
    };
    // In the order of Colour.
    static const std::array<QRgb, kColours>& Palette();

    // The picture area's side at scale 1, in pixels: 5000 twips.
    static constexpr int kAreaPixels = BoardLook::kAreaPixels;
    static constexpr int kLeastScale = 1;
    static constexpr int kMostScale = 8;

    explicit BoardPicture(int scale);

    int Side() const;
    // Draws the field's cells; those in the trail that are dead now in the trail's colour.
    void Draw(const Field& cells, const Field& trail);
    const std::vector<std::uint8_t>& Pixels() const;
    QImage Image() const;

private:
    void Fill(int left, int top, int width, int height, Colour colour);

    int scale_;
    int side_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace quarn
