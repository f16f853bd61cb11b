#pragma once

#include <cstdint>
#include <optional>

namespace quarn {

// A cell of the board by its row and column, counted from 1; the ring round the field is row or
// column 0 or 31.
struct GridCell
{
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// A box's corners in twips inside the picture area.
struct TwipsBox
{
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
};

// A rectangle of whole logical pixels inside the picture area.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Where the cells lie on the picture of the board, worked out from the picture area's outer size
// in one way for every reader: the window's drawing and hit-testing, and every feature that
// needs to know which cell is where. The arithmetic is 16-bit and refuses to wrap.
class CellGeometry
{
public:
    static constexpr float kTwipsPerPixel = 15.0F;
    // A cell's box lies this far inside its slot on every side, so the background shows between.
    static constexpr std::int16_t kBoxInset = 12;

    // From the picture area's outer size in twips.
    CellGeometry(float widthTwips, float heightTwips);
    // From its size in logical pixels, as the widget that shows the board has it.
    static CellGeometry OfPixels(int width, int height);

    // A cell's width and height in twips: the area's size less 24 twips, rounded half to even,
    // and a thirtieth of that, rounded towards zero.
    void GetCellSize(std::int16_t& cw, std::int16_t& ch) const;
    // A slot's size in logical pixels, which need not be whole.
    double PitchX() const;
    double PitchY() const;

    // The cell a point in twips falls in: each coordinate rounded to a whole twip, halves to the
    // even neighbour, then divided by the cell's size, rounding towards zero. Past the field's
    // last row or column this is the ring; {0, 0} when the area is too small to hold cells.
    GridCell HitTest(float x, float y) const;
    // The field cell under a point in logical pixels, by the same arithmetic, or none: left of or
    // above the area, and past the field, there is no field cell.
    std::optional<GridCell> FieldCellAt(double x, double y) const;

    // A cell's slot, and its box inset in it, in twips.
    TwipsBox Slot(std::int16_t row, std::int16_t column) const;
    TwipsBox Box(std::int16_t row, std::int16_t column) const;
    // The whole logical pixels whose top-left points FieldCellAt puts in the cell.
    PixelRect SlotPixels(int row, int column) const;

private:
    std::int16_t cw_;
    std::int16_t ch_;
};

} // namespace quarn
