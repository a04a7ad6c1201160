// cryptwright-build in a folder of hostile files: no input is ever replaced by the map, no file
// hangs it or fills its memory, an unusable PellEd.ini is named, and names are shown escaped.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/test_files.h"
#include "support/tool_run.h"
#include "support/waiting_pipe.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using cw::testing::CrLfLines;
using cw::testing::ReadFileBytes;
using cw::testing::TempDir;
using cw::testing::ToolRun;
using cw::testing::WriteFileBytes;

// Every file of the folder and of works/ by name, with its bytes; the tool's captured output
// streams left out.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const fs::path& where : {folder, folder / "works"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(where)) {
      const std::string name = fs::relative(entry.path(), folder).generic_string();
      if (name == ".stdout" || name == ".stderr" || name == "works") continue;
      std::error_code error;
      files[name] = entry.is_regular_file(error) ? ReadFileBytes(entry.path()) : "(special)";
    }
  }
  return files;
}

class HostileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(Path("Box.map"), CrLfLines({"{", "\"classname\" \"worldspawn\"",
                                               "( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) F 0 0 0 1 1", "}",
                                               "{", "\"classname\" \"info_player_start\"",
                                               "\"origin\" \"0 0 24\"", "}"}));
    WriteFileBytes(Path("Box.bmp"), "a picture");
    WriteFileBytes(Path("Wall.bmp"), "a picture without a template yet");
    WriteFileBytes(Path("PellEd.ini"), "[Block]\r\nBx=64\r\n");
    fs::create_directory(Path("works"));
    WriteFileBytes(Path("works/level.pwl"), CrLfLines({"0 1 0 0 Box", "0 2 0 0 Gone"}));
  }

  std::string Path(const std::string& name) const { return (dir_.path() / name).string(); }
  ToolRun Run(const std::vector<std::string>& arguments) const {
    return cw::testing::RunProgram(CW_TOOL_CRYPTWRIGHT_BUILD, dir_.path(), arguments);
  }
  // Makes `name` a symbolic link to `target`; false where none can be made (Windows, Wine).
  bool Link(const std::string& target, const std::string& name) const {
    std::error_code error;
    fs::create_symlink(target, Path(name), error);
    return !error;
  }

  TempDir dir_;
};

constexpr const char* kGoneWarning =
    "cryptwright-build: warning: Gone.map: No such file or directory; blocks named \"Gone\" get "
    "no brushes or entities\n";

// `cryptwright-build level.pwl level.pwl` replaced the level with its map, and so did a link to
// it, a template of the folder or PellEd.ini.
TEST_F(HostileFolderTest, AMapThatWouldReplaceAnInputIsRefusedBeforeAnythingIsWritten) {
  std::vector<std::pair<std::string, std::string>> cases = {
      {"works/level.pwl", "the level file it is built from"},
      {"works/../works/level.pwl", "the level file it is built from"},
      {"PellEd.ini", "the settings file \"PellEd.ini\""},
      {"Box.bmp", "the block picture \"Box.bmp\""},
      {"New.bmp", "the block picture \"New.bmp\""},  // the palette would list it
      {"Box.map", "the block template \"Box.map\""},
      {"works/../Box.map", "the block template \"Box.map\""},
      {"Wall.map", "the block template \"Wall.map\""},  // beside Wall.bmp, though not there yet
      {"Gone.map", "the block template \"Gone.map\""},  // the level places Gone
  };
  if (Link("level.pwl", "works/link.map")) {
    cases.push_back({"works/link.map", "the level file it is built from"});
  }
  if (Link("../PellEd.ini", "works/settings.map")) {
    cases.push_back({"works/settings.map", "the settings file \"PellEd.ini\""});
  }
  const auto before = Snapshot(dir_.path());
  for (const auto& [map, why] : cases) {
    const ToolRun run = Run({"works/level.pwl", map});
    EXPECT_EQ(run.exitCode, 1) << map;
    EXPECT_EQ(run.err, "cryptwright-build: " + map + ": the map must not replace " + why + "\n");
    EXPECT_EQ(Snapshot(dir_.path()), before) << map;
  }
  // A map of the folder that no block is named after is written as ever.
  EXPECT_EQ(Run({"works/level.pwl", "Other.map"}).exitCode, 0);
}

