// Reading the families file: every bad line is left out with a warning, the rest is read.
#include "editor/family_file.h"

#include <gtest/gtest.h>

#include "support/hostile_inputs.h"
#include "support/test_files.h"

namespace cw::editor {
namespace {

using Strings = std::vector<std::string>;

TEST(FamiliesFile, ReadsTheGoodLinesAndNamesEveryBadOne) {
  const FamiliesRead read = ParseFamilies(R"(; families of the kit
Pattern=3
[ Variants ]
pattern = -1
Pattern=5
Colour=red
[Family Wall]
Alone=Cell
End=WallEnd
straight=Corridor
Corner=Corner
T=Wall
Cross=Floor 3, FloorCracked, Moss 0, Unknown, , Rubble x
Tee=Wall
T=Other
just words
[Family Fence]
End=Post
[Family Wall]
Alone=X
[Family]
[Lights
[Stuff]
Key=value
)");
  Family wall{"Wall", {}};
  wall.pieces = {{{{"Cell", 1}},
                  {{"WallEnd", 1}},
                  {{"Corridor", 1}},
                  {{"Corner", 1}},
                  {{"Wall", 1}},
                  {{"Floor", 3}, {"FloorCracked", 1}}}};
  EXPECT_EQ(read.set, (FamilySet{{wall}, 0xFFFFFFFFu}));
  EXPECT_EQ(
      read.warnings,
      (Strings{
          R"(Families.ini, line 2: "Pattern=3" stands before any section)",
          R"(Families.ini, line 5: the pattern is given again; the first one counts)",
          R"(Families.ini, line 6: unknown key "Colour" in [Variants])",
          R"(Families.ini, line 13: the weight "0" of the block "Moss" is not a whole number from 1 to 1000000; the block is left out)",
          R"(Families.ini, line 13: the block "Unknown" cannot be painted and is left out)",
          R"(Families.ini, line 13: an empty block name in the family "Wall" is left out)",
          R"(Families.ini, line 13: the weight "x" of the block "Rubble" is not a whole number from 1 to 1000000; the block is left out)",
          R"(Families.ini, line 14: unknown shape "Tee" in the family "Wall"; the shapes are Alone, End, Straight, Corner, T and Cross)",
          R"(Families.ini, line 15: the shape "T" is given again in the family "Wall"; the first one counts)",
          R"(Families.ini, line 16: "just words" is not a key=value line)",
          R"(Families.ini, line 17: the family "Fence" has no block for Alone, Straight, Corner, T, Cross; the family is left out)",
          R"(Families.ini, line 19: the family "Wall" is given again; the first one counts)",
          R"(Families.ini, line 21: the section "[Family]" names no family; its lines are skipped)",
          R"(Families.ini, line 22: the section "[Lights" has no closing "]"; its lines are skipped)",
          R"(Families.ini, line 23: unknown section "[Stuff]"; its lines are skipped)",
      }));
}

TEST(FamiliesFile, AFileIsReadWithItsPathInTheWarningsAndAMissingOneIsNoFamilies) {
  const testing::TempDir dir;
  const std::string path = dir.File("Families.ini");
  const FamiliesRead missing = ReadFamiliesFile(path);
  EXPECT_EQ(missing.set, FamilySet{});
  EXPECT_TRUE(missing.warnings.empty());
  testing::WriteFileBytes(path, "[Variants]\r\nPattern=12\r\nPattern\r\n");
  const FamiliesRead read = ReadFamiliesFile(path);
  EXPECT_EQ(read.set, (FamilySet{{}, 12}));
  EXPECT_EQ(read.warnings, Strings{path + ", line 3: \"Pattern\" is not a key=value line"});
}

TEST(FamiliesFile, HostileInputGivesAtMostFiftyWarningsAndACount) {
  for (const testing::HostileInput& input : testing::HostileSettingsFiles()) {
    const FamiliesRead read = ParseFamilies(input.bytes);
    EXPECT_LE(read.warnings.size(), 51u) << input.name;
  }
  std::string manyBadLines = "[Variants]\n";
  for (int i = 0; i < 1000; ++i) manyBadLines += "bad\n";
  const FamiliesRead read = ParseFamilies(manyBadLines);
  ASSERT_EQ(read.warnings.size(), 51u);
  EXPECT_EQ(read.warnings.back(), "Families.ini: 950 more warnings are not shown");
}

}  // namespace
}  // namespace cw::editor
