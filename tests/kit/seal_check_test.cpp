#include "support/seal_check.h"

#include <gtest/gtest.h>

#include <string>

namespace cw::testing {
namespace {

std::string BoxText(int x1, int x2, int y1, int y2, int z1, int z2) {
  auto p = [](int x, int y, int z) {
    return "( " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " ) ";
  };
  return "{\n" + p(x1, y1, z2) + p(x2, y1, z1) + p(x1, y1, z1) + "t 0 0 0 1 1\n" + p(x2, y1, z2) +
         p(x2, y2, z1) + p(x2, y1, z1) + "t 0 0 0 1 1\n" + p(x2, y2, z2) + p(x1, y2, z1) +
         p(x2, y2, z1) + "t 0 0 0 1 1\n" + p(x1, y2, z2) + p(x1, y1, z1) + p(x1, y2, z1) +
         "t 0 0 0 1 1\n" + p(x2, y2, z2) + p(x2, y1, z2) + p(x1, y1, z2) + "t 0 0 0 1 1\n" +
         p(x1, y1, z1) + p(x2, y1, z1) + p(x2, y2, z1) + "t 0 0 0 1 1\n}\n";
}

// A room 128 x 128 x 112 inside walls 16 thick; leaveOut drops one of its six brushes.
std::vector<MapEntity> Room(int leaveOut = -1) {
  const std::string walls[] = {
      BoxText(-80, 80, -80, 80, -16, 0),  BoxText(-80, 80, -80, 80, 112, 128),
      BoxText(-80, -64, -64, 64, 0, 112), BoxText(64, 80, -64, 64, 0, 112),
      BoxText(-80, 80, -80, -64, 0, 112), BoxText(-80, 80, 64, 80, 0, 112)};
  std::string text = "{\n\"classname\" \"worldspawn\"\n";
  for (int i = 0; i < 6; ++i) {
    if (i != leaveOut) text += walls[i];
  }
  text += "}\n{\n\"classname\" \"func_door\"\n" + BoxText(-80, 80, 64, 80, 0, 112) + "}\n";
  formats::ParsedMap map = formats::ParseMapText(text);
  EXPECT_TRUE(map.errors.empty());
  return map.entities;
}

TEST(SealCheckTest, AClosedRoomIsSealed) {
  WorldSolids world = CollectWorldSolids(Room());
  EXPECT_EQ(world.solids.size(), 6u);
  EXPECT_EQ(world.skipped, 0u);
  SealFlood flood(world.solids, 8);
  SealFlood::Result result = flood.Flood({0, 0, 32});
  EXPECT_TRUE(result.sealed);
  EXPECT_FALSE(result.startInSolid);
  EXPECT_EQ(result.reachedCubes, 16u * 16u * 14u);
  EXPECT_TRUE(flood.Reached({60, -60, 100}));
  EXPECT_FALSE(flood.Reached({0, 70, 32}));
}

TEST(SealCheckTest, ARoomMissingAnyWallLeaks) {
  // The door brush in the last wall's place does not close the room: only world brushes do.
  for (int missing = 0; missing < 6; ++missing) {
    WorldSolids world = CollectWorldSolids(Room(missing));
    SealFlood::Result result = SealFlood(world.solids, 8).Flood({0, 0, 32});
    EXPECT_FALSE(result.sealed) << missing;
    EXPECT_TRUE(result.leak) << missing;
  }
}

TEST(SealCheckTest, AStartInsideASolidOrOutsideEverythingIsNotSealed) {
  WorldSolids world = CollectWorldSolids(Room());
  SealFlood flood(world.solids, 8);
  SealFlood::Result inWall = flood.Flood({72, 0, 32});
  EXPECT_TRUE(inWall.startInSolid);
  EXPECT_FALSE(inWall.sealed);
  EXPECT_FALSE(flood.Flood({1000, 0, 0}).sealed);
  EXPECT_FALSE(SealFlood({}, 8).Flood({0, 0, 0}).sealed);
}

}  // namespace
}  // namespace cw::testing