// A FIFO as the map hung the build in open(); /dev/zero as an input was read until the memory
// ran out; an unusable PellEd.ini gave the defaults without a word.
TEST_F(HostileFolderTest, SpecialFilesAreRefusedAtOnceAndNamed) {
  const cw::testing::WaitingPipe pipe;
  const std::string device = cw::testing::kNullDevice;
  for (const std::string& map : {pipe.path(), device}) {
    const ToolRun run = Run({"works/level.pwl", map});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "cryptwright-build: " + map + ": not a regular file\n");
  }
  const ToolRun fromDevice = Run({device, "works/out.map"});
  EXPECT_EQ(fromDevice.exitCode, 1);
  EXPECT_EQ(fromDevice.err, "cryptwright-build: " + device + ": not a regular file\n");
  const ToolRun checkDevice = Run({"--check", device});
  EXPECT_EQ(checkDevice.exitCode, 2);
  EXPECT_EQ(checkDevice.err, fromDevice.err);

  // Inputs that link to an endless device, and a PellEd.ini that is a folder.
  fs::remove(Path("PellEd.ini"));
  fs::create_directory(Path("PellEd.ini"));
  std::string expected =
      "cryptwright-build: warning: PellEd.ini: Is a directory; the default settings are used\n";
  const bool linked = Link("/dev/zero", "works/zero.pwl") && Link("/dev/zero", "Zero.map");
  if (linked) {
    WriteFileBytes(Path("works/level.pwl"), CrLfLines({"0 1 0 0 Zero", "0 2 0 0 Gone"}));
    expected +=
        "cryptwright-build: warning: Zero.map: not a regular file; blocks named \"Zero\" get no "
        "brushes or entities\n";
    const ToolRun zeroLevel = Run({"works/zero.pwl", "works/out.map"});
    EXPECT_EQ(zeroLevel.exitCode, 1);
    EXPECT_EQ(zeroLevel.err, "cryptwright-build: works/zero.pwl: not a regular file\n");
  }
  const ToolRun run = Run({"works/level.pwl", "works/out.map"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, expected + kGoneWarning);
  EXPECT_NE(ReadFileBytes(Path("works/out.map")).find("// 0 2 0 0 Gone"), std::string::npos);
}

// Today's names of blocks and records reached the terminal raw (ESC, BEL, BS), and a NUL cut the
// warning short.
TEST_F(HostileFolderTest, NamesAndRecordsAreShownEscapedAndWhole) {
  WriteFileBytes(
      Path("works/level.pwl"),
      "0 1 0 0 Bell\a\x1b[2J\b\r\n" + std::string("0 1 0 0 \0Nul\r\n", 14) + "0 2 0 0 Box\r\n");
  const ToolRun run = Run({"works/level.pwl", "works/out.map"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err,
            "cryptwright-build: warning: Bell\\x07\\x1b[2J\\x08.map: No such file or directory; "
            "blocks named \"Bell\\x07\\x1b[2J\\x08\" get no brushes or entities\n"
            "cryptwright-build: warning: block record 2 \"0 1 0 0 \\0Nul\" does not parse; only "
            "its comment lines are written\n");
  const ToolRun check = Run({"--check", "works/level.pwl"});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(
      check.out.substr(0, check.out.find("Quake budget")),
      "problem: floor 0, cell 1 0: no block template \"Bell\\x07\\x1b[2J\\x08.map\"; the block "
      "gets no brushes or entities\n"
      "problem: floor 0, cell 1 0: no picture \"Bell\\x07\\x1b[2J\\x08.bmp\"; the floor view "
      "shows it as Unknown\n"
      "problem: floor 0, cell 1 0: block record 2 \"0 1 0 0 \\0Nul\" does not parse; only its "
      "comment lines are written\n");
  const ToolRun option = Run({"--\x1b[2J"});
  EXPECT_EQ(option.err.substr(0, option.err.find('\n')),
            "cryptwright-build: unknown option --\\x1b[2J");
}

TEST_F(HostileFolderTest, CheckExitsWithOneCodePerMeaning) {
  WriteFileBytes(Path("works/clean.pwl"), CrLfLines({"0 1 0 0 Box"}));
  fs::create_directory(Path("works/folder.pwl"));
  const struct {
    std::vector<std::string> arguments;
    int exitCode;
  } cases[] = {
      {{"--check", "works/clean.pwl"}, 0}, {{"--check", "works/level.pwl"}, 1},  // Gone has no
                                                                                 // template
      {{"--check", "works/none.pwl"}, 2},  {{"--check", "works/folder.pwl"}, 2}, {{"--check"}, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.arguments).exitCode, c.exitCode) << c.arguments.back();
  }
  const ToolRun help = Run({"--help"});
  EXPECT_NE(
      help.out.find("2 when LEVEL cannot be read or the\n                arguments are wrong"),
      std::string::npos);
}

}  // namespace
