// Block templates, levels and settings that are damaged, huge or made to break things, built
// through files exactly as the editor's Build does: each build succeeds, gives the same map on
// every run, writes one map line per template line, and follows the decisions on numbers that
// do not parse, scales that cannot be divided by and values beyond 32 bits.
#include <gtest/gtest.h>

#include <algorithm>

#include "compiler/build.h"
#include "document/level_file.h"
#include "platform/text_lines.h"
#include "settings/settings.h"
#include "support/hostile_inputs.h"
#include "support/level_bytes.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CurrentDirectoryGuard;
using cw::testing::HostileInput;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

constexpr const char* kWorld = "{\r\n\"classname\" \"worldspawn\"\r\n";

document::Level LevelOf(std::vector<std::string> blocks, std::vector<std::string> links = {}) {
  document::Level level;
  level.BlockList = std::move(blocks);
  level.LinkList = std::move(links);
  return level;
}

// Builds twice into the same file and checks that both builds succeed with the same map.
std::string BuildTwice(const document::Level& level, const PlacementSettings& settings,
                       const std::string& name) {
  const document::Level before = level;
  const auto first = RunBuild(level, settings, "out.map");
  EXPECT_TRUE(first) << name << ": " << first.error;
  const std::string map = ReadFileBytes("out.map");
  const auto second = RunBuild(level, settings, "out.map");
  EXPECT_TRUE(second) << name;
  EXPECT_EQ(ReadFileBytes("out.map"), map) << name << ": the same map on every build";
  EXPECT_EQ(second.value, first.value) << name;
  EXPECT_EQ(level.BlockList, before.BlockList) << name;
  EXPECT_EQ(level.LinkList, before.LinkList) << name;
  return map;
}

std::size_t LineCount(const std::string& map) {
  return static_cast<std::size_t>(std::count(map.begin(), map.end(), '\n'));
}

class HostileTemplateBuild : public ::testing::Test {
 protected:
  TempDir dir_;
  CurrentDirectoryGuard inDir_{dir_.path()};
};

TEST_F(HostileTemplateBuild, EveryTemplateBuildsTheSameMapEveryTimeLineForLine) {
  for (const HostileInput& input : cw::testing::HostileTemplates()) {
    WriteFileBytes("T.map", input.bytes);
    for (const char* record : {"0 2 3 0 T", "-8 -1 99 5 T", "7 31 0 7 T"}) {
      const std::string map = BuildTwice(LevelOf({record}), PlacementSettings{}, input.name);
      EXPECT_TRUE(map.starts_with(kWorld)) << input.name;
      // The two opening lines and a closing line are never written; every other template line
      // gives exactly one map line, besides the world's three lines and two comment lines.
      const std::size_t templateLines = input.lines;
      EXPECT_LE(LineCount(map), 5 + templateLines) << input.name;
      EXPECT_GE(LineCount(map) + 3, 5 + templateLines) << input.name;
    }
  }
}

TEST_F(HostileTemplateBuild, UnclosedAndUnbalancedTemplatesGiveDefinedSections) {
  struct Case {
    std::string templateText;
    std::string map;
  };
  const std::string comment = "// 0 0 0 0 T\r\n";
  const Case cases[] = {
      // The world entity never closes: everything read is world brushes, there are no entities.
      {"{\n\"classname\" \"worldspawn\"\n{\n}\n{\n",
       kWorld + comment + "{\r\n}\r\n{\r\n}\r\n" + comment},
      // Only closing lines: the third closes the world, the rest are the entity section.
      {"}\n}\n}\n}\n}\n", kWorld + comment + "}\r\n" + comment + "}\r\n}\r\n"},
      // Opening lines without end, and a template of two lines or fewer.
      {"{\n{\n{\n{\n", kWorld + comment + "{\r\n{\r\n}\r\n" + comment},
      {"{\n\"classname\" \"worldspawn\"", kWorld + comment + "}\r\n" + comment},
      {"", kWorld + comment + "}\r\n" + comment},
  };
  for (const Case& c : cases) {
    WriteFileBytes("T.map", c.templateText);
    EXPECT_EQ(BuildTwice(LevelOf({"0 0 0 0 T"}), PlacementSettings{}, c.templateText), c.map)
        << c.templateText;
  }
}

TEST_F(HostileTemplateBuild, ScalesThatCannotCorrectAnOffsetLeaveItAsItWas) {
  // Column 2, row 3: the x offset 16 would become 16 - 256 / xs, the y offset 16 + -384 / ys.
  const std::pair<const char*, const char*> cases[] = {
      {"0", "WALL 16 16 0 0 0"},          {"-0", "WALL 16 16 0 -0 -0"},
      {"nan", "WALL 16 16 0 nan nan"},    {"-nan", "WALL 16 16 0 -nan -nan"},
      {"inf", "WALL 16 16 0 inf inf"},    {"1e40", "WALL 16 16 0 inf inf"},
      {"-inf", "WALL 16 16 0 -inf -inf"}, {"2", "WALL -112 -176 0 2 2"},
  };
  for (const auto& [scale, texture] : cases) {
    WriteFileBytes("T.map", std::string("{\n\"classname\" \"worldspawn\"\n{\n"
                                        "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 ") +
                                scale + ' ' + scale + "\n}\n}\n");
    const std::string map = BuildTwice(LevelOf({"0 2 3 0 T"}), PlacementSettings{}, scale);
    EXPECT_EQ(map, kWorld + std::string("// 0 2 3 0 T\r\n{\r\n") +
                       "( 256 -384 0 ) ( 256 -320 0 ) ( 320 -320 0 ) " + texture +
                       "\r\n}\r\n}\r\n// 0 2 3 0 T\r\n")
        << scale;
  }
}

