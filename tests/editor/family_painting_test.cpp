// Painting with families: the piece and orientation that every neighbour pattern gets, on the
// floor view and in the built map, and variants that stay put.
#include "editor/family_painting.h"

#include <gtest/gtest.h>

#include "compiler/map_compiler.h"
#include "document/level_file.h"
#include "editor/fill.h"
#include "editor/painting_test_support.h"
#include "platform/line_sink.h"
#include "support/level_bytes.h"

namespace cw::editor {
namespace {

using testing::DrawFloor;

// The text with every line ended by CR LF, as the map file ends its lines.
std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

TEST(FamilyPainting, EachOfTheSixteenPatternsJoinsItsNeighboursWhateverThePaintingOrder) {
  // A room of corners, T pieces and a cross, a straight and two ends each way, and a lone cell:
  // the sixteen patterns of neighbours, drawn with the floor view's own transform.
  const char* layout[] = {"###.#.#", "###.#..", "###.#..", ".......", "###..X."};
  const FamilySet families{{testing::ShapesFamily()}, 0};
  document::Level level = testing::MakeLevel({"0 5 4 0 X"});
  // Bottom row first, so that every cell is painted before and after some of its neighbours.
  for (int row = 4; row >= 0; --row)
    for (int column = 0; column < 7; ++column)
      if (layout[row][column] == '#')
        PaintFamily(level, families, families.families[0], {0, column, row});
  EXPECT_EQ(DrawFloor(level, 0, 7, 5), R"(.....................
.#######.....#.....#.
.#..#..#.....#.......
.#..#..#.....#.......
.#######.....#.......
.#..#..#.....#.......
.#..#..#.....#.......
.#######.....#.......
.....................
.....................
.....................
.....................
...............???...
.#######.......???...
...............???...
)");
  // Erasing the middle of the room turns its four neighbours into the ring's straights.
  EraseFamilyCell(level, families, {0, 1, 1});
  EXPECT_EQ(DrawFloor(level, 0, 3, 3), R"(.........
.#######.
.#.....#.
.#.....#.
.#.....#.
.#.....#.
.#.....#.
.#######.
.........
)");
}

TEST(FamilyPainting, AFilledRoomBuildsWithWallsOnItsOutsideEdgesOnly) {
  // Room pieces as in the kits: a wall along each side that the piece does not join.
  const std::string world = "{\n\"classname\" \"worldspawn\"\n";
  const std::string north = "( -64 64 0 ) ( 64 64 0 ) ( 64 64 8 ) W 0 0 0 1 1\n";
  const std::string west = "( -64 -64 0 ) ( -64 64 0 ) ( -64 64 8 ) W 0 0 0 1 1\n";
  compiler::MemoryTemplateSource templates;
  templates.Add("Corner", world + north + west + "}\n");
  templates.Add("T", world + north + "}\n");
  templates.Add("Cross", world + "}\n");
  const FamilySet families{{testing::ShapesFamily()}, 0};
  document::Level level;
  FillFamily(level, families, families.families[0], {0, 1, 1}, Grid{3, 3});
  platform::TextLineSink map;
  compiler::CompileMap(level, {}, templates, map);
  // The room spans x from -64 to 320 and y from -320 to 64: each of its twelve outside edges has
  // one wall, and no wall stands inside. The comment lines at the end are the entity pass's.
  EXPECT_EQ(map.text(), Crlf(R"({
"classname" "worldspawn"
// 0 0 0 0 Corner
( -64 64 0 ) ( 64 64 0 ) ( 64 64 8 ) W 0 0 0 1 1
( -64 -64 0 ) ( -64 64 0 ) ( -64 64 8 ) W 0 0 0 1 1
// 0 1 0 0 T
( 64 64 0 ) ( 192 64 0 ) ( 192 64 8 ) W 0 0 0 1 1
// 0 2 0 1 Corner
( 192 64 8 ) ( 192 64 0 ) ( 320 64 0 ) W 0 0 0 -1 1
( 320 64 8 ) ( 320 64 0 ) ( 320 -64 0 ) W 0 0 0 1 1
// 0 0 1 4 T
( -64 -192 0 ) ( -64 -64 0 ) ( -64 -64 8 ) W 0 0 0 1 1
// 0 1 1 0 Cross
// 0 2 1 5 T
( 320 -64 8 ) ( 320 -64 0 ) ( 320 -192 0 ) W 0 0 0 1 1
// 0 0 2 2 Corner
( 64 -320 8 ) ( 64 -320 0 ) ( -64 -320 0 ) W 0 0 0 1 1
( -64 -320 8 ) ( -64 -320 0 ) ( -64 -192 0 ) W 0 0 0 -1 1
// 0 1 2 2 T
( 192 -320 8 ) ( 192 -320 0 ) ( 64 -320 0 ) W 0 0 0 1 1
// 0 2 2 3 Corner
( 320 -320 0 ) ( 192 -320 0 ) ( 192 -320 8 ) W 0 0 0 -1 1
( 320 -192 0 ) ( 320 -320 0 ) ( 320 -320 8 ) W 0 0 0 -1 1
}
// 0 0 0 0 Corner
// 0 1 0 0 T
// 0 2 0 1 Corner
// 0 0 1 4 T
// 0 1 1 0 Cross
// 0 2 1 5 T
// 0 0 2 2 Corner
// 0 1 2 2 T
// 0 2 2 3 Corner
)"));
}

TEST(FamilyPainting, VariantsFollowTheirWeightsAndStayAcrossSaveLoadAndRepainting) {
  Family family = testing::ShapesFamily();
  family.pieces[static_cast<int>(Shape::kCross)] = {{"Cross", 3}, {"Moss", 1}};
  FamilySet families{{family}, 7};
  document::Level level;
  FillFamily(level, families, family, {0, 0, 0}, Grid{32, 32});
  int moss = 0;
  for (const std::string& record : level.BlockList) moss += record.ends_with(" Moss") ? 1 : 0;
  EXPECT_GT(moss, 900 / 8);  // of 900 crosses, about a quarter
  EXPECT_LT(moss, 900 * 3 / 8);

  document::Level loaded = document::ParseLevelFileText(testing::LevelBytes(level));
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column)
      EXPECT_TRUE(PaintFamily(loaded, families, family, {0, column, row}).empty());
  EXPECT_EQ(loaded.BlockList, level.BlockList);

  families.pattern = 8;  // another pattern, other choices
  document::Level otherPattern;
  FillFamily(otherPattern, families, family, {0, 0, 0}, Grid{32, 32});
  EXPECT_NE(otherPattern.BlockList, level.BlockList);
}

}  // namespace
}  // namespace cw::editor
