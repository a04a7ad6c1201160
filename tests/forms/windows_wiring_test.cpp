// The program's own widgets reach the editor as the user works them: palette choices by mouse and
// keyboard, the selector's arrows, keys in a scrolled floor view, and canvas positions whatever
// the scroll.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "forms/floor_view_form.h"
#include "forms/tool_box_form.h"
#include "gui_support/editor_harness.h"
#include "real_windows.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

// The program's windows over a canvas of that size.
class Session : public EditorHarness {
 public:
  explicit Session(const std::vector<std::string>& blocks = kStandardBlocks, int width = 320,
                   int height = 256)
      : EditorHarness(blocks, width, height, "", MakeRealWindows()) {}
  forms::TForm1& ToolBox() { return static_cast<RealWindows&>(Windows()).Form1(); }
  forms::TForm2& FloorView() { return static_cast<RealWindows&>(Windows()).Form2(); }
};

TEST(WindowsWiring, ThePaletteIsChosenWithTheMouseAndTheKeyboard) {
  Session session;
  QListWidget& palette = *session.ToolBox().ListBox1;
  const QRect place = palette.visualItemRect(palette.findItems("B", Qt::MatchExactly).front());
  session.ToolBox().CheckBox1->setChecked(true);
  QTest::mouseClick(palette.viewport(), Qt::LeftButton, {}, place.center());
  EXPECT_EQ(session.Label(), "B");
  EXPECT_FALSE(session.ToolBox().CheckBox1->isChecked());  // the click cleared the boxes
  EXPECT_EQ(session.Preview(), OrientedTestPicture("B", 0));
  QTest::keyClick(&palette, Qt::Key_Down);
  EXPECT_EQ(session.Label(), "C");
  EXPECT_EQ(session.Preview(), OrientedTestPicture("C", 0));
  QTest::keyClick(&palette, Qt::Key_Home);
  EXPECT_EQ(session.Label(), "");
  EXPECT_TRUE(session.Errors().empty());
}

TEST(WindowsWiring, SelectorArrowsRedrawOnlyOnARealChange) {
  Session session;
  forms::UpDownControl& selector = *session.ToolBox().UpDown1;
  selector.stepBy(1);
  EXPECT_EQ(session.FloorCaption(), "  Floor 1    NoName");
  selector.setValue(7);
  const int repaints = session.Views().Repaints();
  selector.stepBy(1);  // the up arrow at the top does nothing at all
  EXPECT_EQ(selector.value(), 7);
  EXPECT_EQ(session.Views().Repaints(), repaints);
  selector.stepBy(-1);
  EXPECT_EQ(session.Views().Repaints(), repaints + 1);
  EXPECT_EQ(session.FloorCaption(), "  Floor 6    NoName");
}

TEST(WindowsWiring, OtherKeysDoNothingAndTheScrollAreaKeepsItsPlace) {
  Session session({"Empty"}, 1024, 1024);
  session.FloorView().resize(200, 200);
  QScrollBar& vertical = *session.FloorView().ScrollArea->verticalScrollBar();
  vertical.setValue(300);
  const int repaints = session.Views().Repaints();
  for (const Qt::Key key : {Qt::Key_Up, Qt::Key_A, Qt::Key_Home}) {
    session.Key(key);
    EXPECT_EQ(session.Floor(), 0);
  }
  EXPECT_EQ(session.Views().Repaints(), repaints);
  vertical.setValue(300);
  session.Key(Qt::Key_PageDown);
  EXPECT_EQ(session.Floor(), -1);
  EXPECT_EQ(vertical.value(), 300);
}

TEST(WindowsWiring, PositionsAreCanvasPixelsWhateverTheScroll) {
  Session session({"Empty", "B"}, 1024, 1024);
  session.FloorView().resize(200, 200);
  session.FloorView().ScrollArea->horizontalScrollBar()->setValue(600);
  session.FloorView().ScrollArea->verticalScrollBar()->setValue(700);
  session.ChooseItem("B");
  session.Click(Qt::LeftButton, {650, 730});
  EXPECT_EQ(session.BlockList(), Strings{"0 20 22 0 B"});
}

TEST(WindowsWiring, CtrlZAndCtrlYUndoAndRedoInEitherWindow) {
  Session session;
  session.ChooseItem("B");
  session.Click(Qt::LeftButton, {40, 40});
  for (QWidget* window :
       {static_cast<QWidget*>(&session.FloorView()), static_cast<QWidget*>(&session.ToolBox())}) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(session.BlockList().empty());
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(session.BlockList(), Strings{"0 1 1 0 B"});
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left
    EXPECT_EQ(session.BlockList(), Strings{"0 1 1 0 B"});
  }
}

TEST(WindowsWiring, ClosingTheFloorViewWithUnsavedChangesAsks) {
  Session session;
  session.ChooseItem("B");
  session.Click(Qt::LeftButton, {40, 40});
  session.AnswerNextSaveQuestion(editor::SaveAnswer::kCancel);
  EXPECT_FALSE(session.FloorView().close());
  EXPECT_TRUE(session.FloorView().isVisible());
  session.AnswerNextSaveQuestion(editor::SaveAnswer::kDiscard);
  EXPECT_TRUE(session.FloorView().close());
  EXPECT_EQ(session.SaveQuestions().size(), 2);
}

}  // namespace
}  // namespace cw::testing
