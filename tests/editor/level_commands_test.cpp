#include <gtest/gtest.h>

#include <filesystem>

#include "gui_support/editor_test.h"

namespace cw::editor {
namespace {

using namespace cw::testing;
namespace fs = std::filesystem;

class LevelCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    fs::create_directory(Folder() / "works");
    ASSERT_TRUE(Start());
  }
  QString Works(const char* name) const {
    return QString::fromStdString((Folder() / "works" / name).string());
  }
  void Load(const QString& answer) {
    AnswerNextDialogWith(answer);
    RunCommand(Command::kLoad);
  }
  void Save(const QString& answer) {
    AnswerNextDialogWith(answer);
    RunCommand(Command::kSave);
  }
  void Build(const QString& answer) {
    AnswerNextDialogWith(answer);
    RunCommand(Command::kBuild);
  }
  void CheckDialog(const FileDialogRequest& request, FileDialogRequest::Kind kind,
                   const char* suffix, const char* filter, const char* proposed) const {
    EXPECT_EQ(request.kind, kind);
    EXPECT_EQ(request.defaultSuffix, suffix);
    EXPECT_EQ(request.filter, filter);
    EXPECT_EQ(fs::path(request.initialFolder.toStdString()), Folder() / "works");
    EXPECT_EQ(request.proposedName, proposed);
  }
  // The canvas differs from the snapshot by the marker ring around this cell only.
  ::testing::AssertionResult MarkerOnlyAt(int column, int row) {
    QRect changed;
    for (int y = 0; y < Canvas().height(); ++y)
      for (int x = 0; x < Canvas().width(); ++x)
        if (Canvas().pixel(x, y) != State().FloorSnapshot.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    const QRect ring(QPoint(32 * column - 6, 32 * row - 6),
                     QPoint(32 * column + 37, 32 * row + 37));
    if (changed == (ring & Canvas().rect())) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "changed pixels span (" << changed.left() << ", " << changed.top() << ") to ("
           << changed.right() << ", " << changed.bottom() << ")";
  }
};

TEST_F(LevelCommandsTest, SaveWritesTheLevelAndNamesItAfterTheFile) {
  BlockList() = {"0 3 4 0 B", "0 4 4 2 C", ""};
  LinkList() = {"0 3 4 1 3 4"};
  Save(Works("first.pwl"));
  ASSERT_EQ(Requests().size(), 1u);
  CheckDialog(Requests()[0], FileDialogRequest::Kind::kSave, "pwl", "texte Pellowmar (*.pwl)",
              "NoName");
  EXPECT_EQ(ReadFileBytes(Folder() / "works" / "first.pwl"),
            CrLfLines({"0 3 4 0 B", "0 4 4 2 C", "", ":0 3 4 1 3 4"}));
  EXPECT_EQ(Editor().Level().DocumentName, "first");
  EXPECT_EQ(FloorCaption(), "  Floor 0    first");
  EXPECT_EQ(fs::current_path(), Folder());

  // The next dialog proposes the new name; an existing file is replaced without a question.
  SetFloor(-2);
  BlockList().clear();
  Save(Works("a.b.pwl"));
  EXPECT_EQ(Requests()[1].proposedName, "first");
  EXPECT_EQ(ReadFileBytes(Folder() / "works" / "a.b.pwl"), CrLfLines({":0 3 4 1 3 4"}));
  EXPECT_EQ(FloorCaption(), "  Floor -2    a.b");
  LinkList().clear();
  Save(Works("a.b.pwl"));
  EXPECT_EQ(ReadFileBytes(Folder() / "works" / "a.b.pwl"), "");
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(LevelCommandsTest, ACancelledOrFailedSaveKeepsTheNameAndCaption) {
  BlockList() = {"0 0 0 0 A"};
  Save(QString());  // cancelled
  EXPECT_TRUE(fs::is_empty(Folder() / "works"));
  Save(Works("no-such-folder/level.pwl"));
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("no-such-folder/level.pwl")) << Errors()[0].toStdString();
  EXPECT_EQ(Editor().Level().DocumentName, "NoName");
  EXPECT_EQ(FloorCaption(), "  Floor 0    NoName");
  EXPECT_EQ(BlockList(), std::vector<std::string>({"0 0 0 0 A"}));
}

TEST_F(LevelCommandsTest, LoadReplacesTheLevelAndRedrawsTheCurrentFloor) {
  const std::string longName(150, 'L');
  WriteFileBytes(
      Folder() / "works" / "a.b.pwl",
      ":1 2 3 1 4 5\n3 1 1 0 A\r\n0 0 0 0 B\r\n\r\n3 2 2 4 " + longName + "\n:3 1 1 3 2 2");
  BlockList() = {"3 5 5 0 B"};
  SetFloor(3);
  Click(Qt::MiddleButton, {70, 40});  // the marker on cell (2, 1)
  Load(Works("a.b.pwl"));
  ASSERT_EQ(Requests().size(), 1u);
  CheckDialog(Requests()[0], FileDialogRequest::Kind::kOpen, "pwl", "texte Pellowmar (*.pwl)",
              "NoName");
  EXPECT_EQ(BlockList(),
            std::vector<std::string>({"3 1 1 0 A", "0 0 0 0 B", "", "3 2 2 4 " + longName}));
  EXPECT_EQ(LinkList(), std::vector<std::string>({"1 2 3 1 4 5", "3 1 1 3 2 2"}));
  EXPECT_EQ(Editor().Level().DocumentName, "a.b");
  EXPECT_EQ(FloorCaption(), "  Floor 3    a.b");
  EXPECT_EQ(LinksCaption(), "Links  total 2");
  EXPECT_EQ(Floor(), 3);
  // Floor 3 of the loaded level, the unknown long name as Unknown, the marker on (2, 1) only.
  EXPECT_TRUE(ShowsPicture(State().FloorSnapshot, 32, 32, blockA));
  EXPECT_TRUE(ShowsPicture(State().FloorSnapshot, 64, 64, unknown));
  EXPECT_TRUE(ShowsPicture(State().FloorSnapshot, 0, 0, empty));
  EXPECT_TRUE(ShowsPicture(State().FloorSnapshot, 160, 160, empty));
  EXPECT_TRUE(MarkerOnlyAt(2, 1));
  EXPECT_TRUE(Views().FloorViewRaised());
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(LevelCommandsTest, SaveThenLoadGivesBackBothListsInOrder) {
  const std::vector<std::string> blocks = {"0 1 1 5 A", "-8 31 0 2 B", "", "0  1 2 3 A",
                                           "7 0 0 0 " + std::string(300, 'x')};
  const std::vector<std::string> links = {"0 1 1 0 2 2", "0 2 2 0 1 1", "0 0 0 1 0 0"};
  BlockList() = blocks;
  LinkList() = links;
  Save(Works("round.pwl"));
  BlockList().clear();
  LinkList().clear();
  Load(Works("round.pwl"));
  EXPECT_EQ(BlockList(), blocks);
  EXPECT_EQ(LinkList(), links);
}

TEST_F(LevelCommandsTest, ACancelledLoadChangesNothingButTheLinkCount) {
  BlockList() = {"0 0 0 0 A"};
  LinkList() = {"0 0 0 0 1 1"};
  SetLinkMode(true);
  Click(Qt::RightButton, {10, 10});
  ASSERT_EQ(LinksCaption(), "Links  out 1 in 0");
  const QImage canvas = Canvas().copy();
  Load(QString());
  EXPECT_EQ(BlockList().size(), 1u);
  EXPECT_EQ(Editor().Level().DocumentName, "NoName");
  EXPECT_EQ(LinksCaption(), "Links  total 1");
  EXPECT_EQ(Canvas(), canvas);
}

TEST_F(LevelCommandsTest, LoadingANameThatDoesNotExistStartsANewLevelUnderIt) {
  BlockList() = {"0 0 0 0 A"};
  LinkList() = {"0 0 0 0 1 1"};
  Editor().RedrawFloor();
  Load(Works("fresh.pwl"));
  EXPECT_TRUE(BlockList().empty());
  EXPECT_TRUE(LinkList().empty());
  EXPECT_EQ(Editor().Level().DocumentName, "fresh");
  EXPECT_EQ(FloorCaption(), "  Floor 0    fresh");
  EXPECT_EQ(LinksCaption(), "Links  total 0");
  EXPECT_TRUE(ShowsPicture(State().FloorSnapshot, 0, 0, empty));
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_FALSE(fs::exists(Folder() / "works" / "fresh.pwl"));
}

TEST_F(LevelCommandsTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  fs::create_directory(Folder() / "works" / "folder.pwl");
  BlockList() = {"0 0 0 0 A"};
  LinkList() = {"0 0 0 0 1 1"};
  Load(Works("folder.pwl"));
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("folder.pwl"));
  EXPECT_EQ(BlockList(), std::vector<std::string>({"0 0 0 0 A"}));
  EXPECT_EQ(LinkList().size(), 1u);
  EXPECT_EQ(Editor().Level().DocumentName, "NoName");
  EXPECT_EQ(FloorCaption(), "  Floor 0    NoName");
}

TEST_F(LevelCommandsTest, BuildWritesTheMapThenStartsThePostBuildStep) {
  BlockList() = {"0 1 1 0 A"};
  LinkList() = {"0 1 1 0 2 2"};
  Editor().Document().Rename("castle");
  Build(Works("castle.map"));
  ASSERT_EQ(Requests().size(), 1u);
  CheckDialog(Requests()[0], FileDialogRequest::Kind::kSave, "map", "texte QuakeEd input (*.map)",
              "castle");
  const std::string map = ReadFileBytes(Folder() / "works" / "castle.map");
  EXPECT_EQ(map.substr(0, 3), "{\r\n");
  EXPECT_EQ(PostBuilds(), std::vector<std::string>({Works("castle.map").toStdString()}));
  // Build reads the level and changes nothing in it.
  EXPECT_EQ(BlockList(), std::vector<std::string>({"0 1 1 0 A"}));
  EXPECT_EQ(LinkList(), std::vector<std::string>({"0 1 1 0 2 2"}));
  EXPECT_EQ(Editor().Level().DocumentName, "castle");
  EXPECT_EQ(fs::current_path(), Folder());
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(LevelCommandsTest, BuildingAnEmptyLevelTwiceGivesTheSameThreeLines) {
  WriteFileBytes(Folder() / "works" / "NoName.map", "an older map");
  Build(Works("NoName.map"));
  Build(Works("NoName.map"));
  EXPECT_EQ(ReadFileBytes(Folder() / "works" / "NoName.map"),
            CrLfLines({"{", "\"classname\" \"worldspawn\"", "}"}));
  EXPECT_EQ(PostBuilds().size(), 2u);
  EXPECT_EQ(Requests()[1].proposedName, "NoName");
}

TEST_F(LevelCommandsTest, ACancelledOrFailedBuildStartsNoPostBuildStep) {
  WriteFileBytes(Folder() / "works" / "old.map", "old");
  Build(QString());
  EXPECT_EQ(ReadFileBytes(Folder() / "works" / "old.map"), "old");
  EXPECT_TRUE(Errors().isEmpty());
  Build(Works("missing/new.map"));
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors()[0].contains("missing/new.map"));
  EXPECT_TRUE(PostBuilds().empty());
}

// Save replaced a different existing level without a word; Load took a file that is no level.
TEST_F(LevelCommandsTest, SaveAsksBeforeReplacingAnotherFileAndLoadBeforeTakingANonLevel) {
  WriteFileBytes(Works("other.pwl").toStdString(), "0 0 0 0 Other\r\n");
  BlockList() = {"0 1 1 0 A"};
  AnswerNextQuestion(1);  // Cancel
  Save(Works("other.pwl"));
  EXPECT_EQ(ReadFileBytes(Works("other.pwl").toStdString()), "0 0 0 0 Other\r\n");
  EXPECT_EQ(Editor().Level().DocumentName, "NoName");
  Save(Works("other.pwl"));  // Replace, the default
  EXPECT_EQ(ReadFileBytes(Works("other.pwl").toStdString()), "0 1 1 0 A\r\n");
  Save(Works("other.pwl"));  // the level's own file now: no question
  EXPECT_EQ(Questions(),
            QStringList(2, Works("other.pwl") + " exists already. Replace it with the level "
                                                "NoName?"));

  WriteFileBytes(Works("noise.pwl").toStdString(), std::string("MZ\0\x90"
                                                               "binary",
                                                               10));
  AnswerNextQuestion(1);
  Load(Works("noise.pwl"));
  EXPECT_EQ(BlockList(), std::vector<std::string>{"0 1 1 0 A"});
  EXPECT_EQ(Questions().back(), "noise does not look like a level file. Load it anyway?");
  Load(Works("noise.pwl"));  // Load
  EXPECT_EQ(Editor().Level().DocumentName, "noise");
  // A name that does not exist is still a new level, without a question.
  Load(Works("fresh.pwl"));
  EXPECT_EQ(Questions().size(), 4);
  EXPECT_EQ(Editor().Level().DocumentName, "fresh");
}

TEST_F(LevelCommandsTest, NewAsksAboutUnsavedChangesThenStartsNoName) {
  Load(Works("castle.pwl"));
  BlockList() = {"0 1 1 0 A"};
  AnswerNextSaveQuestion(SaveAnswer::kCancel);
  Editor().ClickNew();
  EXPECT_EQ(Editor().Level().DocumentName, "castle");
  Editor().ClickNew();  // Discard
  EXPECT_TRUE(BlockList().empty());
  EXPECT_EQ(FloorCaption(), "  Floor 0    NoName");
  EXPECT_EQ(SaveQuestions().size(), 2);
  EXPECT_FALSE(Editor().HasUnsavedChanges());
}

// Build's map could replace one of the files the build reads: the level's own file, a template.
TEST_F(LevelCommandsTest, BuildRefusesAMapThatWouldReplaceOneOfItsInputs) {
  WriteFileBytes("A.map", "{\n\"classname\" \"worldspawn\"\n}\n");
  BlockList() = {"0 1 1 0 A"};
  Save(Works("castle.pwl"));
  const std::string level = ReadFileBytes(Works("castle.pwl").toStdString());
  for (const char* map : {"works/castle.pwl", "A.map"}) {
    Errors().clear();
    Build(QString::fromStdString(File(map)));
    ASSERT_EQ(Errors().size(), 1) << map;
    EXPECT_TRUE(Errors().front().contains("the map must not replace")) << Errors()[0].toStdString();
  }
  EXPECT_EQ(ReadFileBytes(Works("castle.pwl").toStdString()), level);
  EXPECT_EQ(ReadFileBytes(Folder() / "A.map"), "{\n\"classname\" \"worldspawn\"\n}\n");
  EXPECT_TRUE(PostBuilds().empty());
}

}  // namespace
}  // namespace cw::editor
