// The windows as a new user meets them: the About box, the floor selector's arrows, the tool box
// brought back, the zoom, and the keys of the commands.
#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "forms/floor_view_form.h"
#include "forms/start_up.h"
#include "forms/tool_box_form.h"
#include "gui_support/editor_harness.h"
#include "real_windows.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

class Session : public EditorHarness {
 public:
  Session() : EditorHarness(kStandardBlocks, 320, 256, "", MakeRealWindows()) {}
  RealWindows& Real() { return static_cast<RealWindows&>(Windows()); }
  forms::TForm1& ToolBox() { return Real().Form1(); }
  forms::TForm2& FloorView() { return Real().Form2(); }
};

void Activate(QWidget& window) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(FitAndFinish, TheAboutBoxHasNoCaptionAFixedFrameAndClosesWithEscape) {
  Session session;
  forms::TForm3& about = *session.Real().Form3();
  EXPECT_EQ(about.windowTitle(), "");
  ASSERT_NE(about.windowHandle(), nullptr);
  EXPECT_EQ(about.windowHandle()->title(), " ");  // an empty title would show the program's name
  const Qt::WindowFlags flags = about.windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  Activate(about);
  QTest::keyClick(about.Memo1, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
}

TEST(FitAndFinish, TheFloorSelectorIsTwoArrowsThatStepByOne) {
  Session session;
  forms::UpDownControl& selector = *session.ToolBox().UpDown1;
  EXPECT_EQ(selector.geometry(), QRect(108, 328, 25, 41));
  EXPECT_TRUE(selector.findChildren<QLineEdit*>().isEmpty());
  EXPECT_EQ(selector.UpArrow()->arrowType(), Qt::UpArrow);
  EXPECT_EQ(selector.DownArrow()->arrowType(), Qt::DownArrow);
  EXPECT_EQ(selector.UpArrow()->geometry().united(selector.DownArrow()->geometry()),
            QRect(0, 0, 25, 41));
  QTest::mouseClick(selector.UpArrow(), Qt::LeftButton);
  EXPECT_EQ(session.FloorCaption(), "  Floor 1    NoName");
  selector.setFocus();
  QTest::keyClick(&selector, Qt::Key_PageUp);
  EXPECT_EQ(selector.value(), 2);
  QTest::keyClicks(&selector, "5");
  EXPECT_EQ(selector.value(), 2);
  for (int i = 0; i < 20; ++i) QTest::keyClick(&selector, Qt::Key_PageDown);
  EXPECT_EQ(selector.value(), -8);
  EXPECT_EQ(session.FloorCaption(), "  Floor -8    NoName");
}

TEST(FitAndFinish, F2InTheFloorViewBringsBackAClosedToolBox) {
  Session session;
  session.ToolBox().close();
  EXPECT_FALSE(session.ToolBox().isVisible());
  Activate(session.FloorView());
  QTest::keyClick(&session.FloorView(), Qt::Key_F2);
  EXPECT_TRUE(session.ToolBox().isVisible());
}

TEST(FitAndFinish, APlaceAtEveryZoomMakesTheRecordOfThePlaceAtOne) {
  for (int zoom = 1; zoom <= 4; ++zoom) {
    SCOPED_TRACE(zoom);
    Session session;
    const QImage before = session.Canvas().copy();
    session.FloorView().SetZoom(zoom, {0, 0});
    EXPECT_EQ(session.FloorView().Image1->size(), QSize(320 * zoom, 256 * zoom));
    EXPECT_EQ(session.Canvas(), before);  // the canvas itself is drawn as at 1
    // The screen pixel shows the canvas pixel under it, unsmoothed.
    const QImage shown = session.FloorView().Image1->grab().toImage();
    EXPECT_EQ(shown.pixel(37 * zoom + zoom - 1, 50 * zoom), before.pixel(37, 50));
    session.ChooseItem("B");
    // Canvas point (70, 40): cell (2, 1); in screen pixels anywhere in its square.
    QTest::mouseClick(session.FloorView().Image1, Qt::LeftButton, {},
                      QPoint(70 * zoom + zoom - 1, 40 * zoom));
    EXPECT_EQ(session.BlockList(), Strings{"0 2 1 0 B"});
  }
}

TEST(FitAndFinish, CtrlOSAndBRunTheCommandsFromEitherWindow) {
  Session session;
  Activate(session.ToolBox());
  session.AnswerNextDialog("works/keys.pwl");
  QTest::keyClick(&session.ToolBox(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(session.FloorCaption(), "  Floor 0    keys");
  Activate(session.FloorView());
  session.AnswerNextDialog("works/keys.map");
  QTest::keyClick(&session.FloorView(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(session.PostBuilds().size(), 1u);
  session.AnswerNextDialog("works/keys.pwl");
  QTest::keyClick(&session.FloorView(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(session.Requests().size(), 3u);
}

// The tool box's notice was cut to its fixed width; the floor view said nothing of the cell under
// the mouse.
TEST(FitAndFinish, TheNoticeFitsItsPlaceAndTheStatusLineNamesTheCellUnderTheMouse) {
  Session session;
  std::filesystem::remove_all(session.RecoveryFolder() / "recovery");
  WriteFileBytes(session.RecoveryFolder() / "recovery", "a file where the folder should be");
  session.ChooseItem("B");
  session.Click(Qt::LeftButton, {70, 40});
  QLabel& notice = *session.ToolBox().RecoveryWarning;
  ASSERT_TRUE(notice.isVisible());
  EXPECT_LE(notice.fontMetrics().horizontalAdvance(notice.text()), notice.width());
  EXPECT_TRUE(notice.toolTip().startsWith("The recovery file cannot be written: "));

  // The mouse over the canvas with no button held.
  const auto hover = [&](QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, session.FloorView().Image1->mapToGlobal(at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(session.FloorView().Image1, &move);
    return session.FloorView().StatusLine->text();
  };
  EXPECT_EQ(hover({70, 40}), "Floor 0, cell 2 1: B");
  EXPECT_EQ(hover({10, 200}), "Floor 0, cell 0 6");
}

}  // namespace
}  // namespace cw::testing
