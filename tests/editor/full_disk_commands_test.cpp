// Save and Build on a disk that fills up half-way, through the tool box's buttons: the user is
// told once, the old file stays whole, the level in memory and its name stay as they were, and
// no post-build step starts.
#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>

#include "forms/tool_box_form.h"
#include "gui_support/editor_fixture.h"
#include "support/file_size_limit.h"

namespace cw::editor {
namespace {

using namespace cw::testing;
namespace fs = std::filesystem;

class FullDiskCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    fs::create_directory(folder.path() / "works");
    Start();
    for (int i = 0; i < 50'000; ++i)
      editor.level.BlockList.push_back("0 1 1 0 A" + std::to_string(i));
    editor.level.LinkList = {"0 1 1 0 2 2"};
    editor.level.DocumentName = "castle";
  }
  std::string Works(const char* name) const { return (folder.path() / "works" / name).string(); }
  void Click(QPushButton* button, const std::string& answer) {
    recorded.answers.append(QString::fromStdString(answer));
    FileSizeLimit limit(32 * 1024);
    button->click();
  }
  void ExpectLevelUnchanged() {
    EXPECT_EQ(editor.level.BlockList.size(), 50'000u);
    EXPECT_EQ(editor.level.BlockList.back(), "0 1 1 0 A49999");
    EXPECT_EQ(editor.level.LinkList, std::vector<std::string>({"0 1 1 0 2 2"}));
    EXPECT_EQ(editor.level.DocumentName, "castle");
  }
};

TEST_F(FullDiskCommandsTest, SaveTellsTheUserAndKeepsTheOldFile) {
  WriteFileBytes(Works("other.pwl"), "0 0 0 0 Old\r\n");
  Click(ToolBox().Button5, Works("other.pwl"));
  EXPECT_EQ(recorded.errors,
            QStringList({QString::fromStdString(Works("other.pwl") + ": File too large")}));
  EXPECT_EQ(ReadFileBytes(Works("other.pwl")), "0 0 0 0 Old\r\n");
  ExpectLevelUnchanged();
  EXPECT_EQ(
      std::distance(fs::directory_iterator(folder.path() / "works"), fs::directory_iterator()), 1);
}

TEST_F(FullDiskCommandsTest, BuildTellsTheUserKeepsTheOldMapAndStartsNothing) {
  WriteFileBytes(
      "W.map",
      "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 1 1 0 1 1\n}\n}\n");
  for (std::string& record : editor.level.BlockList) record = "0 1 1 0 W";
  editor.level.BlockList.back() = "0 1 1 0 A49999";
  WriteFileBytes(Works("castle.map"), "old map");
  Click(ToolBox().Button6, Works("castle.map"));
  EXPECT_EQ(recorded.errors,
            QStringList({QString::fromStdString(Works("castle.map") + ": File too large")}));
  EXPECT_EQ(ReadFileBytes(Works("castle.map")), "old map");
  EXPECT_TRUE(recorded.postBuilds.empty());
  EXPECT_EQ(editor.level.LinkList, std::vector<std::string>({"0 1 1 0 2 2"}));
}

}  // namespace
}  // namespace cw::editor
