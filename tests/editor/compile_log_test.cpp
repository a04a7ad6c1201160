// Build's compile log: the check and the compiler's warnings with their cells, the batch's
// output line by line while the editor goes on, its status, the cell of a line that names a map
// line, and the leak drawn from the compiler's point file until the next Build.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <string>

#include "editor/leak_overlay.h"
#include "editor/link_drawing.h"
#include "gui_support/editor_harness.h"
#include "support/test_files.h"

namespace cw::testing {
namespace {

constexpr const char* kBrush =
    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 0 ) ( 0 64 0 ) ( 64 64 0 ) W 0 0 0 1 1\n}\n}\n";
constexpr const char* kStart =
    "{\n\"classname\" \"worldspawn\"\n{\n( 0 0 8 ) ( 0 64 8 ) ( 64 64 8 ) W 0 0 0 1 1\n}\n}\n"
    "{\n\"classname\" \"info_player_start\"\n\"targetname\" \"t0\"\n}\n";

class CompileLogTest : public ::testing::Test, public EditorHarness {
 protected:
  CompileLogTest() : EditorHarness(kStandardBlocks) {
    WriteFileBytes(Folder() / "B.map", kBrush);
    WriteFileBytes(Folder() / "C.map", kStart);
    // B on floor 0 writes map lines 3 to 6, C on floor 1 lines 7 to 10, the link's relay 14 on.
    BlockList() = {"0 2 1 0 B", "1 3 2 0 C"};
    LinkList() = {"1 3 2 0 2 1"};
  }

  // The log from its first line whose text begins with `from`: each line's text and the cell
  // it shows in brackets.
  std::string LogFrom(const std::string& from) {
    std::string out;
    bool on = false;
    for (const editor::CompileLogLine& line : Editor().Log().Lines()) {
      on = on || line.text.rfind(from, 0) == 0;
      if (!on) continue;
      out += line.text;
      if (!line.cellText.empty()) out += "  [" + line.cellText + "]";
      out += "\n";
    }
    return out;
  }

  std::size_t LineIndex(const std::string& start) {
    const auto& lines = Editor().Log().Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].text.rfind(start, 0) == 0) return i;
    }
    ADD_FAILURE() << "no log line begins with " << start;
    return lines.size();
  }
};

TEST_F(CompileLogTest, TheBatchsLinesComeWhileTheEditorGoesOnAndNameTheirCells) {
  WriteFileBytes(Folder() / "PellPost.BAT",
                 "echo \"qbsp $1\"\n"
                 "echo \"WARNING: $2/$1.map[line 5]: Brush plane with no normal\" >&2\n"
                 "sleep 1\n"
                 "echo 'Line 20 is incomplete'\n"
                 "printf '*** WARNING 03: line 14: Brush with duplicate plane\\r\\nno line end'\n"
                 "exit 3\n");
  WatchPostBuild();
  Build("works/level.map");
  EXPECT_EQ(PostBuilds(), std::vector<std::string>{File("works/level.map")});
  ASSERT_TRUE(Editor().BatchRunning());
  // The editor handles the user's events while the batch sleeps.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Editor().BatchRunning() && std::chrono::steady_clock::now() < until) {
    // Once the first lines are in, the user changes floors while the batch sleeps.
    if (Floor() == 0 && !LogFrom("WARNING:").empty()) Key(Qt::Key_PageUp);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  EXPECT_EQ(Floor(), 1);
  EXPECT_EQ(FloorCaption(), "  Floor 1    NoName");
  ASSERT_TRUE(WaitForBatch());
  EXPECT_EQ(
      LogFrom("map written"),
      "map written: 23 lines\n"
      "PellPost.BAT started\n"
      "qbsp level\n"
      "WARNING: " +
          File("works") +
          "/level.map[line 5]: Brush plane with no normal  [floor 0, cell 2 1, block \"0 2 "
          "1 0 B\"]\n"
          "Line 20 is incomplete  [floor 1, cell 3 2, the relay of the link \"1 3 2 0 2 "
          "1\"]\n"
          "*** WARNING 03: line 14: Brush with duplicate plane  [floor 1, cell 3 2, block \"1 "
          "3 2 0 C\"]\n"
          "no line end\n"
          "PellPost.BAT finished with status 3\n");
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join('\n').toStdString();

  // A click on a line that names a map line shows its cell on its floor.
  SetFloor(-3);
  Editor().ClickLogLine(LineIndex("WARNING:"));
  EXPECT_EQ(Floor(), 0);
  EXPECT_EQ(FloorCaption(), "  Floor 0    NoName");
  EXPECT_EQ(State().MarkerColumn, 2);
  EXPECT_EQ(State().MarkerRow, 1);
  // The floor is drawn as a floor change draws it, the marker once at its new cell.
  EXPECT_EQ(CanvasWithoutMarker(), State().FloorSnapshot);
  EXPECT_NE(Canvas(), State().FloorSnapshot);
  Editor().ClickLogLine(LineIndex("Line 20"));
  EXPECT_EQ(Floor(), 1);
  EXPECT_EQ(State().MarkerColumn, 3);
  EXPECT_EQ(State().MarkerRow, 2);
  // A line without a cell changes nothing.
  Editor().ClickLogLine(LineIndex("qbsp level"));
  EXPECT_EQ(Floor(), 1);
  EXPECT_EQ(State().MarkerColumn, 3);
}

