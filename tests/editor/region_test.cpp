// Regions: copy, cut, paste across floors, turns and mirrors, with their links and the built map.
#include "editor/region_transform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "compiler/map_compiler.h"
#include "editor/painting_test_support.h"
#include "editor/region_copy.h"
#include "platform/line_sink.h"

namespace cw::editor {
namespace {

using document::kFlipX;
using document::kFlipY;
using document::kRotate;
using testing::Lists;
using testing::MakeLevel;
using Strings = std::vector<std::string>;

constexpr Grid kGrid{8, 8};

TEST(Regions, TurnedFourTimesOrMirroredTwiceARegionIsTheOriginal) {
  const document::Level original =
      MakeLevel({"0 1 1 0 A", "0 2 1 5 B", "1 2 1 0 C", "0 3 2 6 A", "0 6 6 0 D"},
                {"0 1 1 0 3 2", "0 2 1 0 6 6", "0 3 2 1 3 2"});
  const Region region{0, 1, 1, 3, 2};
  struct Case {
    std::int32_t turn;
    int times;
  };
  for (const Case c : {Case{kRotate, 4}, Case{kFlipX, 2}, Case{kFlipY, 2}, Case{7, 4}}) {
    document::Level level = original;
    Region turned = region;
    for (int i = 0; i < c.times; ++i) {
      ASSERT_FALSE(TurnRegion(level, turned, c.turn, kGrid).empty());
      turned = TurnedRegion(turned, c.turn);
      if (i == 0) {
        EXPECT_NE(Lists(level), Lists(original)) << c.turn;
      }
    }
    EXPECT_EQ(Lists(level), Lists(original)) << c.turn;
  }
}

TEST(Regions, AQuarterTurnMovesCellsFlagsAndInnerLinksOnly) {
  document::Level level = MakeLevel({"0 1 1 0 A", "0 3 2 6 B", "0 1 3 0 Gone", "0 9 9 0 C"},
                                    {"0 1 1 0 3 2", "0 3 2 0 9 9"});
  ASSERT_EQ(TurnRegion(level, {0, 1, 1, 3, 2}, kRotate, Grid{10, 10}).size(), 4u);
  // Counter-clockwise: the top-right cell goes to the top-left, the bottom-right to the bottom
  // row; (1, 3) is covered by the turned region and loses its record.
  EXPECT_EQ(Lists(level), Lists(MakeLevel({"0 1 3 4 A", "0 2 1 2 B", "0 9 9 0 C"},
                                          {"0 1 3 0 2 1", "0 3 2 0 9 9"})));
  EXPECT_TRUE(TurnRegion(level, {0, 1, 1, 2, 3}, kRotate, Grid{3, 10}).empty());
}

// The map's lines without comments and texture numbers; every point, origin and angle turned by
// `turn` and then moved by `shift`, as a region's turn moves its blocks' geometry.
std::string Geometry(const std::string& map, std::int32_t turn, compiler::Point2 shift) {
  std::istringstream in(map);
  std::string line;
  std::string out;
  const auto place = [&](int x, int y) {
    const compiler::Point2 p = compiler::OrientPoint(turn, x, y);
    return std::to_string(p.x + shift.x) + " " + std::to_string(p.y + shift.y);
  };
  while (std::getline(in, line)) {
    std::array<int, 9> n{};
    char texture[64];
    int angle = 0;
    if (line.starts_with("//")) continue;
    if (std::sscanf(line.c_str(), "( %d %d %d ) ( %d %d %d ) ( %d %d %d ) %63s", &n[0], &n[1],
                    &n[2], &n[3], &n[4], &n[5], &n[6], &n[7], &n[8], texture) == 10) {
      std::array<std::string, 3> points;
      for (int i = 0; i < 3; ++i)
        points[i] =
            "( " + place(n[3 * i], n[3 * i + 1]) + " " + std::to_string(n[3 * i + 2]) + " )";
      if (compiler::IsMirroring(turn)) std::swap(points[0], points[2]);
      line = points[0] + " " + points[1] + " " + points[2] + " " + texture;
    } else if (std::sscanf(line.c_str(), "\"origin\" \"%d %d %d\"", &n[0], &n[1], &n[2]) == 3) {
      line = "\"origin\" \"" + place(n[0], n[1]) + " " + std::to_string(n[2]) + "\"";
    } else if (std::sscanf(line.c_str(), "\"angle\" \"%d\"", &angle) == 1) {
      line = "\"angle\" \"" + std::to_string(compiler::OrientAngle(turn, angle)) + "\"";
    }
    out += line + "\n";
  }
  return out;
}

TEST(Regions, TheBuiltMapOfATurnedRegionIsTheMapTurnedAsAWhole) {
  compiler::MemoryTemplateSource templates;
  templates.Add("L", R"({
"classname" "worldspawn"
{
( 0 0 0 ) ( 64 0 0 ) ( 64 32 0 ) A 8 0 0 1 1
( 0 0 8 ) ( 0 32 8 ) ( 48 32 8 ) A 0 4 0 1 1
}
}
{
"classname" "light"
"origin" "16 48 32"
"angle" "30"
}
)");
  const document::Level level =
      MakeLevel({"0 1 1 0 L", "0 2 1 5 L", "0 3 2 6 L", "0 1 2 3 L", "0 3 1 4 L", "0 2 2 7 L"});
  const auto build = [&](const document::Level& built) {
    platform::TextLineSink map;
    compiler::CompileMap(built, {}, templates, map);
    return map.text();
  };
  // The region is columns 1 to 3 and rows 1 and 2; each turn keeps its top-left cell, which
  // fixes the move (in world units, 128 per cell) that follows the turn about the world origin.
  struct Case {
    std::int32_t turn;
    compiler::Point2 shift;
  };
  for (const Case c : {Case{kRotate, {0, -512}}, Case{kFlipX, {512, 0}}, Case{kFlipY, {0, -384}},
                       Case{7, {384, 0}}}) {
    document::Level turned = level;
    TurnRegion(turned, {0, 1, 1, 3, 2}, c.turn, kGrid);
    EXPECT_EQ(Geometry(build(turned), 0, {}), Geometry(build(level), c.turn, c.shift)) << c.turn;
  }
}

TEST(Regions, CutAndPastedOnAnotherFloorTheInnerLinksFollowAndTheOthersStay) {
  document::Level level =
      MakeLevel({"0 1 1 0 A", "0 2 1 4 B", "2 5 0 0 X", "0 2 2 1 C", "2 7 0 0 Y", "0 5 5 0 D"},
                {"0 1 1 0 2 2", "0 2 2 0 1 1", "0 2 1 0 5 5", "0 2 2 1 2 2", "2 5 0 2 6 1"});
  const Region region{0, 1, 1, 2, 2};
  const RegionClip clip = CopyRegion(level, region);
  EraseRegion(level, region);
  EXPECT_EQ(Lists(level), Lists(MakeLevel({"2 5 0 0 X", "2 7 0 0 Y", "0 5 5 0 D"},
                                          {"0 2 1 0 5 5", "0 2 2 1 2 2", "2 5 0 2 6 1"})));
  // On a grid of 7 columns the clip's right column, at column 7, is left out, with its links.
  document::Level narrow = level;
  PasteRegion(narrow, clip, {2, 6, 0}, Grid{7, 7});
  EXPECT_EQ(narrow.BlockList, (Strings{"2 5 0 0 X", "2 7 0 0 Y", "0 5 5 0 D", "2 6 0 0 A"}));
  EXPECT_EQ(narrow.LinkList, level.LinkList);
  // The link from (5, 0) to (6, 1) on floor 2 is there already and is not doubled.
  PasteRegion(level, clip, {2, 5, 0}, kGrid);
  EXPECT_EQ(Lists(level),
            Lists(MakeLevel({"2 7 0 0 Y", "0 5 5 0 D", "2 5 0 0 A", "2 6 0 4 B", "2 6 1 1 C"},
                            {"0 2 1 0 5 5", "0 2 2 1 2 2", "2 5 0 2 6 1", "2 6 1 2 5 0"})));
}

}  // namespace
}  // namespace cw::editor
