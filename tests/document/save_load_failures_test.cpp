// Saves and loads that fail: the failure comes back with the file's name and the reason, the
// previous file stays whole, no temporary file is left behind, and nothing is reported as done.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/level_file.h"
#include "platform/shown_text.h"
#include "support/file_size_limit.h"
#include "support/level_bytes.h"
#include "support/permissions.h"
#include "support/test_files.h"

namespace cw::document {
namespace {

using cw::testing::LevelBytes;

using cw::testing::EntriesIn;
#ifndef _WIN32
using cw::testing::FileSizeLimit;
#endif
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

Level LevelOfSize(std::size_t records) {
  Level level;
  for (std::size_t i = 0; i < records; ++i)
    level.BlockList.push_back("0 1 2 3 Block" + std::to_string(i));
  level.LinkList = {"0 1 2 0 3 4"};
  return level;
}

TEST(SaveFailure, UnwritableTargetsReturnTheReasonAndCreateNothing) {
  TempDir dir;
  WriteFileBytes(dir.File("plain"), "x");
  std::filesystem::create_directory(dir.File("folder"));
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {dir.File("missing/level.pwl"), "No such file or directory"},
      {dir.File("plain/level.pwl"), "Not a directory"},
      {dir.File("folder"), "Is a directory"},
      {dir.File(std::string(300, 'n') + ".pwl"), "File name too long"},
      {dir.File("plain") + std::string(1, '\0') + "x.pwl", "Invalid argument"},
  };
  for (const Case& c : cases) {
    const platform::IoResult result = SaveLevelFile(c.path, LevelOfSize(3));
    EXPECT_FALSE(result) << c.path;
    // The NUL byte is shown, not cut.
    EXPECT_EQ(result.error, platform::ShownText(c.path) + ": " + c.reason);
  }
  EXPECT_EQ(EntriesIn(dir.path()), 2u) << "no file was left behind";
  EXPECT_EQ(ReadFileBytes(dir.File("plain")), "x");
}

// A device was written where it stood; /dev/full gave "No space left on device".
TEST(SaveFailure, ADeviceIsRefused) {
  const platform::IoResult result = SaveLevelFile(cw::testing::kNullDevice, LevelOfSize(3));
  EXPECT_EQ(result.error, std::string(cw::testing::kNullDevice) + ": not a regular file");
}

TEST(SaveFailure, ReadOnlyFolderKeepsTheOldFile) {
  if (!cw::testing::PermissionBitsStopUs()) {
    GTEST_SKIP() << "permission bits stop neither the super-user nor anyone on Windows";
  }
  TempDir dir;
  const std::string path = dir.File("level.pwl");
  WriteFileBytes(path, "0 0 0 0 Old\r\n");
  cw::testing::SetPermissionBits(dir.path(), 0555);
  const platform::IoResult result = SaveLevelFile(path, LevelOfSize(3));
  cw::testing::SetPermissionBits(dir.path(), 0755);
  EXPECT_EQ(result.error, path + ": Permission denied");
  EXPECT_EQ(ReadFileBytes(path), "0 0 0 0 Old\r\n");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(SaveFailure, DiskFillingUpHalfWayKeepsTheOldFile) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows cannot limit the size of a process's files";
#else
  TempDir dir;
  const std::string path = dir.File("level.pwl");
  WriteFileBytes(path, "0 0 0 0 Old\r\n");
  const Level level = LevelOfSize(100'000);  // about 2 MB
  platform::IoResult result;
  {
    FileSizeLimit limit(64 * 1024);
    result = SaveLevelFile(path, level);
  }
  EXPECT_FALSE(result);
  EXPECT_EQ(result.error, path + ": File too large");
  EXPECT_EQ(ReadFileBytes(path), "0 0 0 0 Old\r\n");
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "the half-written temporary is removed";

  // With room again the same level saves whole.
  ASSERT_TRUE(SaveLevelFile(path, level));
  EXPECT_EQ(ReadFileBytes(path), LevelBytes(level));
#endif
}

TEST(SaveFailure, NamesUpToTheFileSystemLimitSave) {
  TempDir dir;
  for (std::size_t length : {200u, 245u, 251u, 255u}) {
    const std::string path = dir.File(std::string(length - 4, 'n') + ".pwl");
    const platform::IoResult result = SaveLevelFile(path, LevelOfSize(2));
    EXPECT_TRUE(result) << length << ": " << result.error;
    EXPECT_EQ(ReadFileBytes(path), LevelBytes(LevelOfSize(2))) << length;
  }
}

TEST(LoadFailure, AFileThatVanishesOrChangesBeforeItIsReadIsNotLoaded) {
  TempDir dir;
  const std::string path = dir.File("chosen.pwl");
  WriteFileBytes(path, "0 0 0 0 A\r\n");
  std::filesystem::remove(path);  // deleted after the dialog returned its name
  const platform::IoValue<LoadedLevel> vanished = LoadLevelFile(path);
  EXPECT_EQ(vanished.status, platform::IoStatus::kNotFound);
  EXPECT_TRUE(vanished.value.level.BlockList.empty() && vanished.value.level.LinkList.empty());

  std::filesystem::create_directory(path);  // and something else put in its place
  const platform::IoValue<LoadedLevel> folder = LoadLevelFile(path);
  EXPECT_EQ(folder.status, platform::IoStatus::kFailed);
  EXPECT_EQ(folder.error, path + ": Is a directory");
  EXPECT_TRUE(folder.value.level.BlockList.empty() && folder.value.level.LinkList.empty());
}

TEST(LoadFailure, AnUnreadableFileIsAFailureNamingTheFile) {
  if (!cw::testing::PermissionBitsStopUs()) {
    GTEST_SKIP() << "permission bits stop neither the super-user nor anyone on Windows";
  }
  TempDir dir;
  const std::string locked = dir.File("locked.pwl");
  WriteFileBytes(locked, "0 0 0 0 A\r\n");
  cw::testing::SetPermissionBits(locked, 0);
  const platform::IoValue<LoadedLevel> unreadable = LoadLevelFile(locked);
  EXPECT_EQ(unreadable.status, platform::IoStatus::kFailed);
  EXPECT_EQ(unreadable.error, locked + ": Permission denied");
}

}  // namespace
}  // namespace cw::document
