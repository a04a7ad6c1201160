// Builds whose map cannot be written: the failure names the file and the reason, an old map
// stays whole, no half-written file is left behind, and nothing is started afterwards.
#include <gtest/gtest.h>

#include <filesystem>

#include "compiler/build.h"
#include "compiler/post_build.h"
#include "support/file_size_limit.h"
#include "support/permissions.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CurrentDirectoryGuard;
using cw::testing::EntriesIn;
#ifndef _WIN32
using cw::testing::FileSizeLimit;
#endif
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

// A level whose map runs to a few megabytes.
document::Level LargeLevel() {
  document::Level level;
  for (int i = 0; i < 20'000; ++i)
    level.BlockList.push_back("0 " + std::to_string(i % 32) + " 0 0 W");
  return level;
}

class BuildFailure : public ::testing::Test {
 protected:
  BuildFailure() {
    WriteFileBytes("W.map",
                   "{\n\"classname\" \"worldspawn\"\n{\n"
                   "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) WALL 16 16 0 1 1\n"
                   "( 0 0 0 ) ( 64 0 0 ) ( 64 0 64 ) WALL 16 16 0 1 1\n}\n}\n");
  }
  TempDir dir_;
  CurrentDirectoryGuard inDir_{dir_.path()};
};

TEST_F(BuildFailure, DiskFillingUpHalfWayKeepsTheOldMap) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows cannot limit the size of a process's files";
#else
  WriteFileBytes("level.map", "old map\r\n");
  platform::IoValue<std::vector<CompileWarning>> outcome;
  {
    FileSizeLimit limit(100 * 1024);
    outcome = RunBuild(LargeLevel(), PlacementSettings{}, "level.map");
  }
  EXPECT_EQ(outcome.error, "level.map: File too large");
  EXPECT_EQ(ReadFileBytes("level.map"), "old map\r\n");
  EXPECT_EQ(EntriesIn(dir_.path()), 2u) << "only the template and the old map remain";

  ASSERT_TRUE(RunBuild(LargeLevel(), PlacementSettings{}, "level.map"));
  EXPECT_GT(ReadFileBytes("level.map").size(), 100u * 1024);
#endif
}

TEST_F(BuildFailure, ADeviceIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that is always full";
#else
  const auto outcome = RunBuild(LargeLevel(), PlacementSettings{}, "/dev/full");
  EXPECT_EQ(outcome.error, "/dev/full: not a regular file");
#endif
}

TEST_F(BuildFailure, AReadOnlyMapIsKept) {
  if (!cw::testing::ReadOnlyFilesStopUs()) {
    GTEST_SKIP() << "permissions do not stop the super-user";
  }
  WriteFileBytes("level.map", "old map\r\n");
  std::filesystem::permissions("level.map", std::filesystem::perms::owner_read);
  const auto outcome = RunBuild(LargeLevel(), PlacementSettings{}, "level.map");
  EXPECT_EQ(outcome.error, "level.map: Permission denied");
  EXPECT_EQ(ReadFileBytes("level.map"), "old map\r\n");
}

}  // namespace
}  // namespace cw::compiler
