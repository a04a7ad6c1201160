// The post-build batch started on Windows: WinExec runs "PellPost.BAT" with the map's short name
// and short folder, each in double quotes, so that blanks, "&" and "%" in them reach the batch
// as text and cmd runs nothing else. A real batch records what it received, and the command
// line that cmd was given.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "compiler/build.h"
#include "compiler/post_build.h"
#include "compiler/post_build_arguments.h"
#include "support/post_build_probe.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::FolderAsPassed;
using cw::testing::TempDir;
using cw::testing::WaitForLines;
using cw::testing::WriteFileBytes;
namespace fs = std::filesystem;

constexpr std::size_t kShortPathLimit = 119;

// Folder names that cmd would cut at their blanks, and whose "&" would start a second command,
// were they not quoted.
constexpr const char* kHostileFolder = "maps & mkdir smuggled";
constexpr const char* kNestedFolder = "a & b";
// cmd replaces the text between two "%" signs by a variable's value even inside quotes, so a
// path may carry one "%" to reach the batch unchanged.
constexpr const char* kPercentFolder = "maps & mkdir smuggled 100%";

// Sets an environment variable for a test's lifetime.
class EnvironmentGuard {
 public:
  EnvironmentGuard(const char* name, const std::string& value) : name_(name) {
    char old[32767];
    const DWORD length = ::GetEnvironmentVariableA(name, old, sizeof old);
    if (length > 0 && length < sizeof old) previous_ = std::string(old, length);
    ::SetEnvironmentVariableA(name, value.c_str());
  }
  ~EnvironmentGuard() {
    ::SetEnvironmentVariableA(name_, previous_ ? previous_->c_str() : nullptr);
  }

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

class PostBuildOnWindows : public ::testing::Test {
 protected:
  PostBuildOnWindows() {
    WriteFileBytes(work_.path() / kPostBuildBatchName, cw::testing::RecordingBatchScript(record_));
  }

  // Builds an empty level into `map` with the post-build step and returns what the batch got.
  std::vector<std::string> BuildAndRecord(const fs::path& map) {
    const auto outcome = RunBuild(document::Level{}, PlacementSettings{}, map.string());
    EXPECT_TRUE(outcome) << outcome.error;
    EXPECT_TRUE(RunPostBuild(platform::SystemProcessRunner(), map.string()));
    return WaitForLines(record_, std::chrono::seconds(30)).value_or(std::vector<std::string>{});
  }

  // `folder`, made, with folders below it until even the short form of the deepest does not fit
  // in the program's 120 characters together with a map's short name (at most 12 characters).
  static fs::path FolderTooDeepForAShortPath(fs::path folder) {
    fs::create_directory(folder);
    while (FolderAsPassed(folder).size() + 1 + 12 <= kShortPathLimit) {
      folder /= kNestedFolder;
      fs::create_directory(folder);
    }
    return folder;
  }

  // Makes the batch also record the command line that cmd was given, to `commandLine_`.
  void RecordTheCommandLineToo() {
    const fs::path recorder = fs::path(CW_PARENT_COMMAND_LINE).make_preferred();
    WriteFileBytes(work_.path() / kPostBuildBatchName,
                   "@\"" + recorder.string() + "\" \"" + commandLine_.string() + "\"\r\n" +
                       cw::testing::RecordingBatchScript(record_));
  }

  // Nothing that a split command line could have run: no folder "smuggled" anywhere near.
  void ExpectNothingSmuggled(const fs::path& mapFolder) {
    EXPECT_FALSE(fs::exists(work_.path() / "smuggled"));
    EXPECT_FALSE(fs::exists(mapFolder / "smuggled"));
  }

