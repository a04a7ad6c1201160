// The scene is the map that Build writes: the same brushes with the same planes, texels and
// entities, in all eight orientations.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "compiler/map_compiler.h"
#include "formats/map_text.h"
#include "platform/line_sink.h"
#include "scene/polyhedron.h"
#include "scene/scene_test_support.h"
#include "scene/texture_projection.h"

namespace cw::testing {
namespace {

// A wedge with a slanted face whose textures are turned and scaled.
const char* const kSlant =
    "{\n\"classname\" \"worldspawn\"\n{\n"
    "( -32 -32 0 ) ( 32 -32 0 ) ( 32 32 0 ) FLOOR 8 4 30 0.5 2\n"
    "( 32 32 0 ) ( 32 -32 0 ) ( 32 32 32 ) SIDE 3 5 0 0.3 1\n"
    "( 32 32 0 ) ( 32 32 32 ) ( -32 32 0 ) SIDE 0 0 45 1 1\n"
    "( -32 -32 0 ) ( 32 -32 32 ) ( 32 -32 0 ) SIDE 7 0 0 -1 1\n"
    "( -32 -32 0 ) ( -32 32 0 ) ( 32 32 32 ) SLOPE 16 16 0 1 1\n}\n}\n";

// A face as both sides give it: "texture family", and corners (x, y, z, s, t).
struct Face {
  std::string name;
  std::vector<std::array<double, 5>> corners;
};

// The map's faces in map order (the world's brushes, then the entities'), each polygon cut from
// the face planes of its brush and textured by the standard projection.
std::vector<Face> MapFaces(const formats::ParsedMap& map) {
  std::vector<Face> faces;
  for (const formats::MapEntity& entity : map.entities) {
    const std::string family = entity.ClassName() == "worldspawn"
                                   ? "world"
                                   : FamilyName(scene::BrushFamilyOf(entity.ClassName()));
    for (const formats::MapBrush& brush : entity.brushes) {
      const scene::BrushReport report = scene::CheckBrush(brush);
      if (!report.solid) ADD_FAILURE() << "brush at line " << brush.line;
      for (std::size_t i = 0; report.solid && i < brush.faces.size(); ++i) {
        const scene::TextureProjection projection =
            scene::ProjectTexture(brush.faces[i], *scene::FacePlane(brush.faces[i]));
        Face& face = faces.emplace_back(Face{brush.faces[i].texture + " " + family, {}});
        for (const scene::Vec3& p : report.solid->polygons[i]) {
          const scene::TexturePoint texel = scene::TextureAt(projection, p);
          face.corners.push_back({p.x, p.y, p.z, texel.s, texel.t});
        }
      }
    }
  }
  return faces;
}

// The scene's faces in the same order: the world's faces of each record's cell, then the
// entities' (each record has a cell of its own here).
std::vector<Face> SceneFaces(const scene::LevelScene& scene, const document::Level& level) {
  std::vector<Face> faces;
  for (const bool world : {true, false}) {
    for (const std::string& record : level.BlockList) {
      const scene::CellGeometry& cell = *scene.FindCell(*document::ParseCell(record));
      for (const scene::FacePolygon& polygon : cell.faces) {
        if ((polygon.family == scene::BrushFamily::kWorld) != world) continue;
        Face& face = faces.emplace_back(
            Face{scene.textures().Name(polygon.texture) + " " + FamilyName(polygon.family), {}});
        for (std::uint32_t i = 0; i < polygon.vertexCount; ++i) {
          const scene::Vertex& v = cell.vertices[polygon.firstVertex + i];
          face.corners.push_back({v.x, v.y, v.z, v.s, v.t});
        }
      }
    }
  }
  return faces;
}

TEST(SceneMatchesBuildTest, SameBrushesPlanesTexelsAndEntitiesInEveryOrientation) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  templates.Add("Slant", kSlant);
  settings::Settings settings;
  settings.block = {128, 128, 160, 64, -32, {}};
  document::Level level;
  const char* const kBlocks[] = {"Slant",    "Stairs", "Door",  "Button",
                                 "Teleport", "Light",  "Start", "TeleDest"};
  for (int row = 0; row < 8; ++row) {
    for (int flags = 0; flags < 8; ++flags) {
      level.BlockList.push_back(document::FormatBlockRecord(
          {flags % 3 - 1, flags, row, flags, kBlocks[row]}));  // on floors -1, 0 and 1
    }
  }
  level.LinkList = {"0 1 5 -1 6 1"};
  platform::TextLineSink out;
  ASSERT_TRUE(compiler::CompileMap(level, settings.block, templates, out).empty());
  const formats::ParsedMap map = formats::ParseMapText(out.text());
  ASSERT_TRUE(map.errors.empty()) << map.errors.front();
  scene::LevelScene scene;
  scene.Rebuild(level, settings, templates);

  const std::vector<Face> expected = MapFaces(map);
  const std::vector<Face> faces = SceneFaces(scene, level);
  ASSERT_EQ(faces.size(), expected.size());
  for (std::size_t i = 0; i < faces.size(); ++i) {
    ASSERT_EQ(faces[i].name, expected[i].name) << "face " << i;
    ASSERT_EQ(faces[i].corners.size(), expected[i].corners.size()) << "face " << i;
    for (std::size_t k = 0; k < faces[i].corners.size(); ++k) {
      for (int n = 0; n < 5; ++n) {
        // Floats: a thousandth of a unit, and of a texel besides a millionth of its value.
        const double want = expected[i].corners[k][n];
        ASSERT_NEAR(faces[i].corners[k][n], want, 1e-3 + (n < 3 ? 0 : 1e-6 * std::fabs(want)))
            << "face " << i << " " << faces[i].name << ", corner " << k << ", number " << n;
      }
    }
  }

  // Point entities where the map has them, sorted into their families.
  std::ostringstream points;
  std::string mapPoints;
  for (const std::string& record : level.BlockList) {
    for (const scene::PointEntity& p : scene.FindCell(*document::ParseCell(record))->points) {
      points << p.classname << " " << p.origin.x << " " << p.origin.y << " " << p.origin.z << "\n";
    }
  }
  for (const formats::MapEntity& entity : map.entities) {
    if (entity.brushes.empty() && entity.ClassName() != "trigger_relay") {
      mapPoints += entity.ClassName() + " " + entity.Value("origin").value_or("none") + "\n";
    }
  }
  EXPECT_EQ(points.str(), mapPoints);
  const scene::Vec3 from = scene.links().at(0).from;  // where the link's relay stands
  EXPECT_EQ((std::ostringstream() << from.x << " " << from.y << " " << from.z).str(),
            map.entities.back().Value("origin"));
  EXPECT_EQ(scene.FindCell({0, 4, 5})->points.at(0).family, scene::PointFamily::kLight);
  EXPECT_EQ(scene.FindCell({1, 2, 6})->points.at(0).family, scene::PointFamily::kPlayerStart);
  EXPECT_EQ(scene.FindCell({-1, 0, 7})->points.at(0).family,
            scene::PointFamily::kTeleportDestination);
}

}  // namespace
}  // namespace cw::testing
