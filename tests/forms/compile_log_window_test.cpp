// The compile log window: opened by Build, its lines as the log holds them, a click on a line
// that shows its cell, and the ways to Check and to the log beside the fixed tool box.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>

#include "forms/compile_log_form.h"
#include "gui_support/editor_harness.h"
#include "real_windows.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

class CompileLogWindowTest : public ::testing::Test, public EditorHarness {
 protected:
  CompileLogWindowTest() : EditorHarness(kStandardBlocks, 320, 256, "", MakeRealWindows()) {
    WriteFileBytes(
        Folder() / "B.map",
        "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"info_player_start\"\n}\n");
    BlockList() = {"0 0 0 0 B", "2 3 1 0 Gone"};
  }
  RealWindows& Real() { return static_cast<RealWindows&>(Windows()); }
  forms::TCompileLog& LogWindow() { return Real().CompileLog(); }

  QStringList Shown() {
    QStringList rows;
    for (int i = 0; i < LogWindow().Lines->count(); ++i)
      rows.append(LogWindow().Lines->item(i)->text());
    return rows;
  }
  QStringList Expected() {
    QStringList rows;
    for (const editor::CompileLogLine& line : Editor().Log().Lines())
      rows.append(editor::DisplayText(line));
    return rows;
  }
};

TEST_F(CompileLogWindowTest, BuildOpensTheLogAndAClickShowsTheCellOfALine) {
  EXPECT_FALSE(LogWindow().isVisible());
  Build("works/level.map");
  EXPECT_TRUE(LogWindow().isVisible());
  EXPECT_EQ(LogWindow().windowTitle(), "Compile log");
  EXPECT_EQ(LogWindow().parentWidget(), &Real().Form2());
  EXPECT_EQ(Shown(), Expected());
  EXPECT_TRUE(Shown().front().endsWith(QStringLiteral("  Build of NoName into ") +
                                       QString::fromStdString(File("works/level.map"))));

  // The compiler's warning about Gone names floor 2, cell 3 1.
  int row = -1;
  for (int i = 0; i < LogWindow().Lines->count(); ++i) {
    if (LogWindow().Lines->item(i)->text().contains("floor 2, cell 3 1: Gone.map")) row = i;
  }
  ASSERT_GE(row, 0) << Shown().join('\n').toStdString();
  QListWidgetItem* item = LogWindow().Lines->item(row);
  LogWindow().Lines->scrollToItem(item);
  QTest::mouseClick(LogWindow().Lines->viewport(), Qt::LeftButton, {},
                    LogWindow().Lines->visualItemRect(item).center());
  EXPECT_EQ(Real().Form1().UpDown1->value(), 2);
  EXPECT_EQ(FloorCaption(), "  Floor 2    NoName");
  EXPECT_EQ(State().MarkerColumn, 3);
  EXPECT_EQ(State().MarkerRow, 1);

  // A new command starts the window's list anew.
  QTest::mouseClick(LogWindow().CheckButton, Qt::LeftButton);
  EXPECT_EQ(Shown(), Expected());
  EXPECT_TRUE(Shown().front().endsWith("  Check of NoName"));
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(CompileLogWindowTest, CheckAndTheLogAreReachedByKeysAndByTheBuildButtonsMenu) {
  // Ctrl+K in the tool box checks; the window opens with it. Shortcuts need an active window.
  Real().Form1().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Real().Form1(), 2000));
  QTest::keyClick(&Real().Form1(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_FALSE(Editor().Log().Lines().empty());
  EXPECT_EQ(Editor().Log().Lines().front().text, "Check of NoName");
  EXPECT_TRUE(LogWindow().isVisible());
  // Ctrl+L in the floor view opens it again once closed.
  LogWindow().close();
  EXPECT_FALSE(LogWindow().isVisible());
  Real().Form2().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Real().Form2(), 2000));
  QTest::keyClick(Real().Form2().ScrollArea, Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(LogWindow().isVisible());
  EXPECT_EQ(Shown(), Expected());

  // The Build button keeps its caption and place, and offers both in its context menu, with the
  // 3D view.
  QPushButton& build = *Real().Form1().Button6;
  EXPECT_EQ(build.text(), "Build");
  EXPECT_EQ(build.geometry(), QRect(96, 8, 41, 25));
  EXPECT_EQ(build.contextMenuPolicy(), Qt::CustomContextMenu);
  auto* menu = build.findChild<QMenu*>(QStringLiteral("BuildMenu"));
  ASSERT_NE(menu, nullptr);
  QStringList actions;
  for (QAction* action : menu->actions()) actions.append(action->text());
  EXPECT_EQ(actions, (QStringList{"Check", "Compile log", "3D view"}));
  LogWindow().close();
  menu->actions().at(1)->trigger();
  EXPECT_TRUE(LogWindow().isVisible());
  BlockList().push_back("0 1 1 0 Nothing");
  menu->actions().at(0)->trigger();
  EXPECT_NE(Shown().join('\n').indexOf("floor 0, cell 1 1: no block template \"Nothing.map\""), -1);
  // Build without a dialog answer is cancelled: nothing changes in the log.
  const QStringList before = Shown();
  QTest::mouseClick(LogWindow().BuildButton, Qt::LeftButton);
  EXPECT_EQ(Requests().size(), 1u);
  EXPECT_EQ(Shown(), before);
}

}  // namespace
}  // namespace cw::testing