  TempDir work_;     // the current folder: the batch, and whatever a smuggled command would make
  TempDir records_;  // where the batch writes what it received
  fs::path record_ = records_.path() / "received.txt";
  fs::path commandLine_ = records_.path() / "command-line.txt";
  cw::testing::CurrentDirectoryGuard inWork_{work_.path()};
};

TEST_F(PostBuildOnWindows, TheCommandLineQuotesTheNameAndTheFolder) {
  EXPECT_EQ(platform::WindowsCommandLine({"PellPost.BAT", "LEVEL1", "C:\\GAMES\\WORKS"}),
            "PellPost.BAT \"LEVEL1\" \"C:\\GAMES\\WORKS\"");
  EXPECT_EQ(platform::WindowsCommandLine({"PellPost.BAT", "my level", "D:\\maps & more 100%"}),
            "PellPost.BAT \"my level\" \"D:\\maps & more 100%\"");
}

TEST_F(PostBuildOnWindows, AnEightDotThreeMapGetsItsNameAndTheShortFolder) {
  const fs::path folder = work_.path() / "GAMES" / "WORKS";
  fs::create_directories(folder);
  const std::vector<std::string> received = BuildAndRecord(folder / "LEVEL1.MAP");
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[0], "2");
  EXPECT_EQ(received[1], "LEVEL1");
  EXPECT_EQ(received[2], FolderAsPassed(folder));
  // A drive letter, backslashes and the map's own folders, without a trailing backslash.
  EXPECT_EQ(received[2].substr(1, 2), ":\\") << received[2];
  EXPECT_TRUE(received[2].ends_with("\\GAMES\\WORKS")) << received[2];
  EXPECT_TRUE(fs::equivalent(received[3], work_.path())) << received[3];
}

TEST_F(PostBuildOnWindows, AHostileFolderReachesTheBatchAsOneArgument) {
  const fs::path folder = work_.path() / kPercentFolder;
  fs::create_directories(folder);
  const fs::path map = folder / "first level.map";
  const std::vector<std::string> received = BuildAndRecord(map);
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[0], "2");
  EXPECT_EQ(received[2], FolderAsPassed(folder));
  // Whatever short names the file system gave them, the two arguments name the map.
  EXPECT_TRUE(fs::equivalent(received[2], folder)) << received[2];
  EXPECT_TRUE(fs::equivalent(fs::path(received[2]) / (received[1] + ".map"), map)) << received[1];
  ExpectNothingSmuggled(folder);
}

TEST_F(PostBuildOnWindows, WithoutAShortPathThatFitsTheLongNameAndFolderArePassedWhole) {
  const fs::path folder = FolderTooDeepForAShortPath(work_.path() / kHostileFolder);
  const fs::path map = folder / "my level.map";
  WriteFileBytes(map, "");
  ASSERT_GT(FolderAsPassed(map).size(), kShortPathLimit);
  ASSERT_LT(map.string().size(), std::size_t{MAX_PATH});

  const std::vector<std::string> received = BuildAndRecord(map);
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[0], "2");
  EXPECT_EQ(received[1], "my level");
  EXPECT_EQ(received[2], folder.string());
  ExpectNothingSmuggled(folder);
}

TEST_F(PostBuildOnWindows, APercentSignReachesCmdInTheFolder) {
  RecordTheCommandLineToo();
  const fs::path folder = FolderTooDeepForAShortPath(work_.path() / kPercentFolder);
  const fs::path map = folder / "my level.map";
  WriteFileBytes(map, "");
  ASSERT_GT(FolderAsPassed(map).size(), kShortPathLimit);

  const std::vector<std::string> received = BuildAndRecord(map);
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[0], "2");
  EXPECT_EQ(received[1], "my level");
  ExpectNothingSmuggled(folder);
  // The batch's own "%2" is cmd's to expand (Wine's drops a lone "%" there), so the folder is
  // checked on the command line that started cmd: it ends in the two quoted arguments.
  std::string commandLine = cw::testing::ReadFileBytes(commandLine_);
  if (commandLine.ends_with("\"\"")) commandLine.pop_back();  // cmd /s /c "..." around it
  EXPECT_TRUE(commandLine.ends_with(std::string(kPostBuildBatchName) + " \"my level\" \"" +
                                    folder.string() + "\""))
      << commandLine;
}

TEST_F(PostBuildOnWindows, TheBatchIsFoundOnPathWhenNotInTheCurrentFolder) {
  const TempDir tools;
  fs::rename(work_.path() / kPostBuildBatchName, tools.path() / kPostBuildBatchName);
  const char* systemPath = std::getenv("PATH");
  const EnvironmentGuard path("PATH", tools.path().string() + ";" + (systemPath ? systemPath : ""));
  const std::vector<std::string> received = BuildAndRecord(work_.path() / "m.map");
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[1], "m");
}

TEST_F(PostBuildOnWindows, AMissingBatchStartsNothing) {
  fs::remove(work_.path() / kPostBuildBatchName);
  WriteFileBytes(work_.path() / "m.map", "");
  const EnvironmentGuard path("PATH", work_.File("bin"));
  EXPECT_FALSE(RunPostBuild(platform::SystemProcessRunner(), work_.File("m.map")));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_FALSE(fs::exists(record_));
}

}  // namespace
}  // namespace cw::compiler
