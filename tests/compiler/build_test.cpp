#include "compiler/build.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "compiler/post_build.h"
#include "support/post_build_probe.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CrLfLines;
using cw::testing::CurrentDirectoryGuard;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

document::Level OneBlockLevel() {
  document::Level level;
  level.BlockList = {"0 1 0 0 Box"};
  level.LinkList = {"0 1 0 0 2 0"};
  return level;
}

const std::string kBoxMap = CrLfLines({
    "{",
    "\"classname\" \"worldspawn\"",
    "// 0 1 0 0 Box",
    "( 128 0 0 ) ( 128 64 0 ) ( 192 64 0 ) FLOOR 0 0 0 1 1",
    "}",
    "// 0 1 0 0 Box",
    "{",
    "\"classname\" \"trigger_relay\"",
    "\"origin\" \"128 0 64\"",
    "\"targetname\" \"t0500100\"",
    "\"target\" \"t0500200\"",
    "}",
});

TEST(BuildDriverTest, WritesTheMapWithTemplatesFromTheCurrentFolder) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  // LF or CR LF lines and a Ctrl-Z end read alike.
  WriteFileBytes(dir.path() / "Box.map",
                 "{\n\"classname\" \"worldspawn\"\r\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) FLOOR 0 0 0 "
                 "1 1\r\n}\n\x1a{\n\"classname\" \"light\"\n}\n");
  const document::Level level = OneBlockLevel();
  const auto outcome = RunBuild(level, {}, dir.File("out.map"));
  ASSERT_TRUE(outcome) << outcome.error;
  EXPECT_TRUE(outcome.value.empty());
  EXPECT_EQ(ReadFileBytes(dir.path() / "out.map"), kBoxMap);
  EXPECT_EQ(level.LinkList, OneBlockLevel().LinkList);

  // A second build replaces the first with the same bytes.
  WriteFileBytes(dir.path() / "out.map",
                 "old content that is longer than the new map ... " + std::string(5000, 'x'));
  ASSERT_TRUE(RunBuild(level, {}, dir.File("out.map")));
  EXPECT_EQ(ReadFileBytes(dir.path() / "out.map"), kBoxMap);
}

TEST(BuildDriverTest, WarnsAboutMissingTemplates) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  const auto outcome = RunBuild(OneBlockLevel(), {}, dir.File("out.map"));
  ASSERT_TRUE(outcome);
  ASSERT_EQ(outcome.value.size(), 1u);
  EXPECT_EQ(outcome.value[0].text,
            "Box.map: No such file or directory; blocks named \"Box\" get no brushes or entities");
}

TEST(BuildDriverTest, UnwritableMapIsAFailureNamingTheFile) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  std::filesystem::create_directory(dir.path() / "folder.map");
  struct Case {
    std::string path;
    std::string error;
  } cases[] = {
      {dir.File("missing/out.map"), dir.File("missing/out.map") + ": No such file or directory"},
#ifndef _WIN32
      {"/dev/full", "/dev/full: not a regular file"},
#endif
      {dir.File("folder.map"), dir.File("folder.map") + ": "},
  };
  for (const Case& c : cases) {
    const auto outcome = RunBuild(OneBlockLevel(), {}, c.path);
    EXPECT_FALSE(outcome) << c.path;
    EXPECT_EQ(outcome.error.substr(0, c.error.size()), c.error);
  }
}

TEST(BuildDriverTest, ABlockNameThatNamesAPathHasNoTemplate) {
  const TempDir dir;
  std::filesystem::create_directories(dir.path() / "kit" / "sub");
  const CurrentDirectoryGuard cwd(dir.path() / "kit");
  const std::string world = CrLfLines({"{", "\"classname\" \"worldspawn\"", "// outside", "}"});
  WriteFileBytes(dir.path() / "Outside.map", world);
  WriteFileBytes(dir.path() / "kit" / "sub" / "In.map", world);
  WriteFileBytes(dir.path() / "kit" / "..map", world);
  document::Level level;
  level.BlockList = {"0 0 0 0 ../Outside", "0 1 0 0 sub/In", "0 2 0 0 .", "0 3 0 0 sub\\In"};
  const auto outcome = RunBuild(level, {}, "out.map");
  ASSERT_TRUE(outcome);
  // Only the comment lines: no template was read from outside the working folder.
  EXPECT_EQ(
      ReadFileBytes(dir.path() / "kit" / "out.map"),
      CrLfLines({"{", "\"classname\" \"worldspawn\"", "// 0 0 0 0 ../Outside", "// 0 1 0 0 sub/In",
                 "// 0 2 0 0 .", "// 0 3 0 0 sub\\In", "}", "// 0 0 0 0 ../Outside",
                 "// 0 1 0 0 sub/In", "// 0 2 0 0 .", "// 0 3 0 0 sub\\In"}));
  const std::vector<std::string> expected = {
      "../Outside.map: a block name cannot name a folder or a path; blocks named "
      "\"../Outside\" get no brushes or entities",
      "sub/In.map: a block name cannot name a folder or a path; blocks named \"sub/In\" get no "
      "brushes or entities",
      "..map: a block name cannot name a folder or a path; blocks named \".\" get no brushes or "
      "entities",
      "sub\\In.map: a block name cannot name a folder or a path; blocks named \"sub\\In\" get no "
      "brushes or entities"};
  ASSERT_EQ(outcome.value.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(outcome.value[i].text, expected[i]);
}

}  // namespace
}  // namespace cw::compiler
