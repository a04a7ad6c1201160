// Moving between floors with the selector and with Page Up / Page Down on the floor view.
#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

#include "editor/link_drawing.h"
#include "editor/marker.h"
#include "editor_session.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"

namespace cw::testing {
namespace {

// Pixels that no redraw would leave: the floor change must draw everything again.
void Scribble(QImage& canvas) {
  for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, 100, qRgb(1, 2, 3));
}

bool HasScribble(const QImage& canvas) {
  return canvas.pixel(7, 100) == qRgb(1, 2, 3);
}

TEST(FloorNavigation, PageUpAndDownStepTheFloorAndDrawIt) {
  EditorSession session;
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
      EXPECT_EQ(EditorSession::CellShows(canvas, column, column,
                                         EditorSession::OrientedTestPicture(
                                             shown ? step.block : "Empty", shown ? step.flags : 0)),
                true)
          << step.floor << " column " << column;
    }
  }
}

TEST(FloorNavigation, KeysAtTheBoundsStillRedrawEverything) {
  EditorSession session;
  for (int i = 0; i < 9; ++i) session.Key(Qt::Key_PageUp);
  ASSERT_EQ(session.Floor(), 7);
  session.LinkList() = {"7 0 0 7 2 0"};
  session.SetLinkMode(true);
  session.LinkList().push_back("7 0 1 7 2 1");
  Scribble(session.Canvas());
  session.Key(Qt::Key_PageUp);
  EXPECT_EQ(session.Floor(), 7);
  EXPECT_FALSE(HasScribble(session.Canvas()));
  EXPECT_EQ(session.LinksCaption(), "Links  total 2");
  EXPECT_EQ(session.Canvas().pixel(30, 48), 0xffff0000u);  // the overlay, with the new link
  EXPECT_EQ(session.FloorCaption(), "  Floor 7    NoName");

  for (int i = 0; i < 16; ++i) session.Key(Qt::Key_PageDown);
  ASSERT_EQ(session.Floor(), -8);
  EXPECT_EQ(session.FloorCaption(), "  Floor -8    NoName");
  Scribble(session.Canvas());
  session.Key(Qt::Key_PageDown);
  EXPECT_EQ(session.Floor(), -8);
  EXPECT_FALSE(HasScribble(session.Canvas()));
  EXPECT_EQ(session.FloorCaption(), "  Floor -8    NoName");
}

TEST(FloorNavigation, SelectorArrowsRedrawOnlyOnARealChange) {
  EditorSession session;
  QSpinBox& selector = *session.ToolBox().UpDown1;
  selector.stepBy(1);
  EXPECT_EQ(session.FloorCaption(), "  Floor 1    NoName");
  selector.setValue(7);
  Scribble(session.Canvas());
  selector.stepBy(1);  // the up arrow at the top does nothing at all
  EXPECT_EQ(selector.value(), 7);
  EXPECT_TRUE(HasScribble(session.Canvas()));
  selector.stepBy(-1);
  EXPECT_FALSE(HasScribble(session.Canvas()));
  EXPECT_EQ(session.FloorCaption(), "  Floor 6    NoName");
}

TEST(FloorNavigation, FloorChangeKeepsTheMarkerAndDrawsItOnce) {
  EditorSession session;
  session.ChooseItem("Unknown");
  session.Click(Qt::LeftButton, {100, 70});
  session.BlockList() = {"1 3 2 0 B"};
  session.Key(Qt::Key_PageUp);
  QImage expected = session.Editor().FloorSnapshot.copy();
  editor::ToggleMarker(expected, 3, 2);
  EXPECT_EQ(session.Canvas(), expected);
  // With link mode off no link is drawn, but the count is brought up to date.
  session.LinkList() = {"1 0 0 1 3 0"};
  session.Key(Qt::Key_PageDown);
  session.Key(Qt::Key_PageUp);
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");
  QImage blocksOnly = session.Editor().FloorSnapshot.copy();
  editor::ToggleMarker(blocksOnly, 3, 2);
  EXPECT_EQ(session.Canvas(), blocksOnly);
}

TEST(FloorNavigation, OtherKeysDoNothingAndTheScrollAreaKeepsItsPlace) {
  EditorSession session({"Empty"}, 1024, 1024);
  session.FloorView().resize(200, 200);
  QScrollBar& vertical = *session.FloorView().ScrollArea->verticalScrollBar();
  vertical.setValue(300);
  for (const Qt::Key key : {Qt::Key_Up, Qt::Key_A, Qt::Key_Home}) {
    Scribble(session.Canvas());
    session.Key(key);
    EXPECT_EQ(session.Floor(), 0);
    EXPECT_TRUE(HasScribble(session.Canvas()));
  }
  vertical.setValue(300);
  session.Key(Qt::Key_PageDown);
  EXPECT_EQ(session.Floor(), -1);
  EXPECT_EQ(vertical.value(), 300);
}

}  // namespace
}  // namespace cw::testing
