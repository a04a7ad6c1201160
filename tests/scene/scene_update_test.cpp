// An edit rebuilds the cells it touched and nothing else, and leaves the scene a full rebuild
// would make; a ray finds the cell of the face it meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/level_edit.h"
#include "document/list_edit.h"
#include "scene/level_scene.h"
#include "scene/ray_hit.h"
#include "scene/scene_test_support.h"

namespace cw::testing {
namespace {

std::string RebuiltText(const document::Level& level, compiler::TemplateSource& templates) {
  scene::LevelScene fresh;
  fresh.Rebuild(level, {}, templates);
  return SceneText(fresh);
}

TEST(SceneUpdateTest, UpdatingTheCellsOfAPlaceAndOfItsUndoGivesTheRebuiltScene) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  document::Level level;
  level.BlockList = {"0 0 0 0 Wall", "0 1 0 4 Door", "1 0 0 0 Light", "0 2 0 0 Nowhere",
                     "0 3 3 5 Stairs"};
  level.LinkList = {"0 1 0 1 0 0"};
  scene::LevelScene scene;
  scene.Rebuild(level, {}, templates);
  const std::string before = SceneText(scene);
  const std::uint64_t upstairs = scene.floors().at(1).revision;
  const scene::CellGeometry* untouched = scene.FindCell({0, 0, 0});
  const scene::Vertex* untouchedVertices = untouched->vertices.data();

  struct Edit {
    const char* what;
    document::BlockRecord record;
  } edits[] = {
      {"a block replaced", {0, 1, 0, 7, "Teleport"}},
      {"a block placed in an empty cell", {0, 5, 6, 2, "Start"}},
      {"a block placed on a floor of its own", {-3, 1, 1, 0, "Pillar"}},
      {"a block erased", {0, 3, 3, 0, ""}},
      {"a missing template placed", {0, 3, 3, 0, "Nowhere"}},
  };
  for (const Edit& e : edits) {
    document::ListEdit done;
    ASSERT_NE(document::PlaceBlock(level, e.record, &done), document::Placement::kRefused);
    scene.UpdateCells(level, {e.record.cell()});
    EXPECT_EQ(SceneText(scene), RebuiltText(level, templates)) << e.what;

    document::RevertEdit(level, done);
    scene.UpdateCells(level, {e.record.cell()});
    EXPECT_EQ(SceneText(scene), before) << e.what << ", undone";
  }
  // No other cell was built again: floor 1 kept its revision, the first cell its vertices.
  EXPECT_EQ(scene.floors().at(1).revision, upstairs);
  EXPECT_EQ(scene.FindCell({0, 0, 0}), untouched);
  EXPECT_EQ(untouched->vertices.data(), untouchedVertices);
}

// The vertices and triangles of a floor's cells, and of its batches; the family of the batch of
// a texture.
struct FloorCount {
  std::size_t vertices = 0;
  std::size_t triangles = 0;
  bool operator==(const FloorCount&) const = default;
};

FloorCount CellsOf(const scene::LevelScene& scene, std::int32_t floor) {
  FloorCount count;
  for (const auto& [key, cell] : scene.floors().at(floor).cells) {
    count.vertices += cell.vertices.size();
    for (const scene::FacePolygon& face : cell.faces) count.triangles += face.vertexCount - 2;
  }
  return count;
}

FloorCount BatchesOf(scene::LevelScene& scene, std::int32_t floor) {
  FloorCount count;
  for (const scene::DrawBatch& batch : scene.Batches(floor).batches) {
    count.vertices += batch.vertices.size();
    count.triangles += batch.indices.size() / 3;
  }
  return count;
}

TEST(SceneUpdateTest, AFloorsBatchesHoldItsFacesAsTrianglesAndFollowItsChanges) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  document::Level level;
  level.BlockList = {"0 0 0 0 Door", "0 1 0 4 Door", "1 0 0 0 Floor"};
  scene::LevelScene scene;
  scene.Rebuild(level, {}, templates);
  EXPECT_EQ(BatchesOf(scene, 0), CellsOf(scene, 0));
  std::string doorFamily;
  for (const scene::DrawBatch& batch : scene.Batches(0).batches) {
    if (scene.textures().Name(batch.texture) == "cw_bronze_door") {
      doorFamily += FamilyName(batch.family);
    }
  }
  EXPECT_EQ(doorFamily, "door");

  const std::uint64_t ground = scene.Batches(0).revision;
  const std::uint64_t upstairs = scene.Batches(1).revision;
  ASSERT_EQ(document::PlaceBlock(level, {0, 0, 0, 0, ""}), document::Placement::kErased);
  scene.UpdateCells(level, {{0, 0, 0}});
  EXPECT_NE(scene.Batches(0).revision, ground);
  EXPECT_EQ(BatchesOf(scene, 0), CellsOf(scene, 0));
  EXPECT_EQ(scene.floors().at(0).cells.size(), 1u);
  EXPECT_EQ(scene.Batches(1).revision, upstairs);
}

TEST(SceneUpdateTest, ARayFindsTheCellOfTheNearestFaceBelowTheCutAway) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  const scene::LevelScene scene =
      SceneOf({"0 0 0 0 Floor", "0 1 0 0 Floor", "1 1 0 0 Floor"}, templates);
  const scene::Vec3 down{0, 0, -1};
  struct Case {
    scene::Ray ray;
    std::optional<std::int32_t> highestFloor;
    std::optional<document::Cell> cell;
  } cases[] = {
      {{{0, 0, 1000}, down}, std::nullopt, document::Cell{0, 0, 0}},
      {{{128, 0, 1000}, down}, std::nullopt, document::Cell{1, 1, 0}},
      {{{128, 0, 1000}, down}, 0, document::Cell{0, 1, 0}},
      {{{128, 0, 1000}, down}, -1, std::nullopt},
      // Sideways through the slab of column 0 first, at a height of 4.
      {{{-500, 0, 4}, {1, 0, 0}}, std::nullopt, document::Cell{0, 0, 0}},
      {{{500, 0, 4}, {-1, 0, 0}}, std::nullopt, document::Cell{0, 1, 0}},
      {{{0, 0, 1000}, {0, 0, 1}}, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<scene::RayHit> hit = scene::HitTest(scene, c.ray, c.highestFloor);
    ASSERT_EQ(hit.has_value(), c.cell.has_value()) << c.ray.origin.x << " " << c.ray.origin.z;
    if (hit) {
      EXPECT_EQ(hit->cell, *c.cell) << c.ray.origin.x << " " << c.ray.origin.z;
    }
  }
}

}  // namespace
}  // namespace cw::testing
