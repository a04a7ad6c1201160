// Keeping the user's work: undo and redo of every kind of change, the question before unsaved
// changes are lost, and the recovery file that outlives a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "gui_support/editor_harness.h"

namespace cw::testing {
namespace {

using editor::RestoreAnswer;
using editor::SaveAnswer;
using Strings = std::vector<std::string>;

// The lists and the canvas as a floor change shows them (the marker taken off: it stays where the
// user last clicked).
struct Shown {
  Strings blocks;
  Strings links;
  QImage canvas;
};

class KeepingWorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(session.Folder() / "works" / "two.pwl",
                   CrLfLines({"1 4 4 0 C", ":1 4 4 0 0 0"}));
    session.BlockList() = {"0 1 1 0 B", "0 2 2 3 C", "1 3 3 0 B"};
    session.LinkList() = {"0 1 1 0 2 2"};
  }
  Shown ShowAgain() {
    session.Key(Qt::Key_PageUp);
    session.Key(Qt::Key_PageDown);
    return {session.BlockList(), session.LinkList(), session.CanvasWithoutMarker()};
  }
  void Drag(QPoint from, QPoint to) {
    session.Press(Qt::LeftButton, from);
    session.Move(to);
    session.Release(Qt::LeftButton, to);
  }
  std::vector<std::filesystem::path> RecoveryFiles() {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::exists(session.RecoveryFolder() / "recovery")) return files;
    for (const auto& entry :
         std::filesystem::directory_iterator(session.RecoveryFolder() / "recovery"))
      if (entry.path().extension() == ".pwl") files.push_back(entry.path());
    return files;
  }

  EditorHarness session{kStandardBlocks};
};

TEST_F(KeepingWorkTest, UndoAndRedoRestoreTheExactListsAndCanvasOfEveryKindOfChange) {
  struct Case {
    const char* what;
    bool linkMode;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"place over the first record", false,
       [&] {
         session.ChooseItem("C");
         session.Click(Qt::LeftButton, {40, 40});
       }},
      {"erase", false,
       [&] {
         session.ChooseItem("");
         session.Click(Qt::LeftButton, {70, 70});
       }},
      {"add a link", true,
       [&] {
         Drag({10, 10}, {100, 10});
       }},
      {"remove a link", true,
       [&] {
         Drag({40, 40}, {70, 70});
       }},
      {"load", true, [&] { session.Load("works/two.pwl"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session.SetLinkMode(c.linkMode);
    const Shown before = ShowAgain();
    c.change();
    const Shown after = ShowAgain();
    ASSERT_NE(after.blocks == before.blocks && after.links == before.links, true);
    // An edit's undo shows the floor it changed from wherever the user is; a Load's, the floor
    // the user is on.
    if (std::string_view(c.what) != "load") session.Key(Qt::Key_PageUp);
    session.Editor().Undo();
    EXPECT_EQ(session.BlockList(), before.blocks);
    EXPECT_EQ(session.LinkList(), before.links);
    EXPECT_EQ(session.CanvasWithoutMarker(), before.canvas);
    session.Editor().Redo();
    EXPECT_EQ(session.BlockList(), after.blocks);
    EXPECT_EQ(session.LinkList(), after.links);
    EXPECT_EQ(session.CanvasWithoutMarker(), after.canvas);
    session.Editor().Undo();
  }
  EXPECT_TRUE(session.Errors().empty());
}

TEST_F(KeepingWorkTest, UndoMovesTheSelectorToTheFloorItChangedAndANewStepDropsRedo) {
  session.ChooseItem("B");
  session.Key(Qt::Key_PageDown);
  session.Click(Qt::LeftButton, {200, 200});  // on floor -1
  session.Key(Qt::Key_PageUp);
  session.Key(Qt::Key_PageUp);
  session.Editor().Undo();
  EXPECT_EQ(session.Floor(), -1);
  EXPECT_EQ(session.FloorCaption(), "  Floor -1    NoName");
  EXPECT_EQ(session.BlockList(), (Strings{"0 1 1 0 B", "0 2 2 3 C", "1 3 3 0 B"}));
  session.Click(Qt::LeftButton, {40, 200});
  session.Editor().Redo();  // nothing left to redo
  EXPECT_EQ(session.BlockList(), (Strings{"0 1 1 0 B", "0 2 2 3 C", "1 3 3 0 B", "-1 1 6 0 B"}));
  // No undo while a link drag runs.
  session.SetLinkMode(true);
  session.Press(Qt::LeftButton, {10, 10});
  session.Editor().Undo();
  EXPECT_EQ(session.BlockList().size(), 4u);
}

TEST_F(KeepingWorkTest, SaveAfterUndoWritesTheBytesOfTheLevelBeforeTheStep) {
  session.Save("works/before.pwl");
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {40, 40});
  session.Editor().Undo();
  session.Save("works/after.pwl");
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "after.pwl"),
            ReadFileBytes(session.Folder() / "works" / "before.pwl"));
  EXPECT_FALSE(session.Editor().HasUnsavedChanges());
}

