// The post-build batch started on POSIX: found in the current folder or on PATH, run by the
// shell with exactly two arguments, detached, leaving no child behind.
#include "compiler/post_build.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/process_runner.h"
#include "support/post_build_probe.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CurrentDirectoryGuard;
using cw::testing::TempDir;
using cw::testing::WaitForLines;
using cw::testing::WriteFileBytes;
using Lines = std::vector<std::string>;

// Sets an environment variable for a test's lifetime.
class EnvironmentGuard {
 public:
  EnvironmentGuard(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvironmentGuard() {
    if (previous_) {
      ::setenv(name_, previous_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

// No child of ours is left behind, not even as a zombie.
void ExpectNoChildren() {
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(PostBuildTest, BatchGetsExactlyTwoArgumentsWhateverTheNames) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  const std::filesystem::path record = dir.path() / "record.txt";
  WriteFileBytes(dir.path() / kPostBuildBatchName, cw::testing::RecordingBatchScript(record));
  const std::filesystem::path folder = dir.path() / "my \"works\" $(touch y) `x`";
  std::filesystem::create_directory(folder);
  const std::string map = (folder / "a;touch x.map").string();

  ASSERT_TRUE(RunPostBuild(platform::SystemProcessRunner(), map));
  const auto lines = WaitForLines(record);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (Lines{"2", "a;touch x", folder.string(), dir.path().string()}));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.map"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "y"));
  ExpectNoChildren();
}

TEST(PostBuildTest, RelativeMapPathIsPassedWithItsFullFolder) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  const std::filesystem::path record = dir.path() / "record.txt";
  WriteFileBytes(dir.path() / kPostBuildBatchName, cw::testing::RecordingBatchScript(record));
  std::filesystem::create_directory(dir.path() / "works");
  ASSERT_TRUE(RunPostBuild(platform::SystemProcessRunner(), "works/level.map"));
  const auto lines = WaitForLines(record);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 4u);
  EXPECT_EQ((*lines)[1], "level");
  EXPECT_EQ((*lines)[2], (dir.path() / "works").string());
}

TEST(PostBuildTest, BatchIsFoundOnPathWhenNotInTheCurrentFolder) {
  const TempDir dir;
  const TempDir tools;
  const CurrentDirectoryGuard cwd(dir.path());
  const std::filesystem::path record = dir.path() / "record.txt";
  WriteFileBytes(tools.path() / kPostBuildBatchName, cw::testing::RecordingBatchScript(record));
  const EnvironmentGuard path("PATH", "/nonexistent:" + tools.path().string());
  ASSERT_TRUE(RunPostBuild(platform::SystemProcessRunner(), dir.File("m.map")));
  const auto lines = WaitForLines(record);
  ASSERT_TRUE(lines);
  EXPECT_EQ((*lines)[1], "m");
}

TEST(PostBuildTest, MissingBatchStartsNothing) {
  const TempDir dir;
  const CurrentDirectoryGuard cwd(dir.path());
  const EnvironmentGuard path("PATH", dir.File("bin"));
  // A folder of that name is not a batch file either.
  std::filesystem::create_directories(dir.path() / "bin" / kPostBuildBatchName);
  EXPECT_FALSE(RunPostBuild(platform::SystemProcessRunner(), dir.File("m.map")));
  ExpectNoChildren();
}

TEST(DetachedProcessTest, ReportsWhetherTheProgramStarted) {
  platform::ProcessRunner& runner = platform::SystemProcessRunner();
  EXPECT_FALSE(runner.StartDetached({}));
  EXPECT_FALSE(runner.StartDetached({"/nonexistent/program"}));
  EXPECT_TRUE(runner.StartDetached({"/bin/sh", "-c", "exit 3"}));
  ExpectNoChildren();
}

}  // namespace
}  // namespace cw::compiler
