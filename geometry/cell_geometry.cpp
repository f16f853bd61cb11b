#include "geometry/cell_geometry.h"

#include "board/board.h"
#include "board/checked.h"
#include "geometry/rounding.h"

namespace quarn {

namespace {

// Taken off the picture area's size before dividing it among the cells.
constexpr float kSizeAllowance = 24.0F;

std::int16_t CellSpan(float outerSize)
{
    return Narrow16(RoundHalfEven32(outerSize - kSizeAllowance) / Board::kFieldSize, "cell size");
}

// The first whole pixel at or past so many twips: where a slot that starts there begins.
int FirstPixelAt(int twips)
{
    const int pixels = static_cast<int>(CellGeometry::kTwipsPerPixel);
    return (twips + pixels - 1) / pixels;
}

} // namespace

CellGeometry::CellGeometry(float widthTwips, float heightTwips)
    : cw_(CellSpan(widthTwips)),
      ch_(CellSpan(heightTwips))
{}

CellGeometry CellGeometry::OfPixels(int width, int height)
{
    return {static_cast<float>(width) * kTwipsPerPixel,
            static_cast<float>(height) * kTwipsPerPixel};
}

void CellGeometry::GetCellSize(std::int16_t& cw, std::int16_t& ch) const
{
    cw = cw_;
    ch = ch_;
}

double CellGeometry::PitchX() const
{
    return cw_ / static_cast<double>(kTwipsPerPixel);
}

double CellGeometry::PitchY() const
{
    return ch_ / static_cast<double>(kTwipsPerPixel);
}

GridCell CellGeometry::HitTest(float x, float y) const
{
    if (cw_ <= 0 || ch_ <= 0) {
        return {}; // an area too small to hold cells has no cell to hit
    }
    return {Narrow16(RoundHalfEven32(y) / ch_ + 1, "row"),
            Narrow16(RoundHalfEven32(x) / cw_ + 1, "column")};
}

std::optional<GridCell> CellGeometry::FieldCellAt(double x, double y) const
{
    if (x < 0 || y < 0) {
        return std::nullopt; // rounding towards zero would put it in the first row or column
    }
    const GridCell cell =
        HitTest(static_cast<float>(x * kTwipsPerPixel), static_cast<float>(y * kTwipsPerPixel));
    if (!Board::InField(cell.row, cell.column)) {
        return std::nullopt;
    }
    return cell;
}

TwipsBox CellGeometry::Slot(std::int16_t row, std::int16_t column) const
{
    const std::int16_t left = CheckedMul(CheckedSub(column, 1), cw_);
    const std::int16_t top = CheckedMul(CheckedSub(row, 1), ch_);
    return {left, top, CheckedAdd(left, cw_), CheckedAdd(top, ch_)};
}

TwipsBox CellGeometry::Box(std::int16_t row, std::int16_t column) const
{
    const TwipsBox slot = Slot(row, column);
    return {CheckedAdd(slot.x1, kBoxInset), CheckedAdd(slot.y1, kBoxInset),
            CheckedSub(slot.x2, kBoxInset), CheckedSub(slot.y2, kBoxInset)};
}

PixelRect CellGeometry::SlotPixels(int row, int column) const
{
    const TwipsBox slot = Slot(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    const int left = FirstPixelAt(slot.x1);
    const int top = FirstPixelAt(slot.y1);
    return {left, top, FirstPixelAt(slot.x2) - left, FirstPixelAt(slot.y2) - top};
}

} // namespace quarn