TEST_F(CompileLogTest, TheCompilersWarningsComeFirstThenTheCheck) {
  const std::string kTextureFinding =
      "floor 0, cell 2 1: the face texture \"W\" of \"B\" is found nowhere: in no WAD of the wad "
      "key, and no textures/W.wal, textures/W.m8, base/textures/W.m8\n";
  const std::string kLinkFinding =
      "floor 1, cell 3 2: the link \"1 3 2 0 2 1\" ends at floor 0, cell 2 1, whose block has no "
      "entity named t0; it fires nothing\n";
  BlockList().push_back("0 0 3 0 Gone");
  BlockList().push_back("bad record");
  Build("works/level.map");
  EXPECT_EQ(
      LogFrom("Build of"),
      "Build of NoName into " + File("works/level.map") +
          "\n"
          "floor 0, cell 0 3: Gone.map: No such file or directory; blocks named \"Gone\" get no "
          "brushes or entities\n"
          "block record 4 \"bad record\" does not parse; only its comment lines are written\n" +
          kTextureFinding +
          "floor 0, cell 0 3: no picture \"Gone.bmp\"; the floor view shows it as Unknown\n" +
          kLinkFinding +
          "Quake budget: brushes 2 of 4096\n"
          "Quake budget: brush models 1 of 256\n"
          "Quake budget: entities 3 of 600\n"
          "Quake budget: faces at least 2 of 65535\n"
          "Quake budget: planes at least 2 of 32767\n"
          "Check: 4 problems, 1 warning\n"
          "map written: 27 lines\n"
          "PellPost.BAT started; its output cannot be watched here\n");
  // Check alone tells everything, the missing template of each block among it.
  Editor().ClickCheck();
  EXPECT_EQ(
      LogFrom("Check of"),
      "Check of NoName\n" + kTextureFinding +
          "floor 0, cell 0 3: no block template \"Gone.map\"; the block gets no brushes or "
          "entities\n"
          "floor 0, cell 0 3: no picture \"Gone.bmp\"; the floor view shows it as Unknown\n"
          "block record 4 \"bad record\" does not parse; only its comment lines are written\n" +
          kLinkFinding +
          "Quake budget: brushes 2 of 4096\n"
          "Quake budget: brush models 1 of 256\n"
          "Quake budget: entities 3 of 600\n"
          "Quake budget: faces at least 2 of 65535\n"
          "Quake budget: planes at least 2 of 32767\n"
          "Check: 4 problems, 1 warning\n");
  // The map that cannot be written: one error box, the log says why, and no batch.
  Build("missing/level.map");
  EXPECT_EQ(Errors().size(), 1);
  EXPECT_EQ(Editor().Log().Lines().back().text,
            "the map was not written: " + Errors().front().toStdString() +
                "; PellPost.BAT was not started");
  EXPECT_EQ(PostBuilds().size(), 1u);
}

