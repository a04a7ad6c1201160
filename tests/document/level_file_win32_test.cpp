// Level files by Windows paths: a drive letter, "\" or "/" between the folders. The file is the
// same bytes as on every platform, and the document is named after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "document/level_file.h"
#include "support/test_files.h"

namespace cw::document {
namespace {

using cw::testing::ReadFileBytes;
using cw::testing::TempDir;

TEST(LevelFileOnWindows, ADriveLetterPathSavesTheBytesAndLoadsUnderTheFilesName) {
  const TempDir dir;
  std::filesystem::create_directory(dir.path() / "works");
  const std::string backslashed = (dir.path() / "works" / "a.b.pwl").string();
  ASSERT_EQ(backslashed.substr(1, 2), ":\\") << backslashed;
  Level level;
  level.BlockList = {"0 3 4 0 B", "0 4 4 2 C"};
  level.LinkList = {"0 3 4 1 3 4"};
  ASSERT_TRUE(SaveLevelFile(backslashed, level));
  EXPECT_EQ(ReadFileBytes(backslashed), "0 3 4 0 B\r\n0 4 4 2 C\r\n:0 3 4 1 3 4\r\n");
  EXPECT_EQ(cw::testing::EntriesIn(dir.path() / "works"), 1u) << "no temporary is left";

  std::string slashed = backslashed;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  for (const std::string& path : {backslashed, slashed}) {
    const platform::IoValue<LoadedLevel> loaded = LoadLevelFile(path);
    EXPECT_EQ(loaded.status, platform::IoStatus::kOk) << path;
    EXPECT_EQ(loaded.value.level.DocumentName, "a.b") << path;
    EXPECT_EQ(loaded.value.level.BlockList, level.BlockList) << path;
    EXPECT_EQ(loaded.value.level.LinkList, level.LinkList) << path;
  }
}

}  // namespace
}  // namespace cw::document
