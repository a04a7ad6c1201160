// An edit rebuilds the cells it touched and nothing else, and leaves the scene a full rebuild
// would make; a ray finds the cell of the face it meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/level_edit.h"
#include "document/list_edit.h"
#include "scene/ray_hit.h"
#include "scene/scene_test_support.h"

namespace cw::testing {
namespace {

// The vertices and triangles of floor 0's cells, less those of its batches: 0 and 0 when the
// batches hold every face as a fan of triangles.
std::pair<long, long> BatchesLessCells(scene::LevelScene& scene) {
  std::pair<long, long> difference;
  for (const scene::DrawBatch& batch : scene.Batches(0).batches) {
    difference.first += static_cast<long>(batch.vertices.size());
    difference.second += static_cast<long>(batch.indices.size() / 3);
  }
  for (const auto& [key, cell] : scene.floors().at(0).cells) {
    difference.first -= static_cast<long>(cell.vertices.size());
    for (const scene::FacePolygon& face : cell.faces) difference.second -= face.vertexCount - 2;
  }
  return difference;
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
  const std::uint64_t ground = scene.Batches(0).revision;
  const std::uint64_t upstairs = scene.Batches(1).revision;
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
    scene::LevelScene rebuilt;
    rebuilt.Rebuild(level, {}, templates);
    EXPECT_EQ(SceneText(scene), SceneText(rebuilt)) << e.what;
    if (e.record.floor == 0) {
      EXPECT_NE(scene.Batches(0).revision, ground) << e.what;
      EXPECT_EQ(BatchesLessCells(scene), std::make_pair(0L, 0L)) << e.what;
    }
    document::RevertEdit(level, done);
    scene.UpdateCells(level, {e.record.cell()});
    EXPECT_EQ(SceneText(scene), before) << e.what << ", undone";
  }
  // No other cell was built again: floor 1 kept its batches, the first cell its vertices.
  EXPECT_EQ(scene.Batches(1).revision, upstairs);
  EXPECT_EQ(scene.FindCell({0, 0, 0}), untouched);
  EXPECT_EQ(untouched->vertices.data(), untouchedVertices);
}

TEST(SceneUpdateTest, ARayFindsTheCellOfTheNearestFaceBelowTheCutAway) {
  compiler::MemoryTemplateSource templates = QuakeKitTemplates();
  document::Level level;
  level.BlockList = {"0 0 0 0 Floor", "0 1 0 0 Floor", "1 1 0 0 Floor"};
  scene::LevelScene scene;
  scene.Rebuild(level, {}, templates);
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
      // Sideways through the floor slabs, at a height of 4: the first one met.
      {{{500, 0, 4}, {-1, 0, 0}}, std::nullopt, document::Cell{0, 1, 0}},
      {{{0, 0, 1000}, {0, 0, 1}}, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<scene::RayHit> hit = scene::HitTest(scene, c.ray, c.highestFloor);
    EXPECT_EQ(hit ? std::optional(hit->cell) : std::nullopt, c.cell)
        << c.ray.origin.x << " " << c.ray.origin.z;
  }
}

}  // namespace
}  // namespace cw::testing