TEST_F(CompileLogTest, ALeakIsDrawnFloorByFloorUntilTheNextBuild) {
  // The leak runs from the middle of cell 1 0 on floor 0 east and south, then up to floor 1.
  WriteFileBytes(
      Folder() / "PellPost.BAT",
      "printf '144 -80 16\\n400 -80 16\\n400 -208 16\\n400 -208 200\\n' > \"$2/$1.pts\"\n"
      "echo \"leaked\"\n");
  WatchPostBuild();
  Build("works/level.map");
  ASSERT_TRUE(WaitForBatch());
  EXPECT_EQ(LogFrom("leaked"),
            "leaked\n"
            "PellPost.BAT finished with status 0\n"
            "floor 0, cell 1 1: the map " +
                File("works/level.map") + " of the level NoName leaks from here; " +
                File("works/level.pts") +
                " holds its path of 4 points, drawn on floors 0, 1 until the next Build\n");
  const auto& lines = Editor().Log().Lines();
  ASSERT_TRUE(lines.back().cell);
  EXPECT_EQ(*lines.back().cell, (document::Cell{0, 1, 1}));
  // The 3D view draws the same path in map units.
  EXPECT_EQ(Editor().LeakPath(),
            (std::vector<compiler::MapPoint>{
                {144, -80, 16}, {400, -80, 16}, {400, -208, 16}, {400, -208, 200}}));

  const std::vector<compiler::FloorViewPoint> path = {
      {0, 52, 36, 1, 1}, {0, 116, 36, 3, 1}, {0, 116, 68, 3, 2}, {1, 116, 68, 3, 2}};
  auto expectLeakOn = [&](int floor) {
    QImage expected = State().FloorSnapshot.copy();
    if (State().drag.LinkDragActive || State().linkMode) {
      editor::DrawLinkOverlay(expected, CanvasFont(), LinkList(), floor);
    }
    editor::DrawLeakPath(expected, path, floor);
    EXPECT_EQ(CanvasWithoutMarker(), expected) << "floor " << floor;
    EXPECT_NE(expected, State().FloorSnapshot);
  };
  expectLeakOn(0);
  EXPECT_EQ(Canvas().pixel(52, 36), editor::kLeakColour);
  Key(Qt::Key_PageUp);
  expectLeakOn(1);
  // Link mode draws the links under it; the snapshot still holds the blocks alone.
  SetLinkMode(true);
  expectLeakOn(1);
  SetLinkMode(false);
  Key(Qt::Key_PageDown);
  expectLeakOn(0);

  // The next Build removes it; this batch writes no point file, and the old one is older than
  // the new map.
  WriteFileBytes(Folder() / "PellPost.BAT", "echo clean\n");
  std::filesystem::last_write_time(
      Folder() / "works" / "level.pts",
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  Build("works/level.map");
  EXPECT_EQ(CanvasWithoutMarker(), State().FloorSnapshot);
  EXPECT_TRUE(Editor().LeakPath().empty());
  ASSERT_TRUE(WaitForBatch());
  EXPECT_EQ(Editor().Log().Lines().back().text, "PellPost.BAT finished with status 0");
  Key(Qt::Key_PageUp);
  EXPECT_EQ(CanvasWithoutMarker(), State().FloorSnapshot);
}

TEST_F(CompileLogTest, ALoadForgetsTheLeakOfTheLastBuildAndItsUndoDoesNotBringItBack) {
  WriteFileBytes(Folder() / "PellPost.BAT",
                 "printf '144 -80 16\\n400 -80 16\\n' > \"$2/$1.pts\"\n");
  WatchPostBuild();
  Build("works/level.map");
  ASSERT_TRUE(WaitForBatch());
  ASSERT_NE(CanvasWithoutMarker(), State().FloorSnapshot);  // the leak is drawn
  Load("works/other.pwl");
  EXPECT_EQ(CanvasWithoutMarker(), State().FloorSnapshot);
  Editor().Undo();
  EXPECT_EQ(BlockList(), (std::vector<std::string>{"0 2 1 0 B", "1 3 2 0 C"}));
  EXPECT_EQ(CanvasWithoutMarker(), State().FloorSnapshot);
}

#ifndef _WIN32
// Build while the last batch still ran started a second compiler on the same map.
TEST_F(CompileLogTest, BuildWhileTheBatchRunsAsksAndStopEndsItWithTheToolsItStarted) {
  WriteFileBytes(Folder() / "PellPost.BAT",
                 "sleep 30 &\necho $! > \"$2/tool.pid\"\necho started\nwait\n");
  WatchPostBuild();
  Build("works/level.map");
  ASSERT_TRUE(Editor().BatchRunning());
  while (LogFrom("started").empty()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  const std::string tool = ReadFileBytes(Folder() / "works" / "tool.pid");
  AnswerNextQuestion(2);  // Cancel: nothing happens
  Build("works/level.map");
  EXPECT_EQ(Requests().size(), 1u);
  EXPECT_TRUE(Editor().BatchRunning());
  EXPECT_EQ(Questions().size(), 1);
  EXPECT_TRUE(Questions().front().startsWith("PellPost.BAT of the last Build still runs."));
  // Stop from the log: the batch and the tool it started end, and the log says so.
  Editor().ClickStopBatch();
  ASSERT_TRUE(WaitForBatch());
  EXPECT_EQ(LogFrom("PellPost.BAT was stopped"),
            "PellPost.BAT was stopped, with every tool it started\n"
            "PellPost.BAT was ended by signal 15\n");
  // The signal reached the tool too: it ends (a zombie until init reaps it, or gone).
  const std::filesystem::path stat = "/proc/" + tool.substr(0, tool.find('\n')) + "/stat";
  std::string state;
  for (int i = 0; i < 200; ++i) {
    std::error_code gone;
    if (!std::filesystem::exists(stat, gone)) break;
    state = ReadFileBytes(stat);
    if (state.find(") Z ") != std::string::npos) break;
    QThread::msleep(10);
  }
  EXPECT_TRUE(!std::filesystem::exists(stat) || state.find(") Z ") != std::string::npos) << state;
}
#endif

TEST(CompileLogStart, APellEdIniThatCannotBeUsedIsToldInTheToolBoxAndTheLog) {
  EditorHarness session;
  session.WriteTestPicture("Empty");
  std::filesystem::create_directory(session.Folder() / "PellEd.ini");
  ASSERT_TRUE(session.Start());
  ASSERT_EQ(session.State().notices.size(), 1u);
  EXPECT_EQ(session.State().notices[0].title, "PellEd.ini not used");
  ASSERT_EQ(session.Editor().Log().Lines().size(), 1u);
  EXPECT_EQ(session.Editor().Log().Lines()[0].text, session.State().notices[0].text.toStdString());
  EXPECT_TRUE(session.Editor().Log().Lines()[0].text.ends_with(
      "PellEd.ini: Is a directory; the default settings are used"));
}

}  // namespace
}  // namespace cw::testing