TEST_F(HostileTemplateBuild, NumbersBeyond32BitsAreWrittenUnchangedAndLimitsExactly) {
  WriteFileBytes("T.map",
                 "{\n\"classname\" \"worldspawn\"\n}\n{\n"
                 "\"origin\" \"1234567890123456789012345678901234567890 0 0\"\n"
                 "\"origin\" \"2147483648 0 0\"\n"
                 "\"origin\" \"-2147483648 2147483647 -2147483648\"\n"
                 "\"angle\" \"2147483647\"\n"
                 "\"distance\" \"-2147483648\"\n"
                 "( 2147483648 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 1 0 1 1\n"
                 "( -2147483648 2147483647 0 ) ( 2147483647 -2147483648 0 ) ( 0 0 0 ) W "
                 "2147483647 -2147483648 2147483647 1e-30 -1e-30\n"
                 "}\n");
  const PlacementSettings extreme{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  const std::string map =
      BuildTwice(LevelOf({"2147483647 -2147483648 2147483647 5 T"}), extreme, "limits");
  const auto lines = platform::SplitTextLines(map);
  ASSERT_EQ(lines.size(), 14u) << map;
  EXPECT_EQ(lines[6], "\"origin\" \"1234567890123456789012345678901234567890 0 0\"");
  EXPECT_EQ(lines[7], "\"origin\" \"2147483648 0 0\"");
  // Flags 5 turn (x, y) into (y, x); then x + Bx * column + Ox, Oy - By * row + y, z + Bz * floor.
  EXPECT_EQ(lines[8],
            "\"origin\" \"4611686022722355198 4611686016279904255 "
            "-4611686018427387904\"");
  EXPECT_EQ(lines[9], "\"angle\" \"-2147483197\"") << "90 - a + 360, in 64 bits";
  EXPECT_EQ(lines[10], "\"distance\" \"2147483648\"") << "the mirrored distance is exact";
  EXPECT_EQ(lines[11], "( 2147483648 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 1 0 1 1");
  EXPECT_TRUE(lines[12].starts_with("( ")) << lines[12];
}

TEST_F(HostileTemplateBuild, HostileLevelsBuildWithRealTemplates) {
  WriteFileBytes(
      "A.map",
      "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) A 8 8 0 1 1\n}\n}\n"
      "{\n\"classname\" \"trigger_once\"\n\"target\" \"k0\"\n\"targetname\" \"t0\"\n}\n");
  WriteFileBytes(
      "B.map",
      "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n\"origin\" \"0 0 24\"\n}\n");
  for (const HostileInput& input : cw::testing::HostileLevelFiles()) {
    const document::Level records = document::ParseLevelFileText(input.bytes);
    const std::string map =
        BuildTwice(LevelOf(records.BlockList, records.LinkList), PlacementSettings{}, input.name);
    EXPECT_TRUE(map.starts_with(kWorld)) << input.name;
    EXPECT_EQ(LineCount(map), static_cast<std::size_t>(std::count(map.begin(), map.end(), '\r')))
        << input.name << ": every line ends with CR LF";
  }
}

TEST(HostileSettings, EveryValueThatIsNotA32BitNumberKeepsItsDefault) {
  std::vector<settings::Settings> read;
  for (const HostileInput& input : cw::testing::HostileSettingsFiles()) {
    const settings::Settings settings = settings::ParseSettings(input.bytes);
    const settings::Settings again = settings::ParseSettings(input.bytes);
    EXPECT_EQ(settings.block.Bx, again.block.Bx) << input.name;
    EXPECT_EQ(settings.Ax, again.Ax) << input.name;
    read.push_back(settings);
  }
  const auto& forty = read[2];
  EXPECT_EQ(forty.block.Bx, 128);
  EXPECT_EQ(forty.block.By, 128);
  EXPECT_EQ(forty.block.Bz, 128);
  const auto& limits = read[3];
  EXPECT_EQ(limits.block.Bx, INT32_MIN);
  EXPECT_EQ(limits.block.By, 128);
  EXPECT_EQ(limits.block.Oy, 0);
  EXPECT_EQ(limits.Ax, INT32_MAX);
  const auto& longLine = read[5];
  EXPECT_EQ(longLine.block.Bx, 128);
  EXPECT_EQ(longLine.block.By, 5);
}

}  // namespace
}  // namespace cw::compiler
