#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_size_limit.h"
#include "support/post_build_probe.h"
#include "support/test_files.h"
#include "support/tool_run.h"

namespace {

using cw::testing::CrLfLines;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::ToolRun;
using cw::testing::WriteFileBytes;

// Runs cryptwright-build in a folder with the given arguments, capturing its output.
ToolRun RunTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
  return cw::testing::RunProgram(CW_TOOL_CRYPTWRIGHT_BUILD, folder, arguments);
}

// A folder with a block template, settings and a level.
class CryptwrightBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(dir_.path() / "Box.map",
                   CrLfLines({"{", "\"classname\" \"worldspawn\"",
                              "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) FLOOR 8 8 0 1 1", "}", "{",
                              "\"classname\" \"light\"", "\"origin\" \"0 0 24\"", "}"}));
    WriteFileBytes(dir_.path() / "PellEd.ini", "[Block]\r\nBx=64\r\nbz=$20\r\n");
    std::filesystem::create_directory(dir_.path() / "works");
    WriteFileBytes(dir_.path() / "works" / "level.pwl",
                   CrLfLines({"1 2 0 0 Box", "0 0 0 0 Gone", "broken", ":1 2 0 0 0 0"}));
  }

  TempDir dir_;
};

const std::string kExpectedMap = CrLfLines({
    "{",
    "\"classname\" \"worldspawn\"",
    "// 1 2 0 0 Box",
    "( 128 0 32 ) ( 128 64 32 ) ( 192 64 32 ) FLOOR -120 8 0 1 1",
    "// 0 0 0 0 Gone",
    "// broken",
    "}",
    "// 1 2 0 0 Box",
    "{",
    "\"classname\" \"light\"",
    "\"origin\" \"128 0 56\"",
    "}",
    "// 0 0 0 0 Gone",
    "// broken",
    "{",
    "\"classname\" \"trigger_relay\"",
    "\"origin\" \"128 0 48\"",
    "\"targetname\" \"t0510200\"",
    "\"target\" \"t0500000\"",
    "}",
});

// How every Check of the folder's level ends: the level's own finding, the budget, the count.
const std::string kCheckEnd =
    "problem: no player start: no block holds an entity whose classname begins with "
    "\"info_player_start\"\n"
    "Quake budget: brushes 0 of 4096\n"
    "Quake budget: brush models 1 of 256\n"
    "Quake budget: entities 3 of 600\n"
    "Quake budget: faces at least 1 of 65535\n"
    "Quake budget: planes at least 1 of 32767\n"
    "Check: 6 problems, 1 warning\n";

// What Check finds in the folder's level, as the compile log says it.
const std::string kCheckLines =
    "problem: floor 1, cell 2 0: no picture \"Box.bmp\"; the floor view shows it as Unknown\n"
    "warning: floor 1, cell 2 0: the face texture \"FLOOR\" of \"Box\" is found nowhere: in no "
    "WAD of the wad key, and no textures/FLOOR.wal, textures/FLOOR.m8, base/textures/FLOOR.m8\n"
    "problem: floor 0, cell 0 0: no picture \"Gone.bmp\"; the floor view shows it as Unknown\n"
    "problem: floor 1, cell 2 0: the link \"1 2 0 0 0 0\" ends at floor 0, cell 0 0, whose "
    "block has no entity named t0; it fires nothing\n" +
    kCheckEnd;

// The compiler's warnings, the first lines of a Build's log after its heading.
const std::string kCompilerWarnings =
    "warning: floor 0, cell 0 0: Gone.map: No such file or directory; blocks named \"Gone\" get "
    "no brushes or entities\n"
    "warning: block record 3 \"broken\" does not parse; only its comment lines are written\n";

TEST_F(CryptwrightBuildTest, CompilesWithTheFoldersSettingsAndTemplatesAndPrintsTheLog) {
  const ToolRun run = RunTool(dir_.path(), {"works/level.pwl", "works/level.map"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(dir_.path() / "works" / "level.map"), kExpectedMap);
  EXPECT_EQ(run.out, "Build of level into works/level.map\n" + kCompilerWarnings + kCheckLines +
                         "map written: 20 lines\n");
  EXPECT_EQ(run.err, "");
  // No post-build step without being asked for one.
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "record.txt"));
}

