// A face line read the compiler's way, field by field as sscanf reads it, and the lenient way.
#include "formats/face_line.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::formats {
namespace {

TEST(ScanFaceLineTest, ReadsEveryField) {
  const auto face = ScanFaceLine("( 1 -2 3 ) ( 4 5 -6 ) ( 7 8 9 ) BRICK/A1 16 -8 300 0.3 -2");
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

TEST(ScanFaceLineTest, AcceptsWhatTheFieldSearchAccepts) {
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
  for (const char* line : accepted) EXPECT_TRUE(ScanFaceLine(line)) << line;
}

TEST(ScanFaceLineTest, RejectsIncompleteLines) {
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
  for (const char* line : rejected) EXPECT_FALSE(ScanFaceLine(line)) << line;
}

TEST(ParseFaceLineTest, AQuake2FaceCarriesThreeNumbersOrNone) {
  const std::string face = "( 0 0 0 ) ( 1 0 0 ) ( 0 1 0 ) lamp 8 8 0 1 1";
  EXPECT_EQ(ParseFaceLine(face + " 134217728 1 -300")->surface,
            (SurfaceFields{134217728, 1, -300}));
  EXPECT_EQ(ParseFaceLine(face)->surface, std::nullopt);
  for (const char* tail : {" 1", " 1 2", " 1 2 x", " 1 2 3 4"}) {
    EXPECT_FALSE(ParseFaceLine(face + tail)) << tail;
    EXPECT_TRUE(HasBrokenSurfaceFields(face + tail)) << tail;
  }
}

}  // namespace
}  // namespace cw::formats
