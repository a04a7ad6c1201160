#include "document/level_file.h"
#include "support/level_bytes.h"

#include <gtest/gtest.h>

#include "support/hostile_inputs.h"
#include "support/permissions.h"
#include "support/test_files.h"

namespace cw::document {
namespace {

using cw::testing::LevelBytes;

using cw::testing::CrLfLines;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;
using Lines = std::vector<std::string>;

Level MakeLevel(Lines blocks, Lines links) {
  Level level;
  level.BlockList = std::move(blocks);
  level.LinkList = std::move(links);
  return level;
}

TEST(LevelFileText, BlocksThenColonLinksEachWithCrLf) {
  EXPECT_EQ(LevelBytes(MakeLevel({"0 3 4 0 B", "0 4 4 2 C"}, {"0 3 4 1 3 4"})),
            "0 3 4 0 B\r\n0 4 4 2 C\r\n:0 3 4 1 3 4\r\n");
  EXPECT_EQ(LevelBytes(MakeLevel({}, {"1 2 3 1 4 5"})), ":1 2 3 1 4 5\r\n");
  EXPECT_EQ(LevelBytes(Level{}), "");
}

TEST(LevelFile, SaveThenLoadGivesBackTheSameBytesAndLists) {
  TempDir dir;
  const Level level = MakeLevel({"0 3 4 0 B", "", "-8 0 0 7 " + std::string(3000, 'x'), "garbage"},
                                {"0 3 4 1 3 4", "0 0 0 0 -1 99", ":odd"});
  const std::string path = dir.File("a.pwl");
  ASSERT_TRUE(SaveLevelFile(path, level));
  const std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes, LevelBytes(level));

  const platform::IoValue<LoadedLevel> loaded = LoadLevelFile(path);
  ASSERT_EQ(loaded.status, platform::IoStatus::kOk);
  EXPECT_EQ(loaded.value.level.BlockList, level.BlockList);
  EXPECT_EQ(loaded.value.level.LinkList, level.LinkList);

  Level again = MakeLevel(loaded.value.level.BlockList, loaded.value.level.LinkList);
  ASSERT_TRUE(SaveLevelFile(path, again));
  EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST(LevelFile, EmptyLevelSavesZeroBytesAndLoadsEmpty) {
  TempDir dir;
  ASSERT_TRUE(SaveLevelFile(dir.File("e.pwl"), Level{}));
  EXPECT_EQ(ReadFileBytes(dir.File("e.pwl")), "");
  const platform::IoValue<LoadedLevel> loaded = LoadLevelFile(dir.File("e.pwl"));
  EXPECT_EQ(loaded.status, platform::IoStatus::kOk);
  EXPECT_TRUE(loaded.value.level.BlockList.empty());
  EXPECT_TRUE(loaded.value.level.LinkList.empty());
}

TEST(LevelFile, MissingFileIsANewLevelAndUnreadableFileAFailure) {
  TempDir dir;
  EXPECT_EQ(LoadLevelFile(dir.File("none.pwl")).status, platform::IoStatus::kNotFound);
  const platform::IoValue<LoadedLevel> folder = LoadLevelFile(dir.path().string());
  EXPECT_EQ(folder.status, platform::IoStatus::kFailed);
  EXPECT_NE(folder.error.find("Is a directory"), std::string::npos) << folder.error;
  EXPECT_EQ(folder.error.rfind(dir.path().string(), 0), 0u) << "the message names the file";
  WriteFileBytes(dir.File("plain"), "x");
  EXPECT_EQ(LoadLevelFile(dir.File("plain") + "/a.pwl").status, platform::IoStatus::kFailed);
}

// A binary file once loaded as an empty level named after it, without a word.
TEST(LevelFile, WhatDoesNotLookLikeALevelFile) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},                        // an empty level
      {"notes\r\n\r\n0 3 4 0 B", true},  // one block or link record among other lines is enough
      {"\r\n:1 2 3 1 4 5\r\n", true},
      {"hello\r\n:a link\r\n0 3 4\r\n", false},     // lines, but none is a whole record
      {std::string("0 3 4 0 B\r\n\0", 12), false},  // no text file holds a NUL byte
  };
  for (const auto& [bytes, looksLikeLevel] : cases)
    EXPECT_EQ(LooksLikeLevelFile(bytes), looksLikeLevel) << bytes;
  TempDir dir;
  WriteFileBytes(dir.File("random.pwl"), cw::testing::BinaryGarbage(1 << 20, 7));
  EXPECT_FALSE(LoadLevelFile(dir.File("random.pwl")).value.looksLikeLevel);
}

TEST(LevelFile, FailedSaveKeepsTheOldFileWhole) {
  TempDir dir;
  const std::string path = dir.File("keep.pwl");
  const std::string old = CrLfLines({"0 0 0 0 Old"});
  WriteFileBytes(path, old);
  WriteFileBytes(dir.File("file"), "x");

  const Level level = MakeLevel({"0 1 1 0 New"}, {});
  const platform::IoResult intoFile = SaveLevelFile(dir.File("file") + "/x.pwl", level);
  EXPECT_FALSE(intoFile);
  EXPECT_NE(intoFile.error.find("Not a directory"), std::string::npos) << intoFile.error;

  if (cw::testing::PermissionBitsStopUs()) {
    cw::testing::SetPermissionBits(dir.path(), 0555);
    const platform::IoResult readOnly = SaveLevelFile(path, level);
    cw::testing::SetPermissionBits(dir.path(), 0755);
    EXPECT_FALSE(readOnly);
    EXPECT_NE(readOnly.error.find("Permission denied"), std::string::npos) << readOnly.error;
  }
  EXPECT_EQ(ReadFileBytes(path), old);
}

TEST(DocumentNameFromPath, LastComponentCutBeforeItsLastDot) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\GAMES\\works\\a.b.pwl", "a.b"},
      {"/home/u/works/level1.pwl", "level1"},
      {"works/mixed\\name.pwl", "name"},
      {"/tmp/noext", "noext"},
      {"/tmp/dir.d/noext", "noext"},
      {"plain.pwl", "plain"},
      {"/tmp/.pwl", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(DocumentNameFromPath(path), name) << path;
}

}  // namespace
}  // namespace cw::document
