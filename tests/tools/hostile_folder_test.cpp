// cryptwright-build in a folder of hostile files: the map never replaces an input, no file hangs
// the build or fills its memory, an unusable PellEd.ini is named, names are shown escaped.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/test_files.h"
#include "support/tool_run.h"
#include "support/waiting_pipe.h"

namespace {

namespace fs = std::filesystem;
using cw::testing::WriteFileBytes;

class HostileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(Path("Box.map"), "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n");
    WriteFileBytes(Path("Box.bmp"), "a picture");
    WriteFileBytes(Path("Wall.bmp"), "a picture whose template is still to be made");
    WriteFileBytes(Path("PellEd.ini"), "[Block]\r\nBx=64\r\n");
    fs::create_directory(Path("works"));
    WriteFileBytes(Path("works/level.pwl"), "0 1 0 0 Box\r\n0 2 0 0 Gone\r\n");
  }
  std::string Path(const std::string& name) const { return (dir_.path() / name).string(); }
  cw::testing::ToolRun Run(const std::vector<std::string>& arguments) const {
    return cw::testing::RunProgram(CW_TOOL_CRYPTWRIGHT_BUILD, dir_.path(), arguments);
  }
  // False where no symbolic link can be made (Windows, Wine).
  bool Link(const std::string& target, const std::string& name) const {
    std::error_code error;
    fs::create_symlink(target, Path(name), error);
    return !error;
  }
  // Every file of the folder and of works/ with its bytes, the tool's output streams left out.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const fs::path& folder : {dir_.path(), dir_.path() / "works"}) {
      for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".std")) continue;
        files[entry.path().string()] =
            entry.is_regular_file() ? cw::testing::ReadFileBytes(entry.path()) : "";
      }
    }
    return files;
  }

  cw::testing::TempDir dir_;
};

// `cryptwright-build level.pwl level.pwl` replaced the level with its map, and so did a link to
// it, a template of the folder or PellEd.ini.
TEST_F(HostileFolderTest, AMapThatWouldReplaceAnInputIsRefusedBeforeAnythingIsWritten) {
  std::vector<std::pair<std::string, std::string>> cases = {
      {"works/level.pwl", "the level file it is built from"},
      {"works/../works/level.pwl", "the level file it is built from"},
      {"PellEd.ini", "the settings file \"PellEd.ini\""},
      {"Box.bmp", "the block picture \"Box.bmp\""},
      {"New.bmp", "the block picture \"New.bmp\""},  // the palette would list it
      {"works/../Box.map", "the block template \"Box.map\""},
      {"Wall.map", "the block template \"Wall.map\""},  // beside Wall.bmp, though not there yet
      {"Gone.map", "the block template \"Gone.map\""},  // the level places Gone
  };
  if (Link("level.pwl", "works/link.map") && Link("../PellEd.ini", "works/ini.map")) {
    cases.push_back({"works/link.map", "the level file it is built from"});
    cases.push_back({"works/ini.map", "the settings file \"PellEd.ini\""});
  }
  const auto before = Files();
  for (const auto& [map, why] : cases) {
    const cw::testing::ToolRun run = Run({"works/level.pwl", map});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "cryptwright-build: " + map + ": the map must not replace " + why + "\n");
    EXPECT_EQ(Files(), before) << map;
  }
  EXPECT_EQ(Run({"works/level.pwl", "Other.map"}).exitCode, 0) << "no block is named Other";
}

// A FIFO as the map hung the build in open(); /dev/zero as an input was read until the memory
// ran out; an unusable PellEd.ini gave the defaults without a word.
TEST_F(HostileFolderTest, SpecialFilesAreRefusedAtOnceAndNamed) {
  const cw::testing::WaitingPipe pipe;
  const std::string device = cw::testing::kNullDevice;
  for (const std::string& map : {pipe.path(), device}) {
    EXPECT_EQ(Run({"works/level.pwl", map}).err,
              "cryptwright-build: " + map + ": not a regular file\n");
  }
  for (const auto& arguments : {std::vector<std::string>{device, "out.map"}, {"--check", device}}) {
    const cw::testing::ToolRun run = Run(arguments);
    EXPECT_EQ(run.exitCode, arguments[0] == "--check" ? 2 : 1);
    EXPECT_EQ(run.err, "cryptwright-build: " + device + ": not a regular file\n");
  }
  fs::remove(Path("PellEd.ini"));
  fs::create_directory(Path("PellEd.ini"));
  std::string warning = "warning: floor 0, cell 2 0: Gone.map: ";
  if (Link("/dev/zero", "works/zero.pwl") && Link("/dev/zero", "Gone.map")) {
    EXPECT_EQ(Run({"works/zero.pwl", "out.map"}).err,
              "cryptwright-build: works/zero.pwl: not a regular file\n");
    warning += "not a regular file; blocks named \"Gone\"";
  } else {
    warning += "No such file or directory; blocks named";
  }
  const cw::testing::ToolRun run = Run({"works/level.pwl", "out.map"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err,
            "cryptwright-build: warning: PellEd.ini: Is a directory; the default settings are "
            "used\n");
  EXPECT_NE(run.out.find("\n" + warning), std::string::npos) << run.out;
}

// Block names and records reached the terminal raw (ESC, BEL, BS), and a NUL cut a warning.
TEST_F(HostileFolderTest, NamesAndRecordsAreShownEscapedAndWhole) {
  WriteFileBytes(Path("works/level.pwl"),
                 "0 1 0 0 Bell\a\x1b[2J\b\r\n" + std::string("0 1 0 0 \0Nul\r\n", 14));
#ifdef _WIN32
  const std::string reason = "Invalid argument";  // no Windows file name holds control characters
#else
  const std::string reason = "No such file or directory";
#endif
  const std::string build = Run({"works/level.pwl", "out.map"}).out;
  EXPECT_EQ(build.substr(build.find('\n') + 1, build.find("\nproblem") - build.find('\n')),
            "warning: floor 0, cell 1 0: Bell\\x07\\x1b[2J\\x08.map: " + reason +
                "; blocks named \"Bell\\x07\\x1b[2J\\x08\" get no brushes or entities\n"
                "warning: floor 0, cell 1 0: block record 2 \"0 1 0 0 \\0Nul\" does not parse; "
                "only its comment lines are written\n");
  const cw::testing::ToolRun check = Run({"--check", "works/level.pwl"});
  const std::size_t second = check.out.find('\n') + 1;
  EXPECT_EQ(check.out.substr(second, check.out.find('\n', second) - second),
            "problem: floor 0, cell 1 0: no block template \"Bell\\x07\\x1b[2J\\x08.map\"; the "
            "block gets no brushes or entities");
  const std::string option = Run({"--\x1b[2J"}).err;
  EXPECT_EQ(option.substr(0, option.find('\n')), "cryptwright-build: unknown option --\\x1b[2J");
}

}  // namespace
