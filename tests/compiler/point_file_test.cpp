// A leak's points back on the floor view and its cells.
#include "compiler/point_file.h"

#include <gtest/gtest.h>

namespace cw::compiler {
namespace {

TEST(PointFileTest, MapPointsGoBackToFloorsCellsAndPixels) {
  const PlacementSettings defaults;
  // The middle of column 2, row 3 on floor 1 is (256, -384, 128..255).
  EXPECT_EQ(PointOnFloorView(defaults, {256, -384, 130}), (FloorViewPoint{1, 80, 112, 2, 3}));
  // Just short of the border of columns 1 and 2, just past the border of rows 2 and 3.
  EXPECT_EQ(PointOnFloorView(defaults, {191, -321, 0}), (FloorViewPoint{0, 63.75, 96.25, 1, 3}));
  EXPECT_EQ(PointOnFloorView(defaults, {0, 0, -1}), (FloorViewPoint{-1, 16, 16, 0, 0}));
  PlacementSettings moved;
  moved.Bx = 64;
  moved.By = 32;
  moved.Bz = 100;
  moved.Ox = 1000;
  moved.Oy = -500;
  EXPECT_EQ(PointOnFloorView(moved, {1128, -564, 250}), (FloorViewPoint{2, 80, 80, 2, 2}));
  PlacementSettings flat;
  flat.Bz = 0;
  EXPECT_FALSE(PointOnFloorView(flat, {0, 0, 0}));
  EXPECT_FALSE(PointOnFloorView(defaults, {1e300, 0, 0}));
}

}  // namespace
}  // namespace cw::compiler
