#include "compiler/face_line.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::compiler {
namespace {

TEST(FaceLineTest, ReadsEveryField) {
  const auto face = ParseFaceLine("( 1 -2 3 ) ( 4 5 -6 ) ( 7 8 9 ) BRICK/A1 16 -8 300 0.3 -2");
  ASSERT_TRUE(face);
  EXPECT_EQ(face->points[0], (std::array<std::int32_t, 3>{1, -2, 3}));
  EXPECT_EQ(face->points[1], (std::array<std::int32_t, 3>{4, 5, -6}));
  EXPECT_EQ(face->points[2], (std::array<std::int32_t, 3>{7, 8, 9}));
  EXPECT_EQ(face->textureName, "BRICK/A1");
  EXPECT_EQ(face->texture.xOffset, 16);
  EXPECT_EQ(face->texture.yOffset, -8);
  EXPECT_EQ(face->texture.rotation, 300);
  EXPECT_EQ(face->texture.xScale, 0.3f);
  EXPECT_EQ(face->texture.yScale, -2.0f);
}

TEST(FaceLineTest, AcceptsWhatTheFieldSearchAccepts) {
  const char* accepted[] = {
      "(0 0 0)(0 64 0)(64 64 0) WALL 0 0 0 1 1",
      "(   0\t0 0 ) ( 0 64 0 ) ( 64 64 0 )   WALL  0 0 0 1 1",
      // Anything after the y scale, further numeric fields included, is ignored.
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1 0 0 0",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1junk",
      // Text between the points is skipped by the search for the next parenthesis.
      "( 0 0 0 ) x ( 0 64 0 ) y ( 64 64 0 )WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1e0 0x1p-1",
      "( 2147483647 -2147483648 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1",
  };
  for (const char* line : accepted) EXPECT_TRUE(ParseFaceLine(line)) << line;
}

TEST(FaceLineTest, RejectsIncompleteLines) {
  const char* rejected[] = {
      "",
      " ( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1",  // indented: not a face line
      "( 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 )",
      // The texture fields start after the first ")" that follows the third point.
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) z ) WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 x 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0.5 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 y",
      "( 2147483648 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 0 1 1",
      "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 0 0 -2147483649 1 1",
  };
  for (const char* line : rejected) EXPECT_FALSE(ParseFaceLine(line)) << line;
}

TEST(FaceLineTest, ClassifyFaceByNormalWithTies) {
  using Points = std::array<std::array<std::int32_t, 3>, 3>;
  struct Case {
    Points points;
    FaceClass expected;
  } cases[] = {
      {{{{0, 0, 0}, {0, 64, 0}, {64, 64, 0}}}, FaceClass::kHorizontal},  // floor
      {{{{0, 0, 0}, {0, 64, 0}, {0, 64, 64}}}, FaceClass::kXFacing},     // normal along x
      {{{{0, 0, 0}, {64, 0, 0}, {64, 0, 64}}}, FaceClass::kYFacing},     // normal along y
      // Diagonal wall: nx == ny goes to X-facing; a slope with nz == nx goes horizontal.
      {{{{0, 0, 0}, {64, 64, 0}, {64, 64, 64}}}, FaceClass::kXFacing},
      {{{{0, 0, 0}, {0, 64, 0}, {64, 64, 64}}}, FaceClass::kHorizontal},
      {{{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}}, FaceClass::kHorizontal},  // degenerate: all zero
      {{{{0, 0, 0}, {64, 0, 0}, {64, 1, 64}}}, FaceClass::kYFacing},
      // Products beyond the 64-bit range are still compared exactly.
      {{{{INT32_MIN, INT32_MIN, 0}, {INT32_MAX, INT32_MIN, 0}, {INT32_MAX, INT32_MAX, 1}}},
       FaceClass::kHorizontal},
      {{{{INT32_MIN, 0, INT32_MIN}, {INT32_MAX, 0, INT32_MIN}, {INT32_MAX, 1, INT32_MAX}}},
       FaceClass::kYFacing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyFace(c.points), c.expected)
        << c.points[0][0] << " " << c.points[1][0] << " " << c.points[2][0];
  }
}

}  // namespace
}  // namespace cw::compiler
