// The demo level in kit/works: it uses the whole kit, builds into sound brushes, is sealed, and
// its button, trigger and teleporter reach what they should.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "document/level_file.h"
#include "document/records.h"
#include "formats/map_text.h"
#include "kit/kit_fixture.h"
#include "scene/polyhedron.h"
#include "support/level_bytes.h"
#include "support/seal_check.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

const char* kDemo = "works/Demo.pwl";

document::Level DemoLevel(Kit kit = Kit::kQuake) {
  document::Level records = document::ParseLevelFileText(ReadKitFile(kDemo, kit));
  document::Level level;
  level.BlockList = records.BlockList;
  level.LinkList = records.LinkList;
  return level;
}

// The entities of the built map by classname, in map order.
std::multimap<std::string, formats::MapEntity> ByClass(const formats::ParsedMap& map) {
  std::multimap<std::string, formats::MapEntity> entities;
  for (const auto& entity : map.entities) entities.emplace(entity.ClassName(), entity);
  return entities;
}

scene::Vec3 Origin(const formats::MapEntity& entity) {
  scene::Vec3 p;
  EXPECT_EQ(
      std::sscanf(entity.Value("origin").value_or("").c_str(), "%lf %lf %lf", &p.x, &p.y, &p.z), 3);
  return p;
}

// All but the test of the Quake entities hold for every kit's demo.
class DemoLevelTest : public ::testing::TestWithParam<Kit> {};
INSTANTIATE_TEST_SUITE_P(Kits, DemoLevelTest,
                         ::testing::Values(Kit::kQuake, Kit::kQuake2, Kit::kHeretic2));

TEST_P(DemoLevelTest, TheFileIsALevelFileThatUsesEveryBlockOnTwoFloors) {
  std::string bytes = ReadKitFile(kDemo, GetParam());
  document::Level level = DemoLevel(GetParam());
  EXPECT_EQ(LevelBytes(level), bytes) << "not byte for byte as Save writes it";
  std::set<std::string> used;
  std::set<int> floors;
  std::set<std::pair<int, std::pair<int, int>>> cells;
  for (const std::string& text : level.BlockList) {
    auto record = document::ParseBlockRecord(text);
    ASSERT_TRUE(record) << text;
    used.insert(record->name);
    floors.insert(record->floor);
    EXPECT_TRUE(cells.insert({record->floor, {record->column, record->row}}).second)
        << "two blocks in one cell: " << text;
  }
  for (const std::string& name : KitBlockNames(GetParam())) {
    EXPECT_TRUE(used.count(name)) << name;
  }
  EXPECT_GE(floors.size(), 2u);
  bool linkBetweenFloors = false;
  for (const std::string& text : level.LinkList) {
    auto link = document::ParseLinkRecord(text);
    ASSERT_TRUE(link) << text;
    linkBetweenFloors |= link->startFloor != link->endFloor;
  }
  EXPECT_TRUE(linkBetweenFloors);
}

TEST_P(DemoLevelTest, ItBuildsIntoClosedConvexBrushes) {
  formats::ParsedMap map = ParseOrFail(CompileWithKit(DemoLevel(GetParam()), GetParam()));
  std::size_t brushes = 0;
  for (const auto& entity : map.entities) {
    for (const auto& brush : entity.brushes) {
      ++brushes;
      EXPECT_THAT(scene::CheckBrush(brush).problems, ::testing::IsEmpty())
          << "brush at line " << brush.line;
    }
  }
  EXPECT_GT(brushes, 100u);
}

