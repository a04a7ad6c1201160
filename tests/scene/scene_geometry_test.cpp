// The faces of placed blocks: their polygons, their texture coordinates, and what entities become.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "scene/level_scene.h"
#include "scene/scene_test_support.h"

namespace cw::testing {
namespace {

// The box -32..32 x -16..16 x 0..8, a face per texture: the wall facing -Y, +X, +Y, -X, the top,
// the bottom.
const char* const kBox =
    "{\n\"classname\" \"worldspawn\"\n{\n"
    "( -32 -16 8 ) ( 32 -16 0 ) ( -32 -16 0 ) SOUTH 0 0 0 0.5 2\n"
    "( 32 -16 8 ) ( 32 16 0 ) ( 32 -16 0 ) EAST 4 8 0 1 1\n"
    "( 32 16 8 ) ( -32 16 0 ) ( 32 16 0 ) NORTH 0 0 0 1 1\n"
    "( -32 16 8 ) ( -32 -16 0 ) ( -32 16 0 ) WEST 0 0 0 1 1\n"
    "( 32 16 8 ) ( 32 -16 8 ) ( -32 -16 8 ) TOP 16 8 0 1 1\n"
    "( -32 -16 0 ) ( 32 -16 0 ) ( 32 16 0 ) BOTTOM 0 0 0 1 1\n}\n}\n";

// A wedge on -32..32 x -32..32 whose top slopes from z 0 at x -32 to z 32 at x 32.
const char* const kWedge =
    "{\n\"classname\" \"worldspawn\"\n{\n"
    "( -32 -32 0 ) ( 32 -32 0 ) ( 32 32 0 ) BOTTOM 0 0 0 1 1\n"
    "( 32 32 0 ) ( 32 -32 0 ) ( 32 32 32 ) EAST 0 0 0 1 1\n"
    "( 32 32 0 ) ( 32 32 32 ) ( -32 32 0 ) NORTH 0 0 0 1 1\n"
    "( -32 -32 0 ) ( 32 -32 32 ) ( 32 -32 0 ) SOUTH 0 0 0 1 1\n"
    "( -32 -32 0 ) ( -32 32 0 ) ( 32 32 32 ) SLOPE 0 0 0 1 1\n}\n}\n";

std::string Coordinate(float value) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", std::round(value * 100) / 100 + 0.0);
  return text;
}

// Each face as its texture and corners, from its smallest corner (by x, then y, then z) on, in
// their order: counter-clockwise seen from outside the brush.
std::string PolygonsText(const scene::LevelScene& scene, const scene::CellGeometry& cell) {
  std::string text;
  for (const scene::FacePolygon& face : cell.faces) {
    const auto first = cell.vertices.begin() + face.firstVertex;
    std::vector<scene::Vertex> corners(first, first + face.vertexCount);
    const auto smallest = std::min_element(corners.begin(), corners.end(), [](auto& a, auto& b) {
      return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
    });
    std::rotate(corners.begin(), smallest, corners.end());
    text += scene.textures().Name(face.texture);
    for (const scene::Vertex& v : corners) {
      text += " (" + Coordinate(v.x) + " " + Coordinate(v.y) + " " + Coordinate(v.z) + ")";
    }
    text += "\n";
  }
  return text;
}

TEST(SceneGeometryTest, FacesAreThePolygonsOfThePlacedBrushesCounterClockwiseFromOutside) {
  compiler::MemoryTemplateSource templates;
  templates.Add("Box", kBox);
  templates.Add("Wedge", kWedge);
  struct Case {
    const char* record;
    const char* polygons;
  } cases[] = {
      // Column 1, row 2: the template's origin goes to (128, -256, 0).
      {"0 1 2 0 Box",
       "SOUTH (96 -272 0) (160 -272 0) (160 -272 8) (96 -272 8)\n"
       "EAST (160 -272 0) (160 -240 0) (160 -240 8) (160 -272 8)\n"
       "NORTH (96 -240 0) (96 -240 8) (160 -240 8) (160 -240 0)\n"
       "WEST (96 -272 0) (96 -272 8) (96 -240 8) (96 -240 0)\n"
       "TOP (96 -272 8) (160 -272 8) (160 -240 8) (96 -240 8)\n"
       "BOTTOM (96 -272 0) (96 -240 0) (160 -240 0) (160 -272 0)\n"},
      {"0 0 0 0 Wedge",
       "BOTTOM (-32 -32 0) (-32 32 0) (32 32 0) (32 -32 0)\n"
       "EAST (32 -32 0) (32 32 0) (32 32 32) (32 -32 32)\n"
       "NORTH (-32 32 0) (32 32 32) (32 32 0)\n"
       "SOUTH (-32 -32 0) (32 -32 0) (32 -32 32)\n"
       "SLOPE (-32 -32 0) (32 -32 32) (32 32 32) (-32 32 0)\n"},
      // Turned a quarter counter-clockwise: the slope now rises towards +Y.
      {"0 0 0 4 Wedge",
       "BOTTOM (-32 -32 0) (-32 32 0) (32 32 0) (32 -32 0)\n"
       "EAST (-32 32 0) (-32 32 32) (32 32 32) (32 32 0)\n"
       "NORTH (-32 -32 0) (-32 32 32) (-32 32 0)\n"
       "SOUTH (32 -32 0) (32 32 0) (32 32 32)\n"
       "SLOPE (-32 -32 0) (32 -32 0) (32 32 32) (-32 32 32)\n"},
  };
  for (const Case& c : cases) {
    const scene::LevelScene scene = SceneOf({c.record}, templates);
    ASSERT_EQ(scene.floors().size(), 1u) << c.record;
    const auto& cells = scene.floors().begin()->second.cells;
    ASSERT_EQ(cells.size(), 1u) << c.record;
    EXPECT_EQ(PolygonsText(scene, cells.begin()->second), c.polygons) << c.record;
  }
}

// The standard Quake projection of the face's texture once Build has realigned it for the cell:
// on a moved, turned or mirrored block the texture lies as on the template, so each template
// corner keeps its texels.
TEST(SceneGeometryTest, TexelsFollowTheRealignedTextureOfEachCell) {
  compiler::MemoryTemplateSource templates;
  templates.Add("Box", kBox);
  struct Case {
    const char* record;
    const char* texture;
    double x, y, z;  // the placed corner
    double s, t;
  } cases[] = {
      // The top of the template: s = x + 16, t = -y + 8 at the template corner (32, 16, 8).
      {"0 0 0 0 Box", "TOP", 32, 16, 8, 48, -8},
      // Moved to (256, -384): offsets -240 and -376.
      {"0 2 3 0 Box", "TOP", 288, -368, 8, 48, -8},
      // Turned: rotation 90, s along +Y with offset 400, t along +X with offset -248.
      {"0 2 3 4 Box", "TOP", 240, -352, 8, 48, -8},
      // Mirrored in X: the x scale is -1.
      {"0 0 0 1 Box", "TOP", -32, 16, 8, 48, -8},
      // A wall on floor 2: its y offset grows by 256 as the wall rises by 256.
      {"2 0 0 0 Box", "EAST", 32, 16, 264, 20, 0},
      // Scales 0.5 and 2, offsets 0 (they stay 0): s = x / 0.5, t = -z / 2.
      {"0 1 0 0 Box", "SOUTH", 160, -16, 8, 320, -4},
  };
  for (const Case& c : cases) {
    const scene::LevelScene scene = SceneOf({c.record}, templates);
    const scene::CellGeometry* cell = scene.FindCell(*document::ParseCell(c.record));
    ASSERT_NE(cell, nullptr) << c.record;
    const scene::Vertex* corner = CornerAt(scene, *cell, c.texture, c.x, c.y, c.z);
    ASSERT_NE(corner, nullptr) << c.record << " " << c.texture;
    EXPECT_NEAR(corner->s, c.s, 1e-4) << c.record << " " << c.texture;
    EXPECT_NEAR(corner->t, c.t, 1e-4) << c.record << " " << c.texture;
  }
}

TEST(SceneGeometryTest, EntitiesArePlacedAndSortedIntoFamilies) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  const scene::LevelScene scene = SceneOf({"0 2 1 0 Light", "1 0 0 0 Start", "0 1 1 3 TeleDest",
                                           "0 3 0 0 Door", "0 4 0 0 Button", "0 5 0 0 Teleport"},
                                          templates);
  struct Point {
    document::Cell cell;
    const char* text;
  } points[] = {
      {{0, 2, 1}, "light/light (256 -128 88)"},
      {{1, 0, 0}, "info_player_start/start (0 0 160)"},
      {{0, 1, 1}, "info_teleport_destination/destination (128 -128 36)"},
  };
  const char* const kFamilies[] = {"start", "light", "destination", "other"};
  for (const Point& p : points) {
    const scene::CellGeometry* cell = scene.FindCell(p.cell);
    ASSERT_NE(cell, nullptr) << p.text;
    ASSERT_EQ(cell->points.size(), 1u) << p.text;
    const scene::PointEntity& point = cell->points[0];
    const std::string text = point.classname + "/" + kFamilies[static_cast<int>(point.family)] +
                             " (" + Coordinate(static_cast<float>(point.origin.x)) + " " +
                             Coordinate(static_cast<float>(point.origin.y)) + " " +
                             Coordinate(static_cast<float>(point.origin.z)) + ")";
    EXPECT_EQ(text, p.text);
  }
  struct Brushes {
    document::Cell cell;
    const char* texture;
    const char* family;
  } brushes[] = {
      {{0, 3, 0}, "cw_bronze_door", "door"},
      {{0, 4, 0}, "cw_rune_button", "button"},
      {{0, 5, 0}, "cw_trigger", "trigger"},
      {{0, 5, 0}, "cw_rubble", "world"},
  };
  for (const Brushes& b : brushes) {
    const scene::CellGeometry* cell = scene.FindCell(b.cell);
    ASSERT_NE(cell, nullptr) << b.texture;
    const auto face = std::find_if(cell->faces.begin(), cell->faces.end(), [&](auto& f) {
      return scene.textures().Name(f.texture) == b.texture;
    });
    ASSERT_NE(face, cell->faces.end()) << b.texture;
    EXPECT_STREQ(FamilyName(face->family), b.family) << b.texture;
  }
}

}  // namespace
}  // namespace cw::testing
