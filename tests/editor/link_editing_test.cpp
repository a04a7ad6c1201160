// Drawing, removing and showing links with the mouse on the real widgets.
#include <gtest/gtest.h>

#include "editor/canvas_pixels.h"
#include "editor/link_drawing.h"
#include "editor/marker.h"
#include "gui_support/editor_harness.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr QRgb kRed = 0xffff0000u;

// What the floor view shows with link mode on and no drag: the blocks, every link of the floor
// and the marker.
QImage OverlaidView(EditorHarness& session) {
  QImage view = session.State().FloorSnapshot.copy();
  editor::DrawLinkOverlay(view, session.CanvasFont(), session.LinkList(), session.Floor());
  editor::ToggleMarker(view, session.State().MarkerColumn, session.State().MarkerRow);
  return view;
}

::testing::AssertionResult SameImage(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  int count = 0;
  QString first;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        if (count++ == 0)
          first = QString("(%1, %2): %3 vs %4")
                      .arg(x)
                      .arg(y)
                      .arg(a.pixel(x, y), 8, 16)
                      .arg(b.pixel(x, y), 8, 16);
      }
  if (count == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << count << " pixels differ, first " << first.toStdString();
}

bool AnyRed(const QImage& canvas) {
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.pixel(x, y) == kRed) return true;
  return false;
}

void Drag(EditorHarness& session, QPoint from, QPoint to) {
  session.Press(Qt::LeftButton, from);
  session.Move((from + to) / 2);
  session.Move(to);
  session.Release(Qt::LeftButton, to);
}

class LinkEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    session.BlockList() = {"0 1 1 0 B", "0 2 0 3 C"};
    session.Key(Qt::Key_PageUp);
    session.Key(Qt::Key_PageDown);  // floor 0 drawn with its blocks
    session.SetLinkMode(true);
  }
  EditorHarness session{kStandardBlocks};
};

TEST_F(LinkEditing, DragToTheSameCellOfTheSameFloorAddsNothing) {
  Drag(session, {40, 40}, {60, 50});
  EXPECT_TRUE(session.LinkList().empty());
  EXPECT_EQ(session.LinksCaption(), "Links  total 0");
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, SameDirectionTwiceRemovesTheOppositeDirectionAdds) {
  Drag(session, {10, 10}, {70, 10});
  EXPECT_EQ(session.LinkList(), Strings{"0 0 0 0 2 0"});
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");
  // The head of (16, 16) -> (80, 16): strokes from (48, 16) to (41, 9) and (41, 23), end left out.
  EXPECT_EQ(session.Canvas().pixel(42, 10), kRed);
  EXPECT_EQ(session.Canvas().pixel(42, 22), kRed);
  EXPECT_NE(session.Canvas().pixel(41, 9), kRed);

  Drag(session, {20, 5}, {90, 20});
  EXPECT_TRUE(session.LinkList().empty());
  EXPECT_FALSE(AnyRed(session.Canvas()));
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));

  Drag(session, {10, 10}, {70, 10});
  Drag(session, {70, 10}, {10, 10});
  EXPECT_EQ(session.LinkList(), (Strings{"0 0 0 0 2 0", "0 2 0 0 0 0"}));
  EXPECT_EQ(session.LinksCaption(), "Links  total 2");
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, RubberBandFollowsThePointerAlsoOutsideTheCanvas) {
  const QImage before = session.Canvas().copy();
  session.Press(Qt::LeftButton, {100, 40});
  session.Move({-50, -30});
  session.Move({500, 900});
  QImage withoutBand = session.Canvas().copy();
  editor::InvertLine(withoutBand, {112, 48}, {500, 900});
  QImage expected = before;
  editor::ToggleMarker(expected, 0, 0);
  editor::ToggleMarker(expected, 3, 1);
  EXPECT_TRUE(SameImage(withoutBand, expected));
  session.Move({-40, 10});
  // A release at x = -20 falls in column 0, like x = 20.
  session.Release(Qt::LeftButton, {-20, 10});
  EXPECT_EQ(session.LinkList(), Strings{"0 3 1 0 0 0"});
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, PageUpWhileTheButtonIsHeldLinksTwoFloors) {
  session.BlockList().push_back("1 4 1 0 C");
  session.Press(Qt::LeftButton, {40, 40});
  session.Move({150, 60});
  session.Key(Qt::Key_PageUp);
  EXPECT_EQ(session.Floor(), 1);
  EXPECT_TRUE(session.State().drag.LinkDragActive);
  // The floor was drawn again with the band from the start cell's centre to the pointer.
  QImage withoutBand = session.Canvas().copy();
  editor::InvertLine(withoutBand, {48, 48}, {150, 60});
  EXPECT_TRUE(SameImage(withoutBand, OverlaidView(session)));
  session.Move({140, 50});
  session.Release(Qt::LeftButton, {140, 50});
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 1 4 1"});
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
  // Seen on floor 1: the start floor's number written from (48, 48) over the line, a square at
  // the end cell.
  const QImage& canvas = session.Canvas();
  EXPECT_EQ(canvas.pixel(48, 48), 0xffffffffu);
  EXPECT_NE(canvas.pixel(50, 48), kRed);
  EXPECT_EQ(canvas.pixel(142, 46), kRed);
  EXPECT_EQ(canvas.pixel(100, 48), kRed);
  // Seen on floor 0: a square at the start, the number 1 at the end.
  session.Key(Qt::Key_PageDown);
  EXPECT_EQ(session.Canvas().pixel(46, 46), kRed);
  EXPECT_EQ(session.Canvas().pixel(144, 48), 0xffffffffu);
}

