#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>

#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"
#include "gui_support/editor_fixture.h"

namespace cw::editor {
namespace {

using namespace cw::testing;
namespace fs = std::filesystem;

class LevelCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    fs::create_directory(folder.path() / "works");
    Start();
  }
  QString Works(const char* name) const {
    return QString::fromStdString((folder.path() / "works" / name).string());
  }
  void Load(const QString& answer) {
    recorded.answers.append(answer);
    ToolBox().Button4->click();
  }
  void Save(const QString& answer) {
    recorded.answers.append(answer);
    ToolBox().Button5->click();
  }
  void Build(const QString& answer) {
    recorded.answers.append(answer);
    ToolBox().Button6->click();
  }
  void CheckDialog(const FileDialogRequest& request, FileDialogRequest::Kind kind,
                   const char* suffix, const char* filter, const char* proposed) const {
    EXPECT_EQ(request.kind, kind);
    EXPECT_EQ(request.defaultSuffix, suffix);
    EXPECT_EQ(request.filter, filter);
    EXPECT_EQ(fs::path(request.initialFolder.toStdString()), folder.path() / "works");
    EXPECT_EQ(request.proposedName, proposed);
  }
  // The canvas differs from the snapshot by the marker ring around this cell only.
  ::testing::AssertionResult MarkerOnlyAt(int column, int row) {
    QRect changed;
    for (int y = 0; y < Canvas().height(); ++y)
      for (int x = 0; x < Canvas().width(); ++x)
        if (Canvas().pixel(x, y) != editor.FloorSnapshot.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    const QRect ring(QPoint(32 * column - 6, 32 * row - 6),
                     QPoint(32 * column + 37, 32 * row + 37));
    if (changed == (ring & Canvas().rect())) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "changed pixels span (" << changed.left() << ", " << changed.top() << ") to ("
           << changed.right() << ", " << changed.bottom() << ")";
  }
};

TEST_F(LevelCommandsTest, SaveWritesTheLevelAndNamesItAfterTheFile) {
  editor.level.BlockList = {"0 3 4 0 B", "0 4 4 2 C", ""};
  editor.level.LinkList = {"0 3 4 1 3 4"};
  Save(Works("first.pwl"));
  ASSERT_EQ(recorded.requests.size(), 1u);
  CheckDialog(recorded.requests[0], FileDialogRequest::Kind::kSave, "pwl",
              "texte Pellowmar (*.pwl)", "NoName");
  EXPECT_EQ(ReadFileBytes(folder.path() / "works" / "first.pwl"),
            CrLfLines({"0 3 4 0 B", "0 4 4 2 C", "", ":0 3 4 1 3 4"}));
  EXPECT_EQ(editor.level.DocumentName, "first");
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 0    first");
  EXPECT_EQ(fs::current_path(), folder.path());

  // The next dialog proposes the new name; an existing file is replaced without a question.
  ToolBox().UpDown1->setValue(-2);
  editor.level.BlockList.clear();
  Save(Works("a.b.pwl"));
  EXPECT_EQ(recorded.requests[1].proposedName, "first");
  EXPECT_EQ(ReadFileBytes(folder.path() / "works" / "a.b.pwl"), CrLfLines({":0 3 4 1 3 4"}));
  EXPECT_EQ(FloorView().windowTitle(), "  Floor -2    a.b");
  editor.level.LinkList.clear();
  Save(Works("a.b.pwl"));
  EXPECT_EQ(ReadFileBytes(folder.path() / "works" / "a.b.pwl"), "");
  EXPECT_TRUE(recorded.errors.isEmpty());
}

TEST_F(LevelCommandsTest, ACancelledOrFailedSaveKeepsTheNameAndCaption) {
  editor.level.BlockList = {"0 0 0 0 A"};
  Save(QString());  // cancelled
  EXPECT_TRUE(fs::is_empty(folder.path() / "works"));
  Save(Works("no-such-folder/level.pwl"));
  ASSERT_EQ(recorded.errors.size(), 1);
  EXPECT_TRUE(recorded.errors[0].contains("no-such-folder/level.pwl"))
      << recorded.errors[0].toStdString();
  EXPECT_EQ(editor.level.DocumentName, "NoName");
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 0    NoName");
  EXPECT_EQ(editor.level.BlockList, std::vector<std::string>({"0 0 0 0 A"}));
}

TEST_F(LevelCommandsTest, LoadReplacesTheLevelAndRedrawsTheCurrentFloor) {
  const std::string longName(150, 'L');
  WriteFileBytes(
      folder.path() / "works" / "a.b.pwl",
      ":1 2 3 1 4 5\n3 1 1 0 A\r\n0 0 0 0 B\r\n\r\n3 2 2 4 " + longName + "\n:3 1 1 3 2 2");
  editor.level.BlockList = {"3 5 5 0 B"};
  ToolBox().UpDown1->setValue(3);
  editor.MarkerColumn = 2;  // the cell last clicked
  editor.MarkerRow = 1;
  ToolBox().Links->setText("Links  out 1 in 0");
  Load(Works("a.b.pwl"));
  ASSERT_EQ(recorded.requests.size(), 1u);
  CheckDialog(recorded.requests[0], FileDialogRequest::Kind::kOpen, "pwl",
              "texte Pellowmar (*.pwl)", "NoName");
  EXPECT_EQ(editor.level.BlockList,
            std::vector<std::string>({"3 1 1 0 A", "0 0 0 0 B", "", "3 2 2 4 " + longName}));
  EXPECT_EQ(editor.level.LinkList, std::vector<std::string>({"1 2 3 1 4 5", "3 1 1 3 2 2"}));
  EXPECT_EQ(editor.level.DocumentName, "a.b");
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 3    a.b");
  EXPECT_EQ(ToolBox().Links->text(), "Links  total 2");
  EXPECT_EQ(ToolBox().UpDown1->value(), 3);
  // Floor 3 of the loaded level, the unknown long name as Unknown, the marker on (2, 1) only.
  EXPECT_TRUE(ShowsPicture(editor.FloorSnapshot, 32, 32, blockA));
  EXPECT_TRUE(ShowsPicture(editor.FloorSnapshot, 64, 64, unknown));
  EXPECT_TRUE(ShowsPicture(editor.FloorSnapshot, 0, 0, empty));
  EXPECT_TRUE(ShowsPicture(editor.FloorSnapshot, 160, 160, empty));
  EXPECT_TRUE(MarkerOnlyAt(2, 1));
  EXPECT_TRUE(FloorView().isVisible());
  EXPECT_TRUE(recorded.errors.isEmpty());
}

TEST_F(LevelCommandsTest, SaveThenLoadGivesBackBothListsInOrder) {
  const std::vector<std::string> blocks = {"0 1 1 5 A", "-8 31 0 2 B", "", "0  1 2 3 A",
                                           "7 0 0 0 " + std::string(300, 'x')};
  const std::vector<std::string> links = {"0 1 1 0 2 2", "0 2 2 0 1 1", "0 0 0 1 0 0"};
  editor.level.BlockList = blocks;
  editor.level.LinkList = links;
  Save(Works("round.pwl"));
  editor.level.BlockList.clear();
  editor.level.LinkList.clear();
  Load(Works("round.pwl"));
  EXPECT_EQ(editor.level.BlockList, blocks);
  EXPECT_EQ(editor.level.LinkList, links);
}

TEST_F(LevelCommandsTest, ACancelledLoadChangesNothingButTheLinkCount) {
  editor.level.BlockList = {"0 0 0 0 A"};
  editor.level.LinkList = {"0 0 0 0 1 1"};
  ToolBox().Links->setText("Links  out 1 in 0");
  const QImage canvas = Canvas().copy();
  Load(QString());
  EXPECT_EQ(editor.level.BlockList.size(), 1u);
  EXPECT_EQ(editor.level.DocumentName, "NoName");
  EXPECT_EQ(ToolBox().Links->text(), "Links  total 1");
  EXPECT_EQ(Canvas(), canvas);
}

TEST_F(LevelCommandsTest, LoadingANameThatDoesNotExistStartsANewLevelUnderIt) {
  editor.level.BlockList = {"0 0 0 0 A"};
  editor.level.LinkList = {"0 0 0 0 1 1"};
  editor.RedrawFloor();
  Load(Works("fresh.pwl"));
  EXPECT_TRUE(editor.level.BlockList.empty());
  EXPECT_TRUE(editor.level.LinkList.empty());
  EXPECT_EQ(editor.level.DocumentName, "fresh");
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 0    fresh");
  EXPECT_EQ(ToolBox().Links->text(), "Links  total 0");
  EXPECT_TRUE(ShowsPicture(editor.FloorSnapshot, 0, 0, empty));
  EXPECT_TRUE(recorded.errors.isEmpty());
  EXPECT_FALSE(fs::exists(folder.path() / "works" / "fresh.pwl"));
}

TEST_F(LevelCommandsTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  fs::create_directory(folder.path() / "works" / "folder.pwl");
  editor.level.BlockList = {"0 0 0 0 A"};
  editor.level.LinkList = {"0 0 0 0 1 1"};
  Load(Works("folder.pwl"));
  ASSERT_EQ(recorded.errors.size(), 1);
  EXPECT_TRUE(recorded.errors[0].contains("folder.pwl"));
  EXPECT_EQ(editor.level.BlockList, std::vector<std::string>({"0 0 0 0 A"}));
  EXPECT_EQ(editor.level.LinkList.size(), 1u);
  EXPECT_EQ(editor.level.DocumentName, "NoName");
  EXPECT_EQ(FloorView().windowTitle(), "  Floor 0    NoName");
}

TEST_F(LevelCommandsTest, BuildWritesTheMapThenStartsThePostBuildStep) {
  editor.level.BlockList = {"0 1 1 0 A"};
  editor.level.LinkList = {"0 1 1 0 2 2"};
  editor.level.DocumentName = "castle";
  Build(Works("castle.map"));
  ASSERT_EQ(recorded.requests.size(), 1u);
  CheckDialog(recorded.requests[0], FileDialogRequest::Kind::kSave, "map",
              "texte QuakeEd input (*.map)", "castle");
  const std::string map = ReadFileBytes(folder.path() / "works" / "castle.map");
  EXPECT_EQ(map.substr(0, 3), "{\r\n");
  EXPECT_EQ(recorded.postBuilds, std::vector<std::string>({Works("castle.map").toStdString()}));
  // Build reads the level and changes nothing in it.
  EXPECT_EQ(editor.level.BlockList, std::vector<std::string>({"0 1 1 0 A"}));
  EXPECT_EQ(editor.level.LinkList, std::vector<std::string>({"0 1 1 0 2 2"}));
  EXPECT_EQ(editor.level.DocumentName, "castle");
  EXPECT_EQ(fs::current_path(), folder.path());
  EXPECT_TRUE(recorded.errors.isEmpty());
}

TEST_F(LevelCommandsTest, BuildingAnEmptyLevelTwiceGivesTheSameThreeLines) {
  WriteFileBytes(folder.path() / "works" / "NoName.map", "an older map");
  Build(Works("NoName.map"));
  Build(Works("NoName.map"));
  EXPECT_EQ(ReadFileBytes(folder.path() / "works" / "NoName.map"),
            CrLfLines({"{", "\"classname\" \"worldspawn\"", "}"}));
  EXPECT_EQ(recorded.postBuilds.size(), 2u);
  EXPECT_EQ(recorded.requests[1].proposedName, "NoName");
}

TEST_F(LevelCommandsTest, ACancelledOrFailedBuildStartsNoPostBuildStep) {
  WriteFileBytes(folder.path() / "works" / "old.map", "old");
  Build(QString());
  EXPECT_EQ(ReadFileBytes(folder.path() / "works" / "old.map"), "old");
  EXPECT_TRUE(recorded.errors.isEmpty());
  Build(Works("missing/new.map"));
  ASSERT_EQ(recorded.errors.size(), 1);
  EXPECT_TRUE(recorded.errors[0].contains("missing/new.map"));
  EXPECT_TRUE(recorded.postBuilds.empty());
}

}  // namespace
}  // namespace cw::editor