TEST_F(KeepingWorkTest, ClosingOrLoadingWithUnsavedChangesAsksFirst) {
  // Each answer to the question on closing: what ConfirmEnd says, and what was saved.
  session.AnswerNextSaveQuestion(SaveAnswer::kCancel);
  EXPECT_FALSE(session.Editor().ConfirmEnd());
  session.AnswerNextSaveQuestion(SaveAnswer::kSave);
  session.AnswerNextDialog(std::nullopt);  // the save dialog cancelled
  EXPECT_FALSE(session.Editor().ConfirmEnd());
  session.AnswerNextSaveQuestion(SaveAnswer::kSave);
  session.AnswerNextDialog("missing/x.pwl");  // a save that fails
  EXPECT_FALSE(session.Editor().ConfirmEnd());
  EXPECT_EQ(session.Errors().size(), 1);
  EXPECT_EQ(session.SaveQuestions(), QStringList({"NoName", "NoName", "NoName"}));

  // Load: "Cancel" changes nothing but the link count caption; "Save" saves, then loads.
  session.SetLinkMode(true);
  session.Click(Qt::RightButton, {40, 40});
  ASSERT_EQ(session.LinksCaption(), "Links  out 1 in 0");
  session.AnswerNextSaveQuestion(SaveAnswer::kCancel);
  session.RunCommand(Command::kLoad);  // no dialog follows
  EXPECT_EQ(session.BlockList().size(), 3u);
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");
  session.AnswerNextSaveQuestion(SaveAnswer::kSave);
  session.AnswerNextDialog("works/kept.pwl");  // the save dialog, then the load dialog
  session.Load("works/two.pwl");
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "kept.pwl"),
            CrLfLines({"0 1 1 0 B", "0 2 2 3 C", "1 3 3 0 B", ":0 1 1 0 2 2"}));
  EXPECT_EQ(session.BlockList(), Strings{"1 4 4 0 C"});
  // Without unsaved changes nothing is asked, and the program may end.
  EXPECT_EQ(session.SaveQuestions().size(), 5);
  EXPECT_TRUE(session.Editor().ConfirmEnd());
  EXPECT_EQ(session.SaveQuestions().size(), 5);
}

TEST_F(KeepingWorkTest, TheRecoveryFileOutlivesACrashAndIsOfferedAtTheNextStart) {
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {40, 40});
  ASSERT_EQ(RecoveryFiles().size(), 1u);
  EXPECT_EQ(ReadFileBytes(RecoveryFiles().front()),
            CrLfLines({"0 2 2 3 C", "1 3 3 0 B", "0 1 1 0 C", ":0 1 1 0 2 2"}));
  const Strings blocks = session.BlockList();

  // A start after a crash offers the file; "Restore" gives back the lists, still unsaved.
  session.AnswerNextRestoreQuestion(RestoreAnswer::kRestore);
  ASSERT_TRUE(session.CrashAndStartAgain());
  session.Editor().OfferRecovery();
  EXPECT_EQ(session.RestoreQuestions(), QStringList({"NoName"}));
  EXPECT_EQ(session.BlockList(), blocks);
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 0 2 2"});
  EXPECT_TRUE(session.Editor().HasUnsavedChanges());
  session.Editor().OfferRecovery();  // taken over: not offered twice
  EXPECT_EQ(session.RestoreQuestions().size(), 1);
  ASSERT_EQ(RecoveryFiles().size(), 1u);  // the restored level lives on in this run's own file

  // A clean end removes it; a start after a clean end offers nothing.
  EXPECT_TRUE(session.Editor().ConfirmEnd());
  EXPECT_TRUE(RecoveryFiles().empty());
  ASSERT_TRUE(session.CrashAndStartAgain());
  session.Editor().OfferRecovery();
  EXPECT_EQ(session.RestoreQuestions().size(), 1);
  EXPECT_TRUE(RecoveryFiles().empty());
}

TEST_F(KeepingWorkTest, ARecoveryFileThatCannotBeWrittenIsReportedOnceInTheToolBox) {
  std::filesystem::remove_all(session.RecoveryFolder() / "recovery");
  WriteFileBytes(session.RecoveryFolder() / "recovery", "a file where the folder should be");
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {40, 40});
  session.Click(Qt::LeftButton, {70, 40});
  ASSERT_EQ(session.State().notices.size(), 1u);
  EXPECT_EQ(session.State().notices[0].text.left(37), "The recovery file cannot be written: ");
  EXPECT_EQ(session.Views().NoticesShown(), 1);
  EXPECT_TRUE(session.Errors().empty());  // no message box
  EXPECT_EQ(session.BlockList().size(), 4u);
}

}  // namespace
}  // namespace cw::testing
