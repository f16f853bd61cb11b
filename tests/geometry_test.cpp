#include "geometry/board_look.h"
#include "geometry/cell_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

using quarn::CellGeometry;
using quarn::GridCell;

// The picture area as laid out: 5000 twips, 333 whole pixels.
CellGeometry Laid()
{
    return CellGeometry::OfPixels(333, 333);
}

struct Boundary
{
    double scale; // device pixels to a logical one
    int device;   // a device pixel's left edge, along a row
    int column;   // the field column there, 0 for none
};

void PrintTo(const Boundary& b, std::ostream* out)
{
    *out << "scale " << b.scale << ", device pixel " << b.device;
}

class CellBoundaries : public ::testing::TestWithParam<Boundary>
{};

// Where a pointer at that device pixel finds a cell, a click, a tip and a screen reader alike.
TEST_P(CellBoundaries, FallOnTheSamePixelForEveryReader)
{
    const Boundary& b = GetParam();
    const double x = b.device / b.scale;
    const std::optional<GridCell> cell = Laid().FieldCellAt(x, 5);
    EXPECT_EQ(cell ? cell->column : 0, b.column);
    if (cell) {
        EXPECT_EQ(Laid().HitTest(static_cast<float>(x * 15), 75).column, b.column);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, CellBoundaries,
    ::testing::Values(Boundary{1, -1, 0}, Boundary{1, 0, 1}, Boundary{1, 10, 1}, Boundary{1, 11, 2},
                      Boundary{1, 329, 30}, Boundary{1, 330, 0},
                      // 16 / 1.5 is 160 twips, 17 / 1.5 is 170: the boundary at 165 between.
                      Boundary{1.5, 16, 1}, Boundary{1.5, 17, 2}, Boundary{1.5, 494, 30},
                      Boundary{1.5, 495, 0},
                      // 21 / 2 is 157.5 twips, which rounds to 158; 22 / 2 is 165.
                      Boundary{2, 21, 1}, Boundary{2, 22, 2}, Boundary{2, 659, 30},
                      Boundary{2, 660, 0}));

TEST(Geometry, CellsSizesAndBoxes)
{
    std::int16_t cw = 0;
    std::int16_t ch = 0;
    Laid().GetCellSize(cw, ch);
    EXPECT_EQ(cw, 165);
    EXPECT_EQ(ch, 165);
    EXPECT_DOUBLE_EQ(Laid().PitchX(), 11.0);
    // Fractional twips round half to even before dividing.
    EXPECT_EQ(Laid().HitTest(164.4F, 329.6F), (GridCell{3, 1}));
    EXPECT_EQ(Laid().HitTest(164.5F, 0), (GridCell{1, 1}));
    EXPECT_EQ(Laid().HitTest(165.5F, 0), (GridCell{1, 2}));
    const quarn::TwipsBox box = Laid().Box(2, 3);
    EXPECT_EQ(box.x1, 342);
    EXPECT_EQ(box.y1, 177);
    EXPECT_EQ(box.x2, 483);
    EXPECT_EQ(box.y2, 318);
    EXPECT_EQ(Laid().SlotPixels(1, 1), (quarn::PixelRect{0, 0, 11, 11}));
    EXPECT_EQ(Laid().SlotPixels(30, 2), (quarn::PixelRect{11, 319, 11, 11}));
    EXPECT_EQ(CellGeometry::OfPixels(3, 3).HitTest(10, 10), (GridCell{0, 0}));
}

// Every whole pixel of a slot finds its cell, and none outside it does.
TEST(Geometry, SlotsHoldTheirCellsPixels)
{
    for (const CellGeometry geometry : {Laid(), CellGeometry(4000, 4000)}) {
        for (int column = 1; column <= 30; ++column) {
            const quarn::PixelRect slot = geometry.SlotPixels(1, column);
            for (int x = slot.left - 1; x <= slot.left + slot.width; ++x) {
                const std::optional<GridCell> cell = geometry.FieldCellAt(x, 0);
                const bool inside = x >= slot.left && x < slot.left + slot.width;
                EXPECT_EQ(cell && cell->column == column, inside)
                    << "column " << column << " x " << x;
            }
        }
    }
}

// The window, the pictures and the tests all read these: here they are pinned to what a person
// sees, yellow on black in silver, the trail a dim blue-violet, in an area 5000 twips square.
TEST(Geometry, TheBoardsLook)
{
    EXPECT_EQ(quarn::BoardLook::kLive, 0xFFFF00U);
    EXPECT_EQ(quarn::BoardLook::kDead, 0x000000U);
    EXPECT_EQ(quarn::BoardLook::kGap, 0xC0C0C0U);
    EXPECT_EQ(quarn::BoardLook::kTrail, 0x4D4DA6U);
    EXPECT_EQ(quarn::BoardLook::kAreaTwips, 5000);
    EXPECT_EQ(quarn::BoardLook::kAreaPixels, 333); // 5000 / 15, whole
}

} // namespace
