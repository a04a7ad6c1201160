// Families, regions and fill as the user reaches them in the editor: each a single undo step,
// drawn on the floor at once exactly as a redraw of the floor draws it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/painting_test_support.h"
#include "gui_support/editor_harness.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

// Blocks named after the shapes they draw, the "Line" family of them, and a canvas of 10 by 8.
class PaintingInTheEditor : public ::testing::Test, public EditorHarness {
 protected:
  PaintingInTheEditor()
      : EditorHarness(
            {"Empty", "Alone", "End", "Straight", "Corner", "T", "Cross", "B", "C", "Unknown"}) {
    WriteFileBytes(Folder() / "Families.ini",
                   CrLfLines({"[Family Line]", "Alone=Alone", "End=End", "Straight=Straight",
                              "Corner=Corner", "T=T", "Cross=Cross", "[Family Broken]", "T=T"}));
    Start();
  }
  QPoint At(int column, int row) { return {32 * column + 5, 32 * row + 20}; }
  std::string Floor0() { return DrawFloor(Editor().Level(), 0, 4, 4); }
  // The floor view shows what a redraw of the floor would show.
  void ExpectCanvasAsRedrawn() {
    const QImage shown = Canvas().copy();
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageDown);
    EXPECT_TRUE(Canvas() == shown);
  }
};

TEST_F(PaintingInTheEditor, AFamilyPaintedByAClickAndADragUndoesAsOneStepEach) {
  ASSERT_EQ(Warnings().size(), 1u);  // the broken family is left out
  Editor().ChooseFamily(0);
  Click(Qt::LeftButton, At(1, 1));
  const Strings clicked = BlockList();
  // A quick drag: the cells between two moves are painted too.
  Press(Qt::LeftButton, At(1, 2));
  Move(At(3, 2));
  Move(At(3, 3));
  Release(Qt::LeftButton, At(3, 3));
  EXPECT_EQ(Floor0(),
            "............\n"
            "............\n"
            "............\n"
            "............\n"
            "....#.......\n"
            "....#.......\n"
            "....#.......\n"
            "....#######.\n"
            "..........#.\n"
            "..........#.\n"
            "..........#.\n"
            "............\n");
  EXPECT_EQ(State().MarkerColumn, 3);
  ExpectCanvasAsRedrawn();
  const Strings dragged = BlockList();
  Editor().Undo();
  EXPECT_EQ(BlockList(), clicked);
  Editor().Undo();
  EXPECT_TRUE(BlockList().empty());
  Editor().Redo();
  Editor().Redo();
  EXPECT_EQ(BlockList(), dragged);

  // The empty item goes back to plain blocks; over a cell of the family it erases the cell and
  // chooses its neighbours again, in one step.
  ChooseItem("");
  EXPECT_EQ(State().painting.family, -1);
  Click(Qt::LeftButton, At(2, 2));
  EXPECT_EQ(BlockList(), (Strings{"0 1 1 0 End", "0 3 3 2 End", "0 3 2 0 End", "0 1 2 2 End"}))
      << Floor0();
  ExpectCanvasAsRedrawn();
  Editor().Undo();
  EXPECT_EQ(BlockList(), dragged);
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(PaintingInTheEditor, RegionCommandsAndFillAreOneStepEachAndShowAtOnce) {
  BlockList() = {"0 1 1 0 B", "0 2 1 5 C", "0 1 2 0 Corner", "2 1 1 0 C"};
  LinkList() = {"0 1 1 0 2 1", "0 1 1 3 4 4"};
  // Shift + drag selects cells (1, 1) to (2, 2); the marker goes to the top-left one.
  Editor().PressFloor(Qt::LeftButton, Qt::ShiftModifier, 70, 70);
  Editor().MoveOnFloor(Qt::ShiftModifier, 40, 40);
  Editor().ReleaseFloor(Qt::LeftButton, Qt::ShiftModifier, 40, 40);
  EXPECT_EQ(State().painting.selection, (editor::Region{0, 1, 1, 2, 2}));
  EXPECT_EQ(State().MarkerColumn, 1);
  Editor().CopySelection();
  SetFloor(2);
  EXPECT_EQ(State().painting.SelectionOn(2), std::nullopt);

  struct Step {
    const char* name;
    std::function<void()> command;
    Strings blocks;
    Strings links;
  };
  const Step steps[] = {
      {"paste on floor 2",
       [&] { Editor().PasteAtMarker(); },
       {"0 1 1 0 B", "0 2 1 5 C", "0 1 2 0 Corner", "2 1 1 0 B", "2 2 1 5 C", "2 1 2 0 Corner"},
       {"0 1 1 0 2 1", "0 1 1 3 4 4", "2 1 1 2 2 1"}},
      {"turn by R",
       [&] { Key(Qt::Key_R); },
       {"0 1 1 0 B", "0 2 1 5 C", "0 1 2 0 Corner", "2 1 2 4 B", "2 1 1 1 C", "2 2 2 4 Corner"},
       {"0 1 1 0 2 1", "0 1 1 3 4 4", "2 1 2 2 1 1"}},
      {"mirror by X",
       [&] { Key(Qt::Key_X); },
       {"0 1 1 0 B", "0 2 1 5 C", "0 1 2 0 Corner", "2 2 2 5 B", "2 2 1 0 C", "2 1 2 5 Corner"},
       {"0 1 1 0 2 1", "0 1 1 3 4 4", "2 2 2 2 2 1"}},
      {"delete",
       [&] { Key(Qt::Key_Delete); },
       {"0 1 1 0 B", "0 2 1 5 C", "0 1 2 0 Corner"},
       {"0 1 1 0 2 1", "0 1 1 3 4 4"}},
  };
  for (const Step& step : steps) {
    const Strings blocks = BlockList();
    const Strings links = LinkList();
    step.command();
    EXPECT_EQ(BlockList(), step.blocks) << step.name;
    EXPECT_EQ(LinkList(), step.links) << step.name;
    ExpectCanvasAsRedrawn();
    Editor().Undo();
    EXPECT_EQ(BlockList(), blocks) << step.name;
    EXPECT_EQ(LinkList(), links) << step.name;
    Editor().Redo();
  }
  // Fill from the marker: every cell of floor 2, now empty, in the chosen orientation.
  ChooseItem("B");
  SetBoxes(true, false, false);
  Editor().FillAtMarker();
  EXPECT_EQ(BlockList().size(), 3u + 10 * 8);
  EXPECT_EQ(BlockList().back(), "2 9 7 1 B");
  ExpectCanvasAsRedrawn();
  Editor().Undo();
  EXPECT_EQ(BlockList().size(), 3u);
  EXPECT_TRUE(Errors().isEmpty());
  // Another level drops the selection made on this one's cells.
  ASSERT_TRUE(State().painting.selection.has_value());
  Editor().Document().Replace(document::Level{}, document::ChangeCause::kNewLevel);
  EXPECT_FALSE(State().painting.selection.has_value());
}

}  // namespace
}  // namespace cw::testing
