// The settings file and the post-build script that come with the kit.
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

TEST(KitFilesTest, TheQuakeKitNamesItsWadAndTheQuake2KitKeepsFaceNumbers) {
  const settings::Settings quake = settings::ParseSettings(ReadKitFile("PellEd.ini"));
  EXPECT_FALSE(quake.block.map.keepFaceFlags);
  EXPECT_EQ(quake.block.map.worldKeys,
            (std::vector<settings::WorldKey>{{"wad", "cryptwright.wad"}}));
  const settings::Settings quake2 =
      settings::ParseSettings(ReadKitFile("PellEd.ini", Kit::kQuake2));
  EXPECT_TRUE(quake2.block.map.keepFaceFlags);
  EXPECT_TRUE(quake2.block.map.worldKeys.empty());
  EXPECT_EQ(quake2.block.Bx, quake.block.Bx);
}

// A folder of stand-in compile tools that log how they were called, and a map folder whose name
// holds a blank.
class PostBuildScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_.path() / "tools");
    std::filesystem::create_directory(dir_.path() / "my maps");
  }

  void AddTool(const std::string& name, int status = 0) {
    std::string path = (dir_.path() / "tools" / name).string();
    WriteFileBytes(path, "#!/bin/sh\necho \"" + name + " $*\" >> " + Quoted(Log()) + "\nexit " +
                             std::to_string(status) + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }

  ShellRun RunScript(Kit kit = Kit::kQuake) {
    return Shell("PATH=" + Quoted((dir_.path() / "tools").string()) + " /bin/sh " +
                 Quoted(KitPath("PellPost.BAT", kit)) + " Demo " + Quoted(Folder()));
  }

  std::string Folder() const { return (dir_.path() / "my maps").string(); }
  std::string Log() const { return (dir_.path() / "log").string(); }
  std::string LogText() const {
    return std::filesystem::exists(Log()) ? ReadFileBytes(Log()) : std::string();
  }

  TempDir dir_;
};

TEST_F(PostBuildScriptTest, RunsQbspThenVisThenLightOnTheMap) {
  AddTool("qbsp");
  AddTool("vis");
  AddTool("light");
  ShellRun run = RunScript();
  EXPECT_EQ(run.status, 0) << run.output;
  std::string folder = Folder();
  EXPECT_EQ(LogText(), "qbsp " + folder + "/Demo.map\nvis " + folder + "/Demo.bsp\nlight " +
                           folder + "/Demo.bsp\n");
  EXPECT_THAT(run.output, ::testing::HasSubstr("running qbsp " + folder + "/Demo.map"));
  EXPECT_THAT(run.output, ::testing::HasSubstr("running light"));
}

TEST_F(PostBuildScriptTest, SaysSoWhenItFindsNoTools) {
  ShellRun run = RunScript();
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.output, ::testing::HasSubstr("found no compile tools"));
  EXPECT_EQ(LogText(), "");
}

TEST_F(PostBuildScriptTest, SkipsAMissingToolAndStopsAtAFailingOne) {
  AddTool("qbsp");
  AddTool("light");
  ShellRun skipped = RunScript();
  EXPECT_EQ(skipped.status, 0);
  EXPECT_THAT(skipped.output, ::testing::HasSubstr("vis not found on PATH, skipped"));
  EXPECT_THAT(LogText(), ::testing::HasSubstr("light "));

  std::filesystem::remove(Log());
  AddTool("qbsp", 3);
  ShellRun failed = RunScript();
  EXPECT_EQ(failed.status, 3);
  EXPECT_THAT(failed.output, ::testing::HasSubstr("qbsp failed with status 3"));
  EXPECT_EQ(LogText(), "qbsp " + Folder() + "/Demo.map\n");
}

TEST_F(PostBuildScriptTest, TheQuake2KitRunsIdsToolsOrEricwToolsWithItsTexturesFolder) {
  AddTool("qbsp");
  AddTool("vis");
  AddTool("light", 4);
  ShellRun ericw = RunScript(Kit::kQuake2);
  EXPECT_EQ(ericw.status, 4) << ericw.output;
  const std::string maps = Folder();
  const std::string kit = std::filesystem::canonical(KitFolder(Kit::kQuake2)).string();
  EXPECT_EQ(LogText(), "qbsp -q2bsp -basedir " + kit + " " + maps + "/Demo.map\nvis " + maps +
                           "/Demo.bsp\nlight -basedir " + kit + " " + maps + "/Demo.bsp\n");
  std::filesystem::remove(Log());
  for (const char* tool : {"qbsp3", "qvis3", "qrad3"}) AddTool(tool);
  EXPECT_EQ(RunScript(Kit::kQuake2).status, 0);
  EXPECT_EQ(LogText(), "qbsp3 " + maps + "/Demo.map\nqvis3 " + maps + "/Demo.bsp\nqrad3 " + maps +
                           "/Demo.bsp\n");
}

TEST_F(PostBuildScriptTest, RefusesAWrongNumberOfArguments) {
  ShellRun run = Shell("/bin/sh " + Quoted(KitPath("PellPost.BAT")) + " Demo");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.output, ::testing::HasSubstr("expected two arguments"));
}

}  // namespace
}  // namespace cw::testing
