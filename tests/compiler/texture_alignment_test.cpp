#include "compiler/texture_alignment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cw::compiler {
namespace {

TextureFields Texture(double xOffset, double yOffset, std::int64_t rotation, float xScale,
                      float yScale) {
  TextureFields t;
  t.xOffset = xOffset;
  t.yOffset = yOffset;
  t.rotation = rotation;
  t.xScale = xScale;
  t.yScale = yScale;
  return t;
}

struct AlignCase {
  const char* what;
  FaceClass faceClass;
  std::int32_t flags;
  Point3 shift;
  TextureFields in;
  TextureFields expected;
};

void ExpectAligned(const AlignCase& c) {
  const TextureFields out = AlignTexture(c.faceClass, c.flags, c.shift, c.in);
  EXPECT_EQ(out.xOffset, c.expected.xOffset) << c.what;
  EXPECT_EQ(out.yOffset, c.expected.yOffset) << c.what;
  EXPECT_EQ(out.rotation, c.expected.rotation) << c.what;
  EXPECT_EQ(out.xScale, c.expected.xScale) << c.what;
  EXPECT_EQ(out.yScale, c.expected.yScale) << c.what;
  EXPECT_EQ(std::signbit(out.xScale), std::signbit(c.expected.xScale)) << c.what;
}

constexpr FaceClass kH = FaceClass::kHorizontal;
constexpr FaceClass kX = FaceClass::kXFacing;
constexpr FaceClass kY = FaceClass::kYFacing;

TEST(TextureAlignmentTest, WorkedExamples) {
  // Column 2, row 3, floor 0 with the default settings: Sx 256, Sy -384.
  const Point3 cell{256, -384, 0};
  const AlignCase cases[] = {
      {"flags 0", kH, 0, cell, Texture(16, 16, 0, 1, 1), Texture(-240, -368, 0, 1, 1)},
      {"flags 1", kH, 1, cell, Texture(16, 16, 0, 1, 1), Texture(272, -368, 0, -1, 1)},
      {"flags 4", kH, 4, cell, Texture(16, 16, 0, 1, 1), Texture(400, -240, 90, 1, 1)},
      {"truncation toward zero",
       kH,
       0,
       {128, 0, 0},
       Texture(1, 0, 0, 0.3f, 1),
       Texture(-425, 0, 0, 0.3f, 1)},
      {"single-precision scale",
       kH,
       0,
       {128, 0, 0},
       Texture(1, 0, 0, 0.1f, 1),
       Texture(-1278, 0, 0, 0.1f, 1)},
      {"wall on floor 2", kX, 0, {0, 0, 256}, Texture(0, 8, 0, 1, 1), Texture(0, 264, 0, 1, 1)},
      {"rotation not reduced", kH, 4, cell, Texture(0, 0, 300, 1, 1), Texture(0, 0, 390, 1, 1)},
  };
  for (const AlignCase& c : cases) ExpectAligned(c);
}

TEST(TextureAlignmentTest, HorizontalTable) {
  const Point3 s{256, -384, 640};
  // Offsets 10 and 20, scales 2 and 4: Sx/xs = 128 (or -128), Sy/ys = -96, Sy/xs = -192,
  // Sx/ys = 64.
  const AlignCase cases[] = {
      {"0", kH, 0, s, Texture(10, 20, 5, 2, 4), Texture(-118, -76, 5, 2, 4)},
      {"1", kH, 1, s, Texture(10, 20, 5, 2, 4), Texture(138, -76, 5, -2, 4)},
      {"2", kH, 2, s, Texture(10, 20, 5, 2, 4), Texture(-118, 116, 5, 2, -4)},
      {"3", kH, 3, s, Texture(10, 20, 5, 2, 4), Texture(138, 116, 5, -2, -4)},
      {"4", kH, 4, s, Texture(10, 20, 5, 2, 4), Texture(202, -44, 95, 2, 4)},
      {"5", kH, 5, s, Texture(10, 20, 5, 2, 4), Texture(202, 84, 95, 2, -4)},
      {"6", kH, 6, s, Texture(10, 20, 5, 2, 4), Texture(-182, -44, 95, -2, 4)},
      {"7", kH, 7, s, Texture(10, 20, 5, 2, 4), Texture(-182, 84, 95, -2, -4)},
      {"8", kH, 8, s, Texture(10, 20, 5, 2, 4), Texture(10, 20, 5, 2, 4)},
      {"-1", kH, -1, s, Texture(10, 20, 5, 2, 4), Texture(10, 20, 5, 2, 4)},
  };
  for (const AlignCase& c : cases) ExpectAligned(c);
}

TEST(TextureAlignmentTest, WallTables) {
  const Point3 s{256, -384, 640};
  // Offsets 10 and 20, scales 2 and 4: the y offset always gets Sz/ys = +160.
  const AlignCase cases[] = {
      {"X 0", kX, 0, s, Texture(10, 20, 5, 2, 4), Texture(202, 180, 5, 2, 4)},
      {"X 1", kX, 1, s, Texture(10, 20, 5, 2, 4), Texture(202, 180, 5, 2, 4)},
      {"X 2", kX, 2, s, Texture(10, 20, 5, 2, 4), Texture(-182, 180, 5, -2, 4)},
      {"X 3", kX, 3, s, Texture(10, 20, 5, 2, 4), Texture(-182, 180, 5, -2, 4)},
      {"X 4", kX, 4, s, Texture(10, 20, 5, 2, 4), Texture(138, 180, 5, -2, 4)},
      {"X 5", kX, 5, s, Texture(10, 20, 5, 2, 4), Texture(-118, 180, 5, 2, 4)},
      {"X 6", kX, 6, s, Texture(10, 20, 5, 2, 4), Texture(138, 180, 5, -2, 4)},
      {"X 7", kX, 7, s, Texture(10, 20, 5, 2, 4), Texture(-118, 180, 5, 2, 4)},
      {"X 9", kX, 9, s, Texture(10, 20, 5, 2, 4), Texture(10, 180, 5, 2, 4)},
      {"Y 0", kY, 0, s, Texture(10, 20, 5, 2, 4), Texture(-118, 180, 5, 2, 4)},
      {"Y 1", kY, 1, s, Texture(10, 20, 5, 2, 4), Texture(138, 180, 5, -2, 4)},
      {"Y 2", kY, 2, s, Texture(10, 20, 5, 2, 4), Texture(-118, 180, 5, 2, 4)},
      {"Y 3", kY, 3, s, Texture(10, 20, 5, 2, 4), Texture(138, 180, 5, -2, 4)},
      {"Y 4", kY, 4, s, Texture(10, 20, 5, 2, 4), Texture(202, 180, 5, 2, 4)},
      {"Y 5", kY, 5, s, Texture(10, 20, 5, 2, 4), Texture(202, 180, 5, 2, 4)},
      {"Y 6", kY, 6, s, Texture(10, 20, 5, 2, 4), Texture(-182, 180, 5, -2, 4)},
      {"Y 7", kY, 7, s, Texture(10, 20, 5, 2, 4), Texture(-182, 180, 5, -2, 4)},
      {"Y -5", kY, -5, s, Texture(10, 20, 5, 2, 4), Texture(10, 180, 5, 2, 4)},
  };
  for (const AlignCase& c : cases) ExpectAligned(c);
}

TEST(TextureAlignmentTest, OffsetsLeftAsTheyWere) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Point3 s{256, -384, 128};
  const AlignCase cases[] = {
      {"zero offsets stay zero", kH, 1, s, Texture(0, 0, 0, 1, 1), Texture(0, 0, 0, -1, 1)},
      {"zero offsets on a wall", kY, 6, s, Texture(0, 0, 0, 1, 1), Texture(0, 0, 0, -1, 1)},
      {"zero scale", kH, 0, s, Texture(5, 6, 0, 0, 0), Texture(5, 6, 0, 0, 0)},
      {"infinite scale divides to nothing", kH, 0, s, Texture(5, 6, 0, inf, inf),
       Texture(5, 6, 0, inf, inf)},
      {"zero shift", kH, 0, {0, 0, 0}, Texture(5, 6, 0, 3, 3), Texture(5, 6, 0, 3, 3)},
  };
  for (const AlignCase& c : cases) ExpectAligned(c);

  // A scale that is not a number leaves the offset as it was.
  const TextureFields out = AlignTexture(kH, 0, s, Texture(5, 6, 0, nan, nan));
  EXPECT_EQ(out.xOffset, 5);
  EXPECT_EQ(out.yOffset, 6);
}

TEST(TextureAlignmentTest, LargeCorrectionsStayExact) {
  // 2^40 / 2^-20 = 2^60: beyond 32 bits, exact in 64.
  const TextureFields out =
      AlignTexture(kH, 0, {INT64_C(1) << 40, 0, 0}, Texture(1, 0, 0, std::ldexp(1.0f, -20), 1));
  EXPECT_EQ(out.xOffset, 1.0 - std::ldexp(1.0, 60));
}

}  // namespace
}  // namespace cw::compiler
