// Placing, erasing and picking blocks with the mouse.
#include <gtest/gtest.h>

#include "editor/marker.h"
#include "gui_support/editor_harness.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(Placement, LeftPressPlacesTheTurnedBlockAndMovesTheMarker) {
  EditorHarness session(kStandardBlocks);
  session.ChooseItem("B");
  session.SetBoxes(true, false, true);
  QImage expected = session.Canvas().copy();
  editor::ToggleMarker(expected, 0, 0);

  session.Click(Qt::LeftButton, {70, 40});

  EXPECT_EQ(session.BlockList(), Strings{"0 2 1 5 B"});
  // B turned by 5 with its top-left at (64, 32), and the ring from (58, 26) to (102, 70).
  const QImage turned = OrientedTestPicture("B", 5);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) expected.setPixel(64 + x, 32 + y, turned.pixel(x, y));
  editor::ToggleMarker(expected, 2, 1);
  EXPECT_EQ(session.Canvas(), expected);
  EXPECT_EQ(session.State().MarkerColumn, 2);
  EXPECT_EQ(session.State().MarkerRow, 1);
  EXPECT_TRUE(session.Errors().empty());
}

TEST(Placement, ReplacingACellMovesItsRecordToTheEndAndLeavesOtherFloors) {
  struct Case {
    const char* name;
    Strings before;
    Strings after;
  };
  const Case cases[] = {
      {"another block",
       {"0 2 1 0 C", "0 5 5 0 B", "1 2 1 3 C"},
       {"0 5 5 0 B", "1 2 1 3 C", "0 2 1 0 B"}},
      {"the same block and flags", {"0 2 1 0 B", "0 5 5 0 C"}, {"0 5 5 0 C", "0 2 1 0 B"}},
      {"two records of the cell: only the first goes",
       {"0 2 1 3 C", "0  2  1 1 C", "-1 2 1 0 C"},
       {"0  2  1 1 C", "-1 2 1 0 C", "0 2 1 0 B"}},
  };
  for (const Case& c : cases) {
    EditorHarness session(kStandardBlocks);
    session.BlockList() = c.before;
    session.ChooseItem("B");
    session.Click(Qt::LeftButton, {64, 63});
    EXPECT_EQ(session.BlockList(), c.after) << c.name;
  }
}

TEST(Placement, TheEmptyItemErasesTheCellAndPaintsTheTurnedBackground) {
  EditorHarness session(kStandardBlocks);
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {100, 100});
  session.BlockList().push_back("1 3 3 0 B");
  session.ChooseItem("");
  session.SetBoxes(false, true, false);
  session.Click(Qt::LeftButton, {100, 100});
  EXPECT_EQ(session.BlockList(), Strings{"1 3 3 0 B"});
  EXPECT_TRUE(CellShows(session.CanvasWithoutMarker(), 3, 3, OrientedTestPicture("Empty", 2)));
  // Erasing the empty cell again changes nothing in the level.
  session.Click(Qt::LeftButton, {100, 100});
  EXPECT_EQ(session.BlockList(), Strings{"1 3 3 0 B"});
}

TEST(Placement, UnknownItemAndMiddleButtonOnlyMoveTheMarker) {
  for (const bool middle : {false, true}) {
    EditorHarness session(kStandardBlocks);
    session.BlockList() = {"0 1 1 0 C"};
    session.ChooseItem(middle ? "B" : "Unknown");
    QImage expected = session.Canvas().copy();
    editor::ToggleMarker(expected, 0, 0);
    editor::ToggleMarker(expected, 1, 1);
    session.Click(middle ? Qt::MiddleButton : Qt::LeftButton, {40, 40});
    EXPECT_EQ(session.BlockList(), Strings{"0 1 1 0 C"}) << middle;
    EXPECT_EQ(session.Canvas(), expected) << middle;
    EXPECT_EQ(session.SelectedItem(), middle ? "B" : "Unknown");
  }
}

TEST(Placement, PressOnTheMarkedCellLeavesTheMarkerDrawnOnce) {
  EditorHarness session(kStandardBlocks);
  session.ChooseItem("Unknown");
  const QImage before = session.Canvas().copy();
  session.Click(Qt::LeftButton, {5, 5});
  session.Click(Qt::MiddleButton, {31, 31});
  EXPECT_EQ(session.Canvas(), before);
}