TEST_P(DemoLevelTest, ItIsSealedAndEveryRoomIsReachableFromTheStart) {
  formats::ParsedMap map = ParseOrFail(CompileWithKit(DemoLevel(GetParam()), GetParam()));
  auto entities = ByClass(map);
  ASSERT_EQ(entities.count("info_player_start"), 1u);
  scene::Vec3 start = Origin(entities.find("info_player_start")->second);
  WorldSolids world = CollectWorldSolids(map.entities);
  EXPECT_EQ(world.skipped, 0u);
  SealFlood flood(world.solids, 8);
  SealFlood::Result result = flood.Flood(start);
  EXPECT_FALSE(result.startInSolid);
  scene::Vec3 leak = result.leak.value_or(scene::Vec3{});
  EXPECT_TRUE(result.sealed) << "leak near " << leak.x << " " << leak.y << " " << leak.z;
  // Up the stairs to the teleporter's room on floor 1, and the stub beyond its doorway.
  EXPECT_TRUE(flood.Reached({13 * 128, -1 * 128, 128 + 40}));
  EXPECT_TRUE(flood.Reached({13 * 128, -4 * 128, 128 + 40}));
  EXPECT_TRUE(flood.Reached({10 * 128, -1 * 128, 100}));  // above the middle step
}

TEST_P(DemoLevelTest, WithoutOneOfItsWallsItLeaks) {
  // The check is not vacuous: taking out a wall of the first room opens the level.
  document::Level level = DemoLevel(GetParam());
  auto wall = std::find(level.BlockList.begin(), level.BlockList.end(), "0 1 3 2 Wall");
  ASSERT_NE(wall, level.BlockList.end());
  level.BlockList.erase(wall);
  formats::ParsedMap map = ParseOrFail(CompileWithKit(level, GetParam()));
  WorldSolids world = CollectWorldSolids(map.entities);
  scene::Vec3 start = Origin(ByClass(map).find("info_player_start")->second);
  EXPECT_FALSE(SealFlood(world.solids, 8).Flood(start).sealed);
}

TEST(QuakeDemoLevelTest, ButtonTriggerAndTeleporterReachTheirTargets) {
  auto entities = ByClass(ParseOrFail(CompileWithKit(DemoLevel())));
  auto only = [&](const std::string& className) {
    EXPECT_EQ(entities.count(className), 1u) << className;
    return entities.find(className)->second;
  };
  std::set<std::string> doors;
  for (auto [it, end] = entities.equal_range("func_door"); it != end; ++it) {
    doors.insert(it->second.Value("targetname").value_or(""));
  }
  // The button in cell (0, 1, 0) opens the door of cell (0, 3, 1) directly, without a relay.
  EXPECT_EQ(only("func_button").Value("target"), "t0500301");
  EXPECT_TRUE(doors.count("t0500301"));
  // The trigger in cell (0, 7, 1) fires its own name, which the one relay passes to the door of
  // cell (0, 9, 1).
  EXPECT_EQ(only("trigger_multiple").Value("target"), "t0500701");
  formats::MapEntity relay = only("trigger_relay");
  EXPECT_EQ(relay.Value("targetname"), "t0500701");
  EXPECT_EQ(relay.Value("target"), "t0500901");
  EXPECT_TRUE(doors.count("t0500901"));
  // The teleporter on floor 1 sends the player to the destination on floor 0.
  EXPECT_EQ(only("trigger_teleport").Value("target"),
            only("info_teleport_destination").Value("targetname"));
}

TEST_P(DemoLevelTest, CryptwrightBuildWritesTheSameMapInTheKitFolder) {
  TempDir dir;
  std::string out = dir.File("Demo.map");
  ShellRun run = Shell("cd " + Quoted(KitFolder(GetParam())) + " && " +
                       Quoted(CW_TOOL_CRYPTWRIGHT_BUILD) + " " + kDemo + " " + Quoted(out));
  EXPECT_EQ(run.status, 0) << run.output;
  // The log names nothing to mend.
  EXPECT_EQ(run.output.find("problem: "), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("warning: "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\nCheck: 0 problems, 0 warnings\nmap written: "), std::string::npos)
      << run.output;
  EXPECT_EQ(ReadFileBytes(out), CompileWithKit(DemoLevel(GetParam()), GetParam()));
}

}  // namespace
}  // namespace cw::testing
