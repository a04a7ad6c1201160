// Families, regions and fill through the program's widgets: the selection outlined by the floor
// view over a canvas that keeps its pixels, the keys, the floor view's menu and the families list.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QTest>

#include "forms/families_form.h"
#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"
#include "gui_support/editor_harness.h"
#include "real_windows.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

class PaintingWindows : public ::testing::Test, public EditorHarness {
 protected:
  PaintingWindows() : EditorHarness(kStandardBlocks, 320, 256, "", MakeRealWindows()) {
    WriteFileBytes(Folder() / "Families.ini",
                   CrLfLines({"[Family Line]", "Alone=B", "End=B", "Straight=B", "Corner=B", "T=C",
                              "Cross=C"}));
    Start();
  }
  RealWindows& Real() { return static_cast<RealWindows&>(Windows()); }
  QWidget& Image() { return *Real().Form2().Image1; }
  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Real().Form2().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Real().Form2()));
    QTest::keyClick(Real().Form2().ScrollArea, key, modifiers);
  }
  void SelectWithShift(QPoint from, QPoint to) {
    QTest::mousePress(&Image(), Qt::LeftButton, Qt::ShiftModifier, from);
    QTest::mouseMove(&Image(), to);
    QTest::mouseRelease(&Image(), Qt::LeftButton, Qt::ShiftModifier, to);
  }
  // The floor view as the screen shows it against the canvas at `zoom`: every pixel the canvas
  // pixel under it, except the outline of `cells` (canvas pixels), two pixels of black and white.
  void ExpectShownWithOutline(int zoom, const QRect& cells) {
    const QImage shown = Image().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), Canvas().size() * zoom);
    const QRect outer(cells.topLeft() * zoom, cells.size() * zoom);
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    int differing = 0, black = 0, white = 0, other = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        const QRgb pixel = shown.pixel(x, y);
        if (!outer.contains(x, y) || inner.contains(x, y)) {
          differing += pixel != Canvas().pixel(x / zoom, y / zoom);
        } else {
          (pixel == qRgb(0, 0, 0) ? black : pixel == qRgb(255, 255, 255) ? white : other)++;
        }
      }
    }
    EXPECT_EQ(differing + other, 0);
    EXPECT_EQ(black > 0 && white > 0, !cells.isEmpty());
  }
};

TEST_F(PaintingWindows, TheSelectionIsOutlinedByTheFloorViewAboveTheMarkerOverAnUnchangedCanvas) {
  BlockList() = {"0 1 1 0 B", "0 2 2 3 C"};
  SetFloor(1);
  SetFloor(0);
  QTest::mouseClick(&Image(), Qt::MiddleButton, {}, {40, 40});
  const QImage before = Canvas().copy();
  // From cell (1, 1) to cell (3, 2); the marker ends on the top-left cell, where it was.
  SelectWithShift({40, 40}, {100, 70});
  EXPECT_TRUE(Canvas() == before);
  ExpectShownWithOutline(1, QRect(32, 32, 96, 64));
  Real().Form2().SetZoom(2, {0, 0});
  ExpectShownWithOutline(2, QRect(32, 32, 96, 64));
  Type(Qt::Key_Escape);
  ExpectShownWithOutline(2, QRect());
  EXPECT_TRUE(Canvas() == before);
}

TEST_F(PaintingWindows, KeysMenuAndFamiliesListReachTheEditor) {
  BlockList() = {"0 1 1 0 B"};
  SelectWithShift({40, 40}, {40, 40});
  Type(Qt::Key_C, Qt::ControlModifier);
  Type(Qt::Key_PageUp);
  Type(Qt::Key_V, Qt::ControlModifier);
  Type(Qt::Key_R);
  EXPECT_EQ(BlockList(), (Strings{"0 1 1 0 B", "1 1 1 4 B"}));
  Type(Qt::Key_Z, Qt::ControlModifier);
  Type(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(BlockList(), (Strings{"0 1 1 0 B"}));

  // Ctrl + right click opens the menu on a cell, without a pick; its Fill fills from that cell.
  ChooseItem("C");
  QTest::mousePress(&Image(), Qt::RightButton, Qt::ControlModifier, {300, 240});
  auto* menu = Image().findChild<QMenu*>(QStringLiteral("FloorMenu"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(Label(), "C");
  EXPECT_EQ(State().MarkerColumn, 9);
  QStringList actions;
  for (QAction* action : menu->actions()) actions.append(action->text());
  EXPECT_EQ(actions, (QStringList{"Fill", "", "Copy", "Cut", "Paste", "Delete", "", "Turn",
                                  "Mirror X", "Mirror Y"}));
  menu->actions().front()->trigger();
  menu->close();
  EXPECT_EQ(BlockList().size(), 81u);
  Type(Qt::Key_Z, Qt::ControlModifier);

  // F4 shows the families; a family chosen there is painted; a palette click goes back.
  forms::TFamilies& families = Real().Families();
  Type(Qt::Key_F4);
  EXPECT_TRUE(families.isVisible());
  ASSERT_EQ(families.List->count(), 1);
  families.List->setCurrentRow(0);
  QTest::mouseClick(&Image(), Qt::LeftButton, {}, {40, 72});
  EXPECT_EQ(BlockList(), (Strings{"0 1 1 0 B", "1 1 2 0 B"}));
  QListWidget& palette = *Real().Form1().ListBox1;
  QTest::mouseClick(palette.viewport(), Qt::LeftButton, {},
                    palette.visualItemRect(palette.currentItem()).center());
  EXPECT_EQ(State().painting.family, -1);
  EXPECT_TRUE(families.List->selectedItems().isEmpty());
  EXPECT_TRUE(Errors().isEmpty());
}

}  // namespace
}  // namespace cw::testing