TEST_F(CryptwrightBuildTest, PostBuildOnRequest) {
  const std::filesystem::path record = dir_.path() / "record.txt";
  WriteFileBytes(dir_.path() / "PellPost.BAT", cw::testing::RecordingBatchScript(record));
  const ToolRun plain = RunTool(dir_.path(), {"works/level.pwl", "works/level.map"});
  EXPECT_EQ(plain.exitCode, 0);
  const ToolRun run = RunTool(dir_.path(), {"--post-build", "works/level.pwl", "works/level.map"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const auto lines = cw::testing::WaitForLines(record);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"2", "level",
                                              cw::testing::FolderAsPassed(dir_.path() / "works"),
                                              dir_.path().string()}));
}

TEST_F(CryptwrightBuildTest, PostBuildThatCannotStartIsAWarning) {
  const ToolRun run = RunTool(dir_.path(), {"works/level.pwl", "works/level.map", "--post-build"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(
      run.out.ends_with("map written: 20 lines\n"
                        "warning: PellPost.BAT could not be found or started; no "
                        "post-build step ran\n"))
      << run.out;
}

TEST_F(CryptwrightBuildTest, ErrorsNameTheFileAndTheReason) {
  WriteFileBytes(dir_.path() / "works" / "level.map", "old map");
  std::filesystem::create_directory(dir_.path() / "folder.pwl");
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    std::string err;  // the beginning of stderr
  } cases[] = {
      {{"nothere.pwl", "out.map"},
       1,
       "cryptwright-build: nothere.pwl: No such file or directory\n"},
      {{"folder.pwl", "out.map"}, 1, "cryptwright-build: folder.pwl: Is a directory\n"},
      {{"works/level.pwl", "missing/out.map"},
       1,
       "cryptwright-build: missing/out.map: No such file or directory\n"},
      {{}, 2, "cryptwright-build: expected a level file and an output file\n"},
      {{"a.pwl"}, 2, "cryptwright-build: expected a level file and an output file\n"},
      {{"a.pwl", "b.map", "c"}, 2, "cryptwright-build: expected a level file and an output file\n"},
      {{"a.pwl", "b.map", "--fast"},
       2,
       "cryptwright-build: unknown option --fast\n"
       "Usage: cryptwright-build LEVEL OUTPUT [--post-build [--wait]] | --check LEVEL | --help\n"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(dir_.path(), c.arguments);
    const std::string what = c.arguments.empty() ? "(none)" : c.arguments[0];
    EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err;
    EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << what;
  }
  EXPECT_EQ(ReadFileBytes(dir_.path() / "works" / "level.map"), "old map");
}

TEST_F(CryptwrightBuildTest, AFullDiskIsAnErrorAfterTheWarnings) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows cannot limit the size of a process's files";
#else
  // Every cell of two floors, each with its picture: a log of a few lines, a map of 200 KB.
  WriteFileBytes(dir_.path() / "Box.bmp", "");
  std::string level;
  for (int i = 0; i < 2048; ++i)
    level += std::to_string(1 + i / 1024) + " " + std::to_string(i % 32) + " " +
             std::to_string(i / 32 % 32) + " 0 Box\r\n";
  WriteFileBytes(dir_.path() / "works" / "big.pwl", level + "0 0 0 0 Gone\r\n");
  ToolRun full;
  {
    // The child inherits the limit: the disk fills up half-way through its map.
    cw::testing::FileSizeLimit limit(64 * 1024);
    full = RunTool(dir_.path(), {"works/big.pwl", "works/big.map"});
  }
  EXPECT_EQ(full.exitCode, 1);
  // The log's last line names the output file that could not be written, and so does the error.
  EXPECT_TRUE(
      full.out.ends_with("problem: the map was not written: works/big.map: File too large\n"))
      << full.out;
  EXPECT_EQ(full.err, "cryptwright-build: works/big.map: File too large\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "works" / "big.map"));
#endif
}

TEST_F(CryptwrightBuildTest, HelpExplainsTheCommand) {
  const ToolRun run = RunTool(dir_.path(), {"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("Usage: cryptwright-build LEVEL OUTPUT [--post-build]\n", 0), 0u);
  for (const char* topic : {"PellEd.ini", "--post-build", "PellPost.BAT", "Exit status"}) {
    EXPECT_NE(run.out.find(topic), std::string::npos) << topic;
  }
}

TEST_F(CryptwrightBuildTest, WithoutSettingsFileUsesTheDefaults) {
  std::filesystem::remove(dir_.path() / "PellEd.ini");
  WriteFileBytes(dir_.path() / "one.pwl", ":0 1 2 0 3 4\r\n");
  const ToolRun run = RunTool(dir_.path(), {"one.pwl", "one.map"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "") << "a missing settings file is no warning";
  EXPECT_EQ(ReadFileBytes(dir_.path() / "one.map"),
            CrLfLines({"{", "\"classname\" \"worldspawn\"", "}", "{",
                       "\"classname\" \"trigger_relay\"", "\"origin\" \"128 -256 64\"",
                       "\"targetname\" \"t0500102\"", "\"target\" \"t0500304\"", "}"}));
}

TEST_F(CryptwrightBuildTest, CheckReportsEachFindingAndFailsOnOne) {
  const ToolRun run = RunTool(dir_.path(), {"--check", "works/level.pwl"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(
      run.out,
      "Check of level\n"
      "problem: floor 1, cell 2 0: no picture \"Box.bmp\"; the floor view shows it as "
      "Unknown\n"
      "warning: floor 1, cell 2 0: the face texture \"FLOOR\" of \"Box\" is found nowhere: in no "
      "WAD of the wad key, and no textures/FLOOR.wal, textures/FLOOR.m8, base/textures/FLOOR.m8\n"
      "problem: floor 0, cell 0 0: no block template \"Gone.map\"; the block gets no "
      "brushes or entities\n"
      "problem: floor 0, cell 0 0: no picture \"Gone.bmp\"; the floor view shows it as "
      "Unknown\n"
      "problem: block record 3 \"broken\" does not parse; only its comment lines are "
      "written\n"
      "problem: floor 1, cell 2 0: the link \"1 2 0 0 0 0\" ends at floor 0, cell 0 0, whose "
      "block has no entity named t0; it fires nothing\n" +
          kCheckEnd);
  // The level is only read: no map is written.
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "works" / "level.map"));
  const ToolRun missing = RunTool(dir_.path(), {"--check", "nothere.pwl"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "cryptwright-build: nothere.pwl: No such file or directory\n");
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--check"},
                                                {"--check", "a.pwl", "b.map"},
                                                {"works/level.pwl", "out.map", "--wait"}}) {
    EXPECT_EQ(RunTool(dir_.path(), wrong).exitCode, 2) << wrong.back();
  }
}

TEST_F(CryptwrightBuildTest, WaitPassesTheBatchsOutputThroughAndExitsWithItsStatus) {
#ifdef _WIN32
  GTEST_SKIP() << "the batch's output is not watched on Windows";
#endif
  WriteFileBytes(dir_.path() / "PellPost.BAT",
                 "echo \"qbsp $1\"\necho \"WARNING: $2/$1.map[line 4]: odd\" >&2\nsleep 0.2\n"
                 "echo done\nexit 3\n");
  const ToolRun run =
      RunTool(dir_.path(), {"works/level.pwl", "works/level.map", "--post-build", "--wait"});
  EXPECT_EQ(run.exitCode, 3) << run.err;
  // The batch's lines follow the Build's, each line that names a map line with its cell.
  EXPECT_TRUE(
      run.out.ends_with("map written: 20 lines\n"
                        "PellPost.BAT started\n"
                        "qbsp level\n"
                        "[floor 1, cell 2 0, block \"1 2 0 0 Box\"]  WARNING: " +
                        (dir_.path() / "works").string() +
                        "/level.map[line 4]: odd\n"
                        "done\n"
                        "PellPost.BAT finished with status 3\n"))
      << run.out;
  WriteFileBytes(dir_.path() / "PellPost.BAT", "echo ending\nkill -9 $$\n");
  const ToolRun killed =
      RunTool(dir_.path(), {"works/level.pwl", "works/level.map", "--post-build", "--wait"});
  EXPECT_EQ(killed.exitCode, 128 + 9);
  EXPECT_TRUE(killed.out.ends_with("ending\nPellPost.BAT was ended by signal 9\n")) << killed.out;
  std::filesystem::remove(dir_.path() / "PellPost.BAT");
  const ToolRun none =
      RunTool(dir_.path(), {"works/level.pwl", "works/level.map", "--post-build", "--wait"});
  EXPECT_EQ(none.exitCode, 1);
}

}  // namespace
