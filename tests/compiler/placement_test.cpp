#include "compiler/placement.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace cw::compiler {
namespace {

using document::BlockRecord;

TEST(PlacementTest, OrientPointForEveryFlagsValue) {
  struct Case {
    std::int32_t flags;
    Point2 expected;  // of the template point (3, 5)
    bool mirroring;
  } cases[] = {
      {0, {3, 5}, false},  {1, {-3, 5}, true},  {2, {3, -5}, true},  {3, {-3, -5}, false},
      {4, {-5, 3}, false}, {5, {5, 3}, true},   {6, {-5, -3}, true}, {7, {5, -3}, false},
      {8, {3, 5}, false},  {-1, {3, 5}, false}, {-4, {3, 5}, false}, {1000, {3, 5}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OrientPoint(c.flags, 3, 5), c.expected) << "flags " << c.flags;
    EXPECT_EQ(IsMirroring(c.flags), c.mirroring) << "flags " << c.flags;
  }
}

TEST(PlacementTest, PlacePointMovesToTheCellReferencePoint) {
  const PlacementSettings defaults;
  struct Case {
    PlacementSettings settings;
    BlockRecord record;
    Point3 templatePoint;
    Point3 expected;
  } cases[] = {
      // Rotated block on floor 1, column 2, row 3: (0, 64) + (256, -384, 128).
      {defaults, {1, 2, 3, 4, "B"}, {64, 0, 0}, {256, -320, 128}},
      // The template origin of floor -2, column 0, row 0 lands at (Ox, Oy, -2 * Bz).
      {defaults, {-2, 0, 0, 0, "B"}, {0, 0, 0}, {0, 0, -256}},
      {{128, 128, 128, 40, -60}, {-2, 0, 0, 0, "B"}, {0, 0, 0}, {40, -60, -256}},
      {{64, 32, 16, 8, 4}, {2, 3, 5, 3, "B"}, {10, 20, 30}, {-10 + 200, -20 + 4 - 160, 62}},
      // Nothing overflows: 64-bit arithmetic with every input at its 32-bit extreme.
      {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MIN},
       {INT32_MAX, INT32_MAX, INT32_MAX, 1, "B"},
       {INT32_MIN, INT32_MIN, INT32_MAX},
       {2147483648LL + 4611686014132420609LL + 2147483647LL,
        -2147483648LL - 4611686014132420609LL - 2147483648LL,
        4611686014132420609LL + 2147483647LL}},
  };
  for (const Case& c : cases) {
    const Point3 placed =
        PlacePoint(c.settings, c.record, c.templatePoint.x, c.templatePoint.y, c.templatePoint.z);
    EXPECT_EQ(placed, c.expected) << FormatBlockRecord(c.record);
  }
}

TEST(PlacementTest, CellReferencePointUsesEverySetting) {
  const PlacementSettings settings{100, 50, 30, 7, 9};
  EXPECT_EQ(CellReferencePoint(settings, {2, 3, 4}), (Point3{307, 9 - 200, 60}));
  EXPECT_EQ(CellReferencePoint(settings, {-1, -1, -1}), (Point3{-93, 59, -30}));
}

TEST(PlacementTest, OrientAngle) {
  struct Case {
    std::int32_t flags;
    std::int64_t angle;
    std::int64_t expected;
  } cases[] = {
      {1, 0, 180},
      {2, 0, 0},
      {2, 90, 270},
      {4, 270, 0},
      {5, 0, 90},
      {6, 0, 270},
      {7, 0, 270},
      {7, 180, 90},
      {0, 123, 123},
      {1, 90, 90},
      {1, 270, 270},
      {3, 90, 270},
      {3, 180, 0},
      {4, 0, 90},
      {5, 180, 270},
      {6, 359, 271},
      {7, 90, 0},
      {8, 45, 45},
      {-3, 45, 45},
      {4, 400, 130},
      {3, 720, 540},
      {2, 400, -40},
      {1, 2147483647, -2147483107},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OrientAngle(c.flags, c.angle), c.expected)
        << "flags " << c.flags << " angle " << c.angle;
  }
  for (std::int32_t flags = -1; flags <= 8; ++flags) {
    EXPECT_EQ(OrientAngle(flags, -1), -1);
    EXPECT_EQ(OrientAngle(flags, -2), -2);
  }
  // Template angles from 0 to 359 stay within 0 to 359 under every orientation.
  for (std::int32_t flags = 0; flags <= 7; ++flags) {
    for (std::int64_t angle = 0; angle < 360; ++angle) {
      const std::int64_t oriented = OrientAngle(flags, angle);
      EXPECT_GE(oriented, 0);
      EXPECT_LT(oriented, 360);
    }
  }
}

TEST(PlacementTest, CellNumber) {
  EXPECT_EQ(CellNumber(0, 3, 4), 500304);
  EXPECT_EQ(CellNumber(-1, 3, 4), 490304);
  EXPECT_EQ(CellNumber(-8, 0, 0), 420000);
  EXPECT_EQ(CellNumber(7, 99, 99), 579999);
  EXPECT_EQ(CellNumber(0, -1, -2), 499898);
  EXPECT_EQ(CellNumber(INT32_MAX, INT32_MAX, INT32_MAX),
            (2147483647LL + 50) * 10000 + 2147483647LL * 100 + 2147483647LL);
}

}  // namespace
}  // namespace cw::compiler
