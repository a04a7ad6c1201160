// The settings files that come with the kits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kit/kit_fixture.h"
#include "settings/settings.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF: " << text.substr(start);
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(KitFilesTest, PellEdIniWritesOutTheSevenDefaultsEachAfterItsComment) {
  std::vector<std::string> lines = Lines(ReadKitFile("PellEd.ini"));
  const std::pair<const char*, const char*> settings[] = {
      {"Bx", "128"}, {"By", "128"},  {"Bz", "128"}, {"Ox", "0"},
      {"Oy", "0"},   {"Ax", "1024"}, {"Ay", "1024"}};
  for (const auto& [key, value] : settings) {
    std::string line = std::string(key) + "=" + value;
    auto at = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(at, lines.end()) << line;
    ASSERT_NE(at, lines.begin());
    EXPECT_TRUE((at - 1)->starts_with(std::string("; ") + key + ":")) << *(at - 1);
  }
  settings::Settings read = settings::ParseSettings(ReadKitFile("PellEd.ini"));
  settings::Settings defaults;
  EXPECT_EQ(read.block.Bx, defaults.block.Bx);
  EXPECT_EQ(read.block.Oy, defaults.block.Oy);
  EXPECT_EQ(read.Ay, defaults.Ay);
  EXPECT_THAT(lines, ::testing::Contains("[Block]"));
  EXPECT_THAT(lines, ::testing::Contains("[Area]"));
}

TEST(KitFilesTest, TheQuakeKitNamesItsWadTheOthersKeepFaceNumbersAllLightEveryFace) {
  const settings::Settings quake = settings::ParseSettings(ReadKitFile("PellEd.ini"));
  EXPECT_FALSE(quake.block.map.keepFaceFlags);
  EXPECT_EQ(quake.block.map.worldKeys,
            (std::vector<settings::WorldKey>{{"wad", "cryptwright.wad"}, {"_minlight", "50"}}));
  const settings::Settings quake2 =
      settings::ParseSettings(ReadKitFile("PellEd.ini", Kit::kQuake2));
  EXPECT_TRUE(quake2.block.map.keepFaceFlags);
  EXPECT_EQ(quake2.block.map.worldKeys, (std::vector<settings::WorldKey>{{"_minlight", "0.2"}}));
  EXPECT_EQ(quake2.block.Bx, quake.block.Bx);
  // The Heretic II kit keeps the face numbers too, which carry its materials.
  const settings::Settings heretic2 =
      settings::ParseSettings(ReadKitFile("PellEd.ini", Kit::kHeretic2));
  EXPECT_EQ(heretic2.game.target, settings::TargetGame::kHeretic2);
  EXPECT_TRUE(heretic2.block.map.keepFaceFlags);
  EXPECT_EQ(heretic2.block.map.worldKeys, quake2.block.map.worldKeys);
}

}  // namespace
}  // namespace cw::testing
