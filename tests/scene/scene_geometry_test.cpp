// The faces of placed blocks are the polygons of their brushes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "scene/level_scene.h"

namespace cw::testing {
namespace {

// The box -32..32 x -16..16 x 0..8, a texture per face: the walls facing -Y, +X, +Y and -X, the
// top and the bottom.
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

// The scene of a level of one record, and that record's cell.
struct OneBlock {
  explicit OneBlock(const std::string& record) {
    templates.Add("Box", kBox);
    templates.Add("Wedge", kWedge);
    document::Level level;
    level.BlockList = {record};
    scene.Rebuild(level, {}, templates);
    cell = scene.FindCell(*document::ParseCell(record));
  }
  compiler::MemoryTemplateSource templates;
  scene::LevelScene scene;
  const scene::CellGeometry* cell = nullptr;
};

// Each face as its texture and corners, from its smallest corner (by x, then y, then z) on, in
// their order: counter-clockwise seen from outside the brush.
std::string PolygonsText(const OneBlock& block) {
  std::string text;
  for (const scene::FacePolygon& face : block.cell->faces) {
    const auto first = block.cell->vertices.begin() + face.firstVertex;
    std::vector<scene::Vertex> corners(first, first + face.vertexCount);
    std::rotate(corners.begin(),
                std::min_element(corners.begin(), corners.end(),
                                 [](const auto& a, const auto& b) {
                                   return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
                                 }),
                corners.end());
    text += block.scene.textures().Name(face.texture);
    char corner[64];
    for (const scene::Vertex& v : corners) {
      std::snprintf(corner, sizeof corner, " (%g %g %g)", v.x, v.y, v.z);
      text += corner;
    }
    text += "\n";
  }
  return text;
}

TEST(SceneGeometryTest, FacesAreThePolygonsOfThePlacedBrushesCounterClockwiseFromOutside) {
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
      // Turned a quarter counter-clockwise, the slope rises towards +Y (as authored, towards +X).
      {"0 0 0 4 Wedge",
       "BOTTOM (-32 -32 0) (-32 32 0) (32 32 0) (32 -32 0)\n"
       "EAST (-32 32 0) (-32 32 32) (32 32 32) (32 32 0)\n"
       "NORTH (-32 -32 0) (-32 32 32) (-32 32 0)\n"
       "SOUTH (32 -32 0) (32 32 0) (32 32 32)\n"
       "SLOPE (-32 -32 0) (32 -32 0) (32 32 32) (-32 32 32)\n"},
  };
  for (const Case& c : cases) {
    const OneBlock block(c.record);
    ASSERT_NE(block.cell, nullptr) << c.record;
    EXPECT_EQ(PolygonsText(block), c.polygons) << c.record;
  }
}

}  // namespace
}  // namespace cw::testing
