// The 3D view in the program's windows: opened by F3, following the editor's edits at once, and
// a double-click on a face showing its cell in the floor view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "forms/real_windows.h"
#include "forms/view3d_shapes.h"
#include "forms/view3d_widget.h"
#include "forms/view3d_window.h"
#include "gui_support/editor_harness.h"
#include "view3d_test_support.h"

namespace cw::testing {
namespace {

class View3DTest : public ::testing::Test, public EditorHarness {
 protected:
  View3DTest() : EditorHarness(kStandardBlocks, 320, 256, kTinyKitSettings, MakeRealWindows()) {
    WriteTinyKit(Folder());
  }
  RealWindows& Real() { return static_cast<RealWindows&>(Windows()); }
  forms::View3DWindow* Window() {
    return Real().Form2().findChild<forms::View3DWindow*>(QString(), Qt::FindDirectChildrenOnly);
  }
  // The view from 300 units above the middle of cell (1, 1), looking down.
  QImage Frame() {
    forms::View3DWidget& view = *Window()->View;
    view.Camera().Place({128, -128, 300}, 90, -89);
    return view.grabFramebuffer();
  }
  QPoint Middle() { return {Window()->View->width() / 2, Window()->View->height() / 2}; }
  QColor AtMiddle() { return Frame().pixelColor(Middle()); }
};

TEST_F(View3DTest, F3OpensTheViewAndEveryEditShowsAtOnce) {
  EXPECT_EQ(Window(), nullptr);
  QApplication::setActiveWindow(&Real().Form2());
  QTest::keyClick(&Real().Form2(), Qt::Key_F3);
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Window()->windowTitle(), "3D View");
  EXPECT_TRUE(Window()->View->Problem().isEmpty()) << Window()->View->Problem().toStdString();
  Window()->resize(400, 300);
  const QColor background = forms::kBackgroundColour;
  EXPECT_TRUE(Near(AtMiddle(), background));

  // Placed in cell (1, 1): the player start's box in the middle, the box's top around it.
  ChooseItem("B");
  Click(Qt::LeftButton, {48, 48});
  const QImage placed = Frame();
  EXPECT_TRUE(Near(placed.pixelColor(Middle()),
                   LitFromAbove(forms::PointFamilyColour(scene::PointFamily::kPlayerStart))));
  EXPECT_TRUE(Near(placed.pixelColor(Middle() + QPoint(24, 0)), BoxColour()));
  EXPECT_EQ(Window()->View->ClassnameAt(Middle()), "info_player_start");
  EXPECT_EQ(Window()->View->ClassnameAt(Middle() + QPoint(24, 0)), "");

  Editor().Undo();
  EXPECT_TRUE(Near(AtMiddle(), background));
  Editor().Redo();
  EXPECT_TRUE(Near(Frame().pixelColor(Middle() + QPoint(24, 0)), BoxColour()));
  // A new level replaces the whole scene.
  BlockList() = {"0 0 0 0 B"};
  EXPECT_TRUE(Near(AtMiddle(), background));
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(View3DTest, ADoubleClickOnAFaceShowsItsCellInTheFloorView) {
  BlockList() = {"0 1 1 0 B", "-1 1 1 0 B"};
  forms::ShowView3D(Editor(), Real().Form2());
  Window()->resize(400, 300);
  Frame();
  QTest::mouseDClick(Window()->View, Qt::LeftButton, {}, Middle() + QPoint(24, 0));
  EXPECT_EQ(State().floor, 0);
  EXPECT_EQ(State().MarkerColumn, 1);
  EXPECT_EQ(State().MarkerRow, 1);

  // With floor -1 current, floor 0 is cut away: the same point is floor -1's box.
  Editor().ShowCell({-1, 0, 0});
  Frame();
  QTest::mouseDClick(Window()->View, Qt::LeftButton, {}, Middle() + QPoint(24, 0));
  EXPECT_EQ(State().floor, -1);
  EXPECT_EQ(State().MarkerColumn, 1);
  EXPECT_EQ(State().MarkerRow, 1);
}

}  // namespace
}  // namespace cw::testing
