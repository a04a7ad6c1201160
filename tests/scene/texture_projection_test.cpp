// Where the Quake compilers lay a face's texture: the axis plane closest to the face, turned by the
// rotation, divided by the scales and moved by the offsets.
#include "scene/texture_projection.h"

#include <gtest/gtest.h>

#include "formats/map_text.h"
#include "scene/polyhedron.h"

namespace cw::scene {
namespace {

TEST(TextureProjectionTest, AxisPlaneRotationScalesAndOffsets) {
  struct Case {
    const char* line;
    Vec3 point;
    double s;
    double t;
    bool fromAbove;
  } cases[] = {
      // A floor: x along +X, y along -Y; turned a quarter: x along +Y, y along +X.
      {"( 64 64 8 ) ( 64 -64 8 ) ( -64 -64 8 ) T 16 8 0 2 -1", {10, 20, 8}, 21, 28, true},
      {"( 64 64 8 ) ( 64 -64 8 ) ( -64 -64 8 ) T 16 8 450 1 1", {10, 20, 8}, 36, 18, true},
      {"( 64 64 8 ) ( 64 -64 8 ) ( -64 -64 8 ) T 16 8 -90 1 1", {10, 20, 8}, -4, -2, true},
      // A ceiling, facing down, is projected the same way.
      {"( -64 -64 120 ) ( 64 -64 120 ) ( 64 64 120 ) T 0 0 0 1 1", {10, 20, 120}, 10, -20, true},
      // A wall facing +X: x along +Y, y along -Z; one facing -Y: x along +X.
      {"( 64 -64 8 ) ( 64 64 0 ) ( 64 -64 0 ) T 0 8 0 1 1", {64, 20, 5}, 20, 3, false},
      {"( -64 -64 8 ) ( 64 -64 0 ) ( -64 -64 0 ) T 4 0 0 1 1", {10, -64, 5}, 14, -5, false},
      // Half way between +X and +Y the wall facing +X comes first.
      {"( 24 10 120 ) ( 10 24 8 ) ( 24 10 8 ) T 0 0 0 1 1", {17, 17, 50}, 17, -50, false},
  };
  for (const Case& c : cases) {
    const std::optional<formats::MapFace> face = formats::ParseFaceLine(c.line);
    ASSERT_TRUE(face) << c.line;
    const TextureProjection projection = ProjectTexture(*face, *FacePlane(*face));
    const TexturePoint at = TextureAt(projection, c.point);
    EXPECT_NEAR(at.s, c.s, 1e-9) << c.line;
    EXPECT_NEAR(at.t, c.t, 1e-9) << c.line;
    EXPECT_EQ(projection.fromAbove, c.fromAbove) << c.line;
  }
}

}  // namespace
}  // namespace cw::scene