TEST(Placement, NoSelectedItemIsRefusedWithOneErrorAndChangesNothing) {
  EditorHarness session({"Empty", "B"});  // no Unknown picture
  session.BlockList() = {"0 2 2 0 Gone"};
  session.Click(Qt::RightButton, {70, 70});  // the pick finds neither the name nor "Unknown"
  ASSERT_EQ(session.SelectedItem(), "<none>");
  const QImage before = session.Canvas().copy();
  session.Click(Qt::LeftButton, {10, 10});
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.BlockList(), Strings{"0 2 2 0 Gone"});
  EXPECT_EQ(session.Canvas(), before);
  EXPECT_EQ(session.State().MarkerColumn, 2);
}

TEST(Placement, APictureThatCannotBeLoadedIsPlacedAndDrawnAsUnknown) {
  EditorHarness session(kStandardBlocks);
  session.ChooseItem("B");
  session.SetBoxes(false, true, false);
  std::filesystem::remove(session.Folder() / "B.bmp");
  session.Click(Qt::LeftButton, {70, 40});
  EXPECT_EQ(session.BlockList(), Strings{"0 2 1 2 B"});
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_TRUE(session.Errors().front().contains("B.bmp"));
  // The cell shows the Unknown picture turned by the flags, and the marker moved to it.
  EXPECT_TRUE(CellShows(session.CanvasWithoutMarker(), 2, 1, OrientedTestPicture("Unknown", 2)));
  EXPECT_EQ(session.State().MarkerColumn, 2);
}

TEST(Pick, CopiesTheCellsBlockIntoTheToolBoxWithoutAPaletteClick) {
  EditorHarness session(kStandardBlocks);
  session.BlockList() = {"1 2 1 0 C", "0 2 1 5 B", "0 2 1 2 C"};
  session.ChooseItem("C");
  session.Click(Qt::RightButton, {70, 40});
  EXPECT_EQ(session.SelectedItem(), "B");
  EXPECT_EQ(session.Label(), "B");
  // The boxes keep the record's flags: the selection from code did not clear them.
  EXPECT_EQ(session.Orientation(), 5);
  EXPECT_EQ(session.Preview(), OrientedTestPicture("B", 5));
  EXPECT_EQ(session.BlockList(), (Strings{"1 2 1 0 C", "0 2 1 5 B", "0 2 1 2 C"}));
}

TEST(Pick, EmptyCellUnknownNameAndNameWithABlank) {
  struct Case {
    const char* what;
    Strings blocks;
    QString label;
    QString item;
    int flags;
    std::string previewed;
  };
  const Case cases[] = {
      {"an empty cell", {"0 0 0 7 B"}, "", "", 0, "Empty"},
      {"an unknown name", {"0 1 1 6 Gone"}, "Gone", "Unknown", 6, "Unknown"},
      // Only the first word of a name with a blank is read back.
      {"a name with a blank", {"0 1 1 3 My Block"}, "My", "Unknown", 3, "Unknown"},
      {"a name differing in case", {"0 1 1 1 b"}, "b", "Unknown", 1, "Unknown"},
  };
  for (const Case& c : cases) {
    EditorHarness session({"Empty", "B", "C", "Unknown", "My Block"});
    session.BlockList() = c.blocks;
    session.ChooseItem("C");
    session.SetBoxes(true, true, true);
    session.Click(Qt::RightButton, {40, 40});
    EXPECT_EQ(session.Label(), c.label) << c.what;
    EXPECT_EQ(session.SelectedItem(), c.item) << c.what;
    EXPECT_EQ(session.Orientation(), c.flags) << c.what;
    EXPECT_EQ(session.Preview(), OrientedTestPicture(c.previewed, c.flags)) << c.what;
  }
}

TEST(Pick, NameWithABlankIsPlacedWhole) {
  EditorHarness session({"Empty", "My Block"});
  session.ChooseItem("My Block");
  session.Click(Qt::LeftButton, {40, 40});
  EXPECT_EQ(session.BlockList(), Strings{"0 1 1 0 My Block"});
}

}  // namespace
}  // namespace cw::testing
