// Save and Build on a disk that fills up half-way, through the tool box's buttons: the user is
// told once, the old file stays whole, the level in memory and its name stay as they were, and
// no post-build step starts.
#include <gtest/gtest.h>

#include <filesystem>

#include "gui_support/editor_test.h"
#include "support/file_size_limit.h"

namespace cw::editor {
namespace {

using namespace cw::testing;
namespace fs = std::filesystem;

class FullDiskCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    fs::create_directory(Folder() / "works");
    ASSERT_TRUE(Start());
    std::vector<std::string> blocks;
    for (int i = 0; i < 50'000; ++i) blocks.push_back("0 1 1 0 A" + std::to_string(i));
    BlockList() = blocks;
    LinkList() = {"0 1 1 0 2 2"};
    Editor().Document().Rename("castle");
  }
  std::string Works(const char* name) const { return (Folder() / "works" / name).string(); }
  void Click(Command command, const std::string& answer) {
    AnswerNextDialogWith(QString::fromStdString(answer));
    FileSizeLimit limit(32 * 1024);
    RunCommand(command);
  }
  void ExpectLevelUnchanged() {
    EXPECT_EQ(BlockList().size(), 50'000u);
    EXPECT_EQ(BlockList().back(), "0 1 1 0 A49999");
    EXPECT_EQ(LinkList(), std::vector<std::string>({"0 1 1 0 2 2"}));
    EXPECT_EQ(Editor().Level().DocumentName, "castle");
  }
};

TEST_F(FullDiskCommandsTest, SaveTellsTheUserAndKeepsTheOldFile) {
  WriteFileBytes(Works("other.pwl"), "0 0 0 0 Old\r\n");
  Click(Command::kSave, Works("other.pwl"));
  EXPECT_EQ(Errors(),
            QStringList({QString::fromStdString(Works("other.pwl") + ": File too large")}));
  EXPECT_EQ(ReadFileBytes(Works("other.pwl")), "0 0 0 0 Old\r\n");
  ExpectLevelUnchanged();
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder() / "works"), fs::directory_iterator()), 1);
}

TEST_F(FullDiskCommandsTest, BuildTellsTheUserKeepsTheOldMapAndStartsNothing) {
  WriteFileBytes(
      "W.map",
      "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 1 0 1 1\n}\n}\n");
  std::vector<std::string> blocks(50'000, "0 1 1 0 W");
  blocks.back() = "0 1 1 0 A49999";
  BlockList() = blocks;
  WriteFileBytes(Works("castle.map"), "old map");
  Click(Command::kBuild, Works("castle.map"));
  EXPECT_EQ(Errors(),
            QStringList({QString::fromStdString(Works("castle.map") + ": File too large")}));
  EXPECT_EQ(ReadFileBytes(Works("castle.map")), "old map");
  EXPECT_TRUE(PostBuilds().empty());
  EXPECT_EQ(LinkList(), std::vector<std::string>({"0 1 1 0 2 2"}));
}

}  // namespace
}  // namespace cw::editor
