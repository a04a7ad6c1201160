// The post-build batch with map names and folders that a shell would read as commands: the
// batch receives exactly its two arguments, byte for byte, and nothing else runs. A build that
// fails starts no batch at all.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "compiler/build_session.h"
#include "compiler/post_build.h"
#include "support/recording_runner.h"
#include "support/test_files.h"

namespace cw::compiler {
namespace {

using cw::testing::CurrentDirectoryGuard;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::WriteFileBytes;
namespace fs = std::filesystem;

void Ignore(LogLine) {}

// A batch that writes its argument count and each argument in brackets to a record file; the
// record appears whole (renamed into place) once the batch has run.
void WriteRecordingBatch(const fs::path& folder, const fs::path& record) {
  WriteFileBytes(
      folder / kPostBuildBatchName,
      "{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > '" +
          record.string() + ".part' && mv '" + record.string() + ".part' '" + record.string() +
          "'\n");
}

// Waits for the detached batch, up to a generous limit for a loaded machine.
std::string WaitForRecord(const fs::path& record, std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(record) && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return fs::exists(record) ? ReadFileBytes(record) : std::string();
}

class PostBuildHostileNames : public ::testing::Test {
 protected:
  PostBuildHostileNames() { WriteRecordingBatch(work_.path(), record_); }
  TempDir work_;     // the current directory: the batch and any file a smuggled command makes
  TempDir records_;  // where the batch writes what it received
  fs::path record_ = records_.path() / "received";
  CurrentDirectoryGuard inWork_{work_.path()};
};

TEST_F(PostBuildHostileNames, TheBatchReceivesExactlyTheNameAndTheFolder) {
  const fs::path odd = work_.path() / "maps with blanks 'single' \"double\" $(touch w) `touch v`";
  fs::create_directories(odd);
  struct Case {
    fs::path map;
    std::string name;
  };
  const Case cases[] = {
      {odd / "a;touch x.map", "a;touch x"},
      {odd / "$(touch y).map", "$(touch y)"},
      {odd / "`touch z`.map", "`touch z`"},
      {odd / "-n.map", "-n"},
      {odd / "two\nlines & | > out.map", "two\nlines & | > out"},
      {odd / "* ?.map", "* ?"},
  };
  for (const Case& c : cases) {
    fs::remove(record_);
    BuildSession session(platform::SystemProcessRunner());
    const platform::IoResult written = session.Build(document::Level{}, settings::Settings{},
                                                     c.map.string(), PostBuild::kDetached, Ignore);
    ASSERT_TRUE(written) << c.map << ": " << written.error;
    EXPECT_EQ(ReadFileBytes(c.map), "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n");
    EXPECT_EQ(WaitForRecord(record_, std::chrono::seconds(20)),
              "2\n[" + c.name + "]\n[" + odd.string() + "]\n")
        << c.map;
  }
  for (const char* smuggled : {"x.map", "x", "y", "z", "w", "v", "out"}) {
    EXPECT_FALSE(fs::exists(work_.path() / smuggled)) << smuggled << " was created by a shell";
    EXPECT_FALSE(fs::exists(odd / smuggled)) << smuggled << " was created by a shell";
  }
}

TEST_F(PostBuildHostileNames, AFailedBuildStartsNoBatch) {
  WriteFileBytes(work_.path() / "plain", "x");
  const std::string unwritable[] = {
      (work_.path() / "missing" / "level.map").string(),
      (work_.path() / "plain" / "level.map").string(),
      work_.path().string(),
  };
  cw::testing::RecordingRunner runner;
  for (const std::string& map : unwritable) {
    BuildSession session(runner);
    const platform::IoResult written =
        session.Build(document::Level{}, settings::Settings{}, map, PostBuild::kWatched, Ignore);
    EXPECT_FALSE(written) << map;
    EXPECT_EQ(written.error.rfind(map + ": ", 0), 0u) << written.error;
  }
  EXPECT_TRUE(runner.started.empty());
}

}  // namespace
}  // namespace cw::compiler
