#include "compiler/face_line.h"

#include <gtest/gtest.h>

namespace cw::compiler {
namespace {

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
