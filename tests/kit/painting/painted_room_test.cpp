// The kits' Wall family: a room, a lone cell and a corridor painted cell by cell get their
// corners, walls and ends turned without a touch of the orientation boxes, and compile sealed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor/family_file.h"
#include "editor/family_painting.h"
#include "kit/kit_fixture.h"
#include "support/seal_check.h"

namespace cw::testing {
namespace {

class PaintedRoomTest : public ::testing::TestWithParam<Kit> {};
INSTANTIATE_TEST_SUITE_P(Kits, PaintedRoomTest,
                         ::testing::Values(Kit::kQuake, Kit::kQuake2, Kit::kHeretic2));

TEST_P(PaintedRoomTest, TheWallFamilyPaintsClosedSpacesThatCompileSealed) {
  const editor::FamiliesRead read = editor::ReadFamiliesFile(KitPath("Families.ini", GetParam()));
  EXPECT_THAT(read.warnings, ::testing::IsEmpty());
  const editor::Family* wall = read.set.Find("Wall");
  ASSERT_NE(wall, nullptr);
  document::Level level;
  // A room of 3 by 3 cells row by row, a lone cell, a corridor of three cells left to right.
  std::vector<document::Cell> painted;
  for (int row = 1; row <= 3; ++row)
    for (int column = 1; column <= 3; ++column) painted.push_back({0, column, row});
  painted.push_back({0, 6, 1});
  for (int column = 6; column <= 8; ++column) painted.push_back({0, column, 3});
  for (const document::Cell& cell : painted) editor::PaintFamily(level, read.set, *wall, cell);
  // A cell goes to the end of the list when it gets its piece, and again when a neighbour
  // painted later changes it.
  EXPECT_EQ(level.BlockList,
            (std::vector<std::string>{
                "0 1 1 0 Corner", "0 2 1 0 Wall", "0 3 1 1 Corner", "0 1 2 4 Wall", "0 2 2 0 Floor",
                "0 1 3 2 Corner", "0 3 3 3 Corner", "0 3 2 5 Wall", "0 2 3 2 Wall", "0 6 1 0 Cell",
                "0 6 3 4 WallEnd", "0 8 3 5 WallEnd", "0 7 3 4 Corridor"}));

  const formats::ParsedMap map = ParseOrFail(CompileWithKit(level, GetParam()));
  const testing::WorldSolids world = testing::CollectWorldSolids(map.entities);
  EXPECT_EQ(world.skipped, 0u);
  testing::SealFlood flood(world.solids, 8);
  // The middle of the room, the lone cell and the corridor, 64 units above the floor.
  for (const scene::Vec3 inside :
       {scene::Vec3{256, -256, 64}, scene::Vec3{768, -128, 64}, scene::Vec3{896, -384, 64}}) {
    const testing::SealFlood::Result result = flood.Flood(inside);
    EXPECT_FALSE(result.startInSolid) << inside.x << " " << inside.y;
    EXPECT_TRUE(result.sealed) << inside.x << " " << inside.y;
  }
}

}  // namespace
}  // namespace cw::testing
