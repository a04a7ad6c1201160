// Moving between floors with the selector and with Page Up / Page Down on the floor view.
#include <gtest/gtest.h>

#include "editor/link_drawing.h"
#include "editor/marker.h"
#include "gui_support/editor_harness.h"

namespace cw::testing {
namespace {

TEST(FloorNavigation, PageUpAndDownStepTheFloorAndDrawIt) {
  EditorHarness session(kStandardBlocks);
  session.BlockList() = {"1 2 2 0 B", "0 3 3 0 C", "-1 4 4 6 B"};
  struct Step {
    Qt::Key key;
    int floor;
    QString caption;
    int shownColumn;  // the one cell holding a block on that floor
    const char* block;
    int flags;
  };
  const Step steps[] = {
      {Qt::Key_PageUp, 1, "  Floor 1    NoName", 2, "B", 0},
      {Qt::Key_PageDown, 0, "  Floor 0    NoName", 3, "C", 0},
      {Qt::Key_PageDown, -1, "  Floor -1    NoName", 4, "B", 6},
  };
  for (const Step& step : steps) {
    session.Key(step.key);
    EXPECT_EQ(session.Floor(), step.floor);
    EXPECT_EQ(session.FloorCaption(), step.caption);
    const QImage canvas = session.CanvasWithoutMarker();
    for (int column = 2; column <= 4; ++column) {
      const bool shown = column == step.shownColumn;
      EXPECT_EQ(
          CellShows(canvas, column, column,
                    OrientedTestPicture(shown ? step.block : "Empty", shown ? step.flags : 0)),
          true)
          << step.floor << " column " << column;
    }
  }
}

TEST(FloorNavigation, KeysAtTheBoundsStillRedrawEverything) {
  EditorHarness session(kStandardBlocks);
  for (int i = 0; i < 9; ++i) session.Key(Qt::Key_PageUp);
  ASSERT_EQ(session.Floor(), 7);
  session.LinkList() = {"7 0 0 7 2 0"};
  session.SetLinkMode(true);
  session.LinkList().push_back("7 0 1 7 2 1");
  session.Key(Qt::Key_PageUp);
  EXPECT_EQ(session.Floor(), 7);
  EXPECT_EQ(session.LinksCaption(), "Links  total 2");
  EXPECT_EQ(session.Canvas().pixel(30, 48), 0xffff0000u);  // the overlay, with the new link
  EXPECT_EQ(session.FloorCaption(), "  Floor 7    NoName");

  for (int i = 0; i < 16; ++i) session.Key(Qt::Key_PageDown);
  ASSERT_EQ(session.Floor(), -8);
  EXPECT_EQ(session.FloorCaption(), "  Floor -8    NoName");
  session.Click(Qt::MiddleButton, {100, 100});  // only the marker moves
  const QImage before = session.CanvasWithoutMarker();
  const int repaints = session.Views().Repaints();
  session.Key(Qt::Key_PageDown);
  EXPECT_EQ(session.Floor(), -8);
  EXPECT_EQ(session.Views().Repaints(), repaints + 1);
  EXPECT_EQ(session.CanvasWithoutMarker(), before);
  EXPECT_EQ(session.FloorCaption(), "  Floor -8    NoName");
}

TEST(FloorNavigation, FloorChangeKeepsTheMarkerAndDrawsItOnce) {
  EditorHarness session(kStandardBlocks);
  session.ChooseItem("Unknown");
  session.Click(Qt::LeftButton, {100, 70});
  session.BlockList() = {"1 3 2 0 B"};
  session.Key(Qt::Key_PageUp);
  QImage expected = session.State().FloorSnapshot.copy();
  editor::ToggleMarker(expected, 3, 2);
  EXPECT_EQ(session.Canvas(), expected);
  // With link mode off no link is drawn, but the count is brought up to date.
  session.LinkList() = {"1 0 0 1 3 0"};
  session.Key(Qt::Key_PageDown);
  session.Key(Qt::Key_PageUp);
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");
  QImage blocksOnly = session.State().FloorSnapshot.copy();
  editor::ToggleMarker(blocksOnly, 3, 2);
  EXPECT_EQ(session.Canvas(), blocksOnly);
}

}  // namespace
}  // namespace cw::testing
