// The editor's side of fit and finish: palette names kept as the bytes of their files, and the
// floor view repainted only when something was drawn.
#include <gtest/gtest.h>

#include "gui_support/editor_harness.h"

namespace cw::testing {
namespace {

using Strings = std::vector<std::string>;

TEST(FitAndFinish, APictureNamedInLatin1IsPlacedSavedLoadedAndBuiltWithTheSameBytes) {
  const std::string name = "For\xEAt";  // "Forêt" in Latin-1: not UTF-8
  EditorHarness session({"Empty", "B"});
  session.WriteTestPicture(name);
  WriteFileBytes(session.Folder() / (name + ".map"),
                 CrLfLines({"{", "\"classname\" \"worldspawn\"", "// the forest", "}"}));
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.PaletteItems().contains(QString::fromUtf8("Forêt")));
  session.ChooseItem(QString::fromUtf8("Forêt"));
  session.Click(Qt::LeftButton, {40, 40});
  EXPECT_EQ(session.BlockList(), Strings{"0 1 1 0 " + name});
  EXPECT_TRUE(CellShows(session.CanvasWithoutMarker(), 1, 1, OrientedTestPicture(name, 0)));
  session.Save("works/forest.pwl");
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "forest.pwl"), "0 1 1 0 " + name + "\r\n");
  session.BlockList().clear();
  session.Load("works/forest.pwl");
  session.Click(Qt::RightButton, {40, 40});
  EXPECT_EQ(session.SelectedItem(), QString::fromUtf8("Forêt"));
  EXPECT_EQ(session.Label(), QString::fromUtf8("Forêt"));
  session.Build("works/forest.map");
  EXPECT_EQ(ReadFileBytes(session.Folder() / "works" / "forest.map"),
            CrLfLines({"{", "\"classname\" \"worldspawn\"", "// 0 1 1 0 " + name, "// the forest",
                       "}", "// 0 1 1 0 " + name}));
  EXPECT_TRUE(session.Errors().empty());
}

TEST(FitAndFinish, ABareMoveOfTheMouseRepaintsNothing) {
  EditorHarness session(kStandardBlocks);
  const int repaints = session.Views().Repaints();
  session.Move({100, 100});
  session.Move({120, 130});
  EXPECT_EQ(session.Views().Repaints(), repaints);
  // A move that draws, the rubber band of a link drag, repaints.
  session.SetLinkMode(true);
  session.Press(Qt::LeftButton, {10, 10});
  const int dragging = session.Views().Repaints();
  session.Move({100, 100});
  EXPECT_EQ(session.Views().Repaints(), dragging + 1);
}

}  // namespace
}  // namespace cw::testing
