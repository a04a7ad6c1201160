// A whole editing session through the widgets: blocks on two floors, a link between the floors,
// Save, Load and Build, down to the text of the map file.
#include <gtest/gtest.h>

#include "gui_support/editor_harness.h"
#include "real_windows.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(EditingSession, BlocksAndALinkAcrossFloorsSavedLoadedAndBuilt) {
  EditorHarness session(kStandardBlocks, 320, 256, "", MakeRealWindows());
  WriteFileBytes(session.Folder() / "B.map",
                 CrLfLines({"{", "\"classname\" \"worldspawn\"", "// B floor", "}", "{",
                            "\"classname\" \"info_player_start\"", "\"origin\" \"0 0 24\"", "}"}));
  WriteFileBytes(
      session.Folder() / "C.map",
      CrLfLines({"{", "\"classname\" \"worldspawn\"", "// C floor", "}", "{",
                 "\"classname\" \"light\"", "\"light\" \"200\"", "\"origin\" \"16 0 8\"", "}"}));

  // B on floor 0; C turned on floor 1, after a misplaced C on floor 1 was erased.
  session.ChooseItem("B");
  session.Click(Qt::LeftButton, {40, 40});
  session.Key(Qt::Key_PageUp);
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {200, 200});
  session.ChooseItem("");
  session.Click(Qt::LeftButton, {200, 200});
  session.ChooseItem("C");
  session.SetBoxes(false, false, true);
  session.Click(Qt::LeftButton, {70, 40});
  // A link from B's cell on floor 0 to C's cell on floor 1: Page Up with the button held.
  session.Key(Qt::Key_PageDown);
  session.SetLinkMode(true);
  session.Press(Qt::LeftButton, {40, 40});
  session.Move({60, 45});
  session.Key(Qt::Key_PageUp);
  session.Move({75, 45});
  session.Release(Qt::LeftButton, {75, 45});
  EXPECT_EQ(session.BlockList(), (Strings{"0 1 1 0 B", "1 2 1 4 C"}));
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 1 2 1"});
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");

  session.AnswerNextDialog("works/demo.pwl");
  session.RunCommand(Command::kSave);
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "demo.pwl"),
            CrLfLines({"0 1 1 0 B", "1 2 1 4 C", ":0 1 1 1 2 1"}));
  EXPECT_EQ(session.FloorCaption(), "  Floor 1    demo");

  session.BlockList() = {"0 0 0 0 C"};
  session.LinkList().clear();
  session.AnswerNextDialog("works/demo.pwl");
  session.RunCommand(Command::kLoad);
  EXPECT_EQ(session.BlockList(), (Strings{"0 1 1 0 B", "1 2 1 4 C"}));
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 1 2 1"});

  session.AnswerNextDialog("works/demo.map");
  session.RunCommand(Command::kBuild);
  EXPECT_TRUE(session.Errors().empty());
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "demo.map"),
            CrLfLines({"{",
                       "\"classname\" \"worldspawn\"",
                       "// 0 1 1 0 B",
                       "// B floor",
                       "// 1 2 1 4 C",
                       "// C floor",
                       "}",
                       "// 0 1 1 0 B",
                       "{",
                       "\"classname\" \"info_player_start\"",
                       "\"origin\" \"128 -128 24\"",
                       "}",
                       "// 1 2 1 4 C",
                       "{",
                       "\"classname\" \"light\"",
                       "\"light\" \"200\"",
                       "\"origin\" \"256 -112 136\"",
                       "}",
                       "{",
                       "\"classname\" \"trigger_relay\"",
                       "\"origin\" \"128 -128 64\"",
                       "\"targetname\" \"t0500101\"",
                       "\"target\" \"t0510201\"",
                       "}"}));
  EXPECT_EQ(session.PostBuilds().size(), 1u);
  // Build leaves the level as it was.
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 1 2 1"});
}

}  // namespace
}  // namespace cw::testing
