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
#include "scene/entity_family.h"
#include "scene/level_scene.h"
#include "scene/polyhedron.h"
#include "scene/scene_test_support.h"
#include "scene/texture_projection.h"

namespace cw::testing {
namespace {

// A wedge with a slanted face, and a brush entity, whose textures are turned and scaled.
const char* const kSlant =
    "{\n\"classname\" \"worldspawn\"\n{\n"
    "( -32 -32 0 ) ( 32 -32 0 ) ( 32 32 0 ) FLOOR 8 4 30 0.5 2\n"
    "( 32 32 0 ) ( 32 -32 0 ) ( 32 32 32 ) SIDE 3 5 0 0.3 1\n"
    "( 32 32 0 ) ( 32 32 32 ) ( -32 32 0 ) SIDE 0 0 45 1 1\n"
    "( -32 -32 0 ) ( 32 -32 32 ) ( 32 -32 0 ) SIDE 7 0 0 -1 1\n"
    "( -32 -32 0 ) ( -32 32 0 ) ( 32 32 32 ) SLOPE 16 16 0 1 1\n}\n}\n"
    "{\n\"classname\" \"func_wall\"\n{\n"
    "( -8 -8 48 ) ( 8 -8 40 ) ( -8 -8 40 ) PANEL 2 3 0 1 1\n"
    "( 8 -8 48 ) ( 8 8 40 ) ( 8 -8 40 ) PANEL 2 3 0 1 1\n"
    "( 8 8 48 ) ( -8 8 40 ) ( 8 8 40 ) PANEL 2 3 0 1 1\n"
    "( -8 8 48 ) ( -8 -8 40 ) ( -8 8 40 ) PANEL 2 3 0 1 1\n"
    "( 8 8 48 ) ( 8 -8 48 ) ( -8 -8 48 ) PANEL 2 3 0 1 1\n"
    "( -8 -8 40 ) ( 8 -8 40 ) ( 8 8 40 ) PANEL 2 3 0 1 1\n}\n}\n";

// A face as both sides give it: texture, family and corners (x, y, z, s, t).
struct Face {
  std::string texture;
  std::string family;
  std::vector<std::array<double, 5>> corners;
};

// The map's faces: world brushes first, then those of the entities, in map order, each polygon
// cut from the face planes of its brush and textured by the standard projection.
std::vector<Face> MapFaces(const formats::ParsedMap& map) {
  std::vector<Face> faces;
  for (const formats::MapEntity& entity : map.entities) {
    const std::string classname = entity.ClassName();
    const std::string family =
        classname == "worldspawn" ? "world" : FamilyName(scene::BrushFamilyOf(classname));
    for (const formats::MapBrush& brush : entity.brushes) {
      const scene::BrushReport report = scene::CheckBrush(brush);
      EXPECT_TRUE(report.solid) << "brush at line " << brush.line;
      if (!report.solid) continue;
      for (std::size_t i = 0; i < brush.faces.size(); ++i) {
        const formats::MapFace& mapFace = brush.faces[i];
        const scene::TextureProjection projection =
            scene::ProjectTexture(mapFace, *scene::FacePlane(mapFace));
        Face face{mapFace.texture, family, {}};
        for (const scene::Vec3& p : report.solid->polygons[i]) {
          const scene::TexturePoint texel = scene::TextureAt(projection, p);
          face.corners.push_back({p.x, p.y, p.z, texel.s, texel.t});
        }
        faces.push_back(std::move(face));
      }
    }
  }
  return faces;
}

// The scene's faces in the same order: for each record, the world brushes of its cell, then for
// each record the brushes of its entities (each record has a cell of its own here).
std::vector<Face> SceneFaces(const scene::LevelScene& scene, const document::Level& level) {
  std::vector<Face> faces;
  for (const bool world : {true, false}) {
    for (const std::string& record : level.BlockList) {
      const scene::CellGeometry* cell = scene.FindCell(*document::ParseCell(record));
      if (cell == nullptr) continue;
      for (const scene::FacePolygon& polygon : cell->faces) {
        if ((polygon.family == scene::BrushFamily::kWorld) != world) continue;
        Face face{scene.textures().Name(polygon.texture), FamilyName(polygon.family), {}};
        for (std::uint32_t i = 0; i < polygon.vertexCount; ++i) {
          const scene::Vertex& v = cell->vertices[polygon.firstVertex + i];
          face.corners.push_back({v.x, v.y, v.z, v.s, v.t});
        }
        faces.push_back(std::move(face));
      }
    }
  }
  return faces;
}

std::string PointsOfMap(const formats::ParsedMap& map) {
  std::string text;
  for (const formats::MapEntity& entity : map.entities) {
    if (entity.brushes.empty() && entity.ClassName() != "trigger_relay") {
      text += entity.ClassName() + " " + entity.Value("origin").value_or("none") + "\n";
    }
  }
  return text;
}

std::string PointsOfScene(const scene::LevelScene& scene, const document::Level& level) {
  std::ostringstream text;
  for (const std::string& record : level.BlockList) {
    const scene::CellGeometry* cell = scene.FindCell(*document::ParseCell(record));
    for (const scene::PointEntity& point :
         cell ? cell->points : std::vector<scene::PointEntity>{}) {
      text << point.classname << " " << point.origin.x << " " << point.origin.y << " "
           << point.origin.z << "\n";
    }
  }
  return text.str();
}

TEST(SceneMatchesBuildTest, SameBrushesPlanesTexelsAndEntitiesInEveryOrientation) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  templates.Add("Slant", kSlant);
  settings::Settings settings;
  settings.block = {128, 128, 160, 64, -32, {}};
  document::Level level;
  const char* const kBlocks[] = {"Slant", "Stairs", "Door", "Button", "Teleport", "Light", "Start"};
  for (int row = 0; row < 7; ++row) {
    for (int flags = 0; flags < 8; ++flags) {
      level.BlockList.push_back(std::to_string(flags % 3 - 1) + " " + std::to_string(flags) + " " +
                                std::to_string(row) + " " + std::to_string(flags) + " " +
                                kBlocks[row]);
    }
  }
  level.LinkList = {"-1 0 0 1 2 3", "0 1 5 -1 6 1"};

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
    const Face& face = faces[i];
    const Face& want = expected[i];
    ASSERT_EQ(face.texture + " " + face.family, want.texture + " " + want.family) << "face " << i;
    ASSERT_EQ(face.corners.size(), want.corners.size()) << "face " << i;
    for (std::size_t k = 0; k < face.corners.size(); ++k) {
      for (int n = 0; n < 5; ++n) {
        // Floats: a thousandth of a unit; texels relative to their size.
        const double tolerance = n < 3 ? 1e-3 : 1e-3 + 1e-6 * std::fabs(want.corners[k][n]);
        ASSERT_NEAR(face.corners[k][n], want.corners[k][n], tolerance)
            << "face " << i << " " << face.texture << ", corner " << k << ", number " << n;
      }
    }
  }
  EXPECT_EQ(PointsOfScene(scene, level), PointsOfMap(map));

  // A link's line starts where its relay stands.
  ASSERT_EQ(scene.links().size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const scene::Vec3& from = scene.links()[i].from;
    std::ostringstream origin;
    origin << from.x << " " << from.y << " " << from.z;
    EXPECT_EQ(origin.str(), map.entities[map.entities.size() - 2 + i].Value("origin"));
  }
}

}  // namespace
}  // namespace cw::testing