TEST_F(LinkEditing, SameCellOnTheNextFloorIsALinkWithoutHead) {
  session.Press(Qt::LeftButton, {40, 40});
  session.Key(Qt::Key_PageUp);
  session.Release(Qt::LeftButton, {41, 41});
  EXPECT_EQ(session.LinkList(), Strings{"0 1 1 1 1 1"});
  EXPECT_EQ(session.LinksCaption(), "Links  total 1");
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, RightPressShowsTheCellsOwnLinksAndCounts) {
  session.LinkList() = {"0 1 1 0 3 1", "0 5 6 0 7 6", "0 1 3 0 1 1", "0 1 1 1 6 1", "1 1 1 0 4 4"};
  session.Click(Qt::RightButton, {40, 40});
  EXPECT_EQ(session.LinksCaption(), "Links  out 2 in 1");
  EXPECT_EQ(session.SelectedItem(), "B");  // the pick ran too
  QImage expected = session.State().FloorSnapshot.copy();
  editor::DrawCellLinks(expected, session.CanvasFont(), session.LinkList(), 0, 1, 1);
  editor::ToggleMarker(expected, 1, 1);
  EXPECT_TRUE(SameImage(session.Canvas(), expected));
  // A release without a drag changes nothing; the next finished drag shows every link again.
  EXPECT_EQ(session.LinksCaption(), "Links  out 2 in 1");
  Drag(session, {200, 200}, {230, 230});
  EXPECT_EQ(session.LinksCaption(), "Links  total 6");
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, RightPressDuringADragKeepsTheBandSoTheDragEndsCleanly) {
  session.LinkList() = {"0 5 5 0 7 5"};
  session.Press(Qt::LeftButton, {10, 10});
  session.Move({100, 100});
  session.Press(Qt::RightButton, {170, 170});  // pick and link view of cell (5, 5)
  EXPECT_EQ(session.LinksCaption(), "Links  out 1 in 0");
  session.Move({200, 90});
  session.Release(Qt::LeftButton, {200, 90});
  EXPECT_EQ(session.LinkList(), (Strings{"0 5 5 0 7 5", "0 0 0 0 6 2"}));
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
  session.Release(Qt::RightButton, {170, 170});  // no drag any more: nothing
  EXPECT_EQ(session.LinkList().size(), 2u);
}

TEST_F(LinkEditing, PressWhileADragRunsTakesTheOldBandOffFirst) {
  // A second left press with no release between them (a lost release) starts a new drag.
  session.Editor().PressFloor(Qt::LeftButton, Qt::NoModifier, 10, 10);
  session.Editor().MoveOnFloor(Qt::NoModifier, 200, 150);
  session.Editor().PressFloor(Qt::LeftButton, Qt::NoModifier, 100, 100);
  session.Editor().ReleaseFloor(Qt::LeftButton, Qt::NoModifier, 150, 100);
  EXPECT_EQ(session.LinkList(), Strings{"0 3 3 0 4 3"});
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
}

TEST_F(LinkEditing, SwitchingLinkModeOffAndOn) {
  session.LinkList() = {"0 0 0 0 2 0", "3 0 0 3 1 1"};
  session.SetLinkMode(false);
  EXPECT_EQ(session.LinksCaption(), "Links  total 2");
  EXPECT_FALSE(AnyRed(session.Canvas()));
  // A block placed with link mode off goes into the snapshot when link mode comes on.
  session.ChooseItem("C");
  session.Click(Qt::LeftButton, {200, 100});
  session.LinkList().push_back("0 6 3 0 0 0");
  session.SetLinkMode(true);
  EXPECT_EQ(session.LinksCaption(), "Links  total 2");  // left as it was
  EXPECT_TRUE(CellShows(session.State().FloorSnapshot, 6, 3, OrientedTestPicture("C", 0)));
  EXPECT_TRUE(SameImage(session.Canvas(), OverlaidView(session)));
  session.SetLinkMode(false);
  EXPECT_EQ(session.LinksCaption(), "Links  total 3");
  QImage blocksOnly = session.State().FloorSnapshot.copy();
  editor::ToggleMarker(blocksOnly, 6, 3);
  EXPECT_TRUE(SameImage(session.Canvas(), blocksOnly));
}

}  // namespace
}  // namespace cw::testing
