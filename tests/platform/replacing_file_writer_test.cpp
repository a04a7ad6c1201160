#include "platform/replacing_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>

#include "support/file_size_limit.h"
#include "support/permissions.h"
#include "support/test_files.h"
#include "support/waiting_pipe.h"

namespace cw::platform {
namespace {

using cw::testing::EntriesIn;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;

TEST(ReplacingFileWriter, WritesLinesWithCrLfAndLeavesNoTemporary) {
  TempDir dir;
  ReplacingFileWriter writer(dir.File("out.map"));
  ASSERT_TRUE(writer.Open());
  writer.WriteLine("{");
  writer.Write("a");
  writer.WriteLine("");
  writer.WriteLine(std::string(1 << 19, 'x'));  // larger than the buffer
  ASSERT_TRUE(writer.Commit());
  EXPECT_EQ(ReadFileBytes(dir.File("out.map")), "{\r\na\r\n" + std::string(1 << 19, 'x') + "\r\n");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(ReplacingFileWriter, AWriteErrorKeepsTheOldFileAndReportsIt) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows cannot limit the size of a process's files";
#else
  TempDir dir;
  const std::string path = dir.File("level.pwl");
  WriteFileBytes(path, "old contents\r\n");
  for (rlim_t failAfter : {0u, 3u, 100000u, 1u}) {
    ReplacingFileWriter writer(path);
    // The last one with the named temporary file of systems without unnamed files.
    if (failAfter == 1u) writer.UseNamedTemporaryForTesting();
    ASSERT_TRUE(writer.Open());
    {
      // The disk fills up after that many bytes.
      cw::testing::FileSizeLimit limit(failAfter);
      for (int i = 0; i < 20000; ++i) writer.WriteLine("0 1 2 3 Block");
      const IoResult result = writer.Commit();
      EXPECT_FALSE(result) << failAfter;
      EXPECT_EQ(result.error, path + ": File too large");
    }
    EXPECT_EQ(ReadFileBytes(path), "old contents\r\n");
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "the temporary file is removed";
  }
#endif
}

TEST(ReplacingFileWriter, UncommittedWriterLeavesTargetUntouched) {
  TempDir dir;
  const std::string path = dir.File("level.pwl");
  WriteFileBytes(path, "old");
  {
    ReplacingFileWriter writer(path);
    ASSERT_TRUE(writer.Open());
    writer.WriteLine("new");
  }
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(ReplacingFileWriter, KeepsPermissionBitsOrUsesTheUmask) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows files have no permission bits and there is no umask";
#else
  TempDir dir;
  const std::string existing = dir.File("existing");
  WriteFileBytes(existing, "x");
  ASSERT_EQ(::chmod(existing.c_str(), 0640), 0);
  const mode_t oldMask = ::umask(022);
  ReplacingFileWriter first(existing);
  ASSERT_TRUE(first.Open());
  ASSERT_TRUE(first.Commit());
  ReplacingFileWriter second(dir.File("new"));
  ASSERT_TRUE(second.Open());
  ASSERT_TRUE(second.Commit());
  ::umask(oldMask);
  struct stat info {};
  ASSERT_EQ(::stat(existing.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  ASSERT_EQ(::stat(dir.File("new").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
#endif
}

TEST(ReplacingFileWriter, FollowsASymbolicLinkAndKeepsIt) {
  TempDir dir;
  WriteFileBytes(dir.File("real"), "old");
  std::error_code cannot;
  std::filesystem::create_symlink(dir.File("real"), dir.File("link"), cannot);
  if (cannot) {
    // Windows lets only privileged users make them, and Wine has none.
    GTEST_SKIP() << "no symbolic link can be made here: " << cannot.message();
  }
  ReplacingFileWriter writer(dir.File("link"));
  ASSERT_TRUE(writer.Open());
  writer.Write("new");
  ASSERT_TRUE(writer.Commit());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link")));
  EXPECT_EQ(ReadFileBytes(dir.File("real")), "new");
}

// A device was once written where it stood, and a pipe made Open() wait for a reader for ever.
TEST(ReplacingFileWriter, DevicesAndPipesAreRefusedAtOnce) {
  const cw::testing::WaitingPipe pipe;
  std::vector<std::string> targets = {cw::testing::kNullDevice, pipe.path()};
#ifndef _WIN32
  targets.push_back("/dev/full");
#endif
  for (const std::string& target : targets) {
    ReplacingFileWriter writer(target);
    const IoResult opened = writer.Open();
    EXPECT_EQ(opened.error, target + ": not a regular file");
    EXPECT_FALSE(writer.Commit());
  }
#ifndef _WIN32
  struct stat info {};
  ASSERT_EQ(::stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device must never be replaced by a file";
#endif
}

TEST(ReplacingFileWriter, OpenFailuresNameTheChosenFile) {
  TempDir dir;
  const IoResult missingFolder = ReplacingFileWriter(dir.File("no/such/x.map")).Open();
  EXPECT_EQ(missingFolder.error, dir.File("no/such/x.map") + ": No such file or directory");
  const IoResult folder = ReplacingFileWriter(dir.path().string()).Open();
  EXPECT_FALSE(folder);
  if (cw::testing::ReadOnlyFilesStopUs()) {
    WriteFileBytes(dir.File("ro"), "keep");
    cw::testing::SetPermissionBits(dir.File("ro"), 0444);
    const IoResult readOnly = ReplacingFileWriter(dir.File("ro")).Open();
    EXPECT_EQ(readOnly.error, dir.File("ro") + ": Permission denied");
    EXPECT_EQ(ReadFileBytes(dir.File("ro")), "keep");
  }
}

}  // namespace
}  // namespace cw::platform
