#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "editor/block_picture.h"
#include "editor/marker.h"
#include "editor/orient_picture.h"
#include "gui_support/editor_test.h"

namespace cw::editor {
namespace {

using namespace cw::testing;

class RedrawFloorTest : public EditorTest {
 protected:
  void SetUp() override {
    WriteStandardPictures();
    ASSERT_TRUE(Start());
  }
  void Redraw(std::vector<std::string> blocks) {
    BlockList() = std::move(blocks);
    Editor().RedrawFloor();
  }
};

TEST_F(RedrawFloorTest, AFloorWithoutBlocksShowsTilesAndTheSnapshotHoldsNoMarker) {
  Redraw({"1 0 0 0 A", "-1 2 2 0 B"});
  for (int y = 0; y < 1024; y += 3)
    for (int x = 0; x < 1024; x += 3) ASSERT_EQ(Canvas().pixel(x, y), CanvasColour(1));
  EXPECT_EQ(State().FloorSnapshot, Canvas());
}

TEST_F(RedrawFloorTest, DrawsTheBlocksOfTheCurrentFloorTurnedByTheirFlags) {
  SetFloor(3);
  Redraw({"3 0 0 0 A", "3 2 1 4 A", "3 5 5 7 A", "0 1 0 0 B", "2 1 0 0 B", "3 31 31 3 A"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 0, 0, blockA));
  EXPECT_TRUE(ShowsPicture(Canvas(), 64, 32, OrientedByTable(blockA, 4)));
  EXPECT_TRUE(ShowsPicture(Canvas(), 160, 160, OrientedByTable(blockA, 7)));
  EXPECT_TRUE(ShowsPicture(Canvas(), 992, 992, OrientedByTable(blockA, 3)));
  EXPECT_TRUE(ShowsPicture(Canvas(), 32, 0, empty));  // B stands on other floors only
  EXPECT_EQ(State().FloorSnapshot, Canvas());
}

TEST_F(RedrawFloorTest, NamesWithoutAPaletteItemShowTheUnknownPicture) {
  // Not in the palette, differing in case only, the name of the empty item, and "Unknown" itself.
  Redraw({"0 0 0 0 Missing", "0 1 0 0 a", "0 2 0 0 Empty", "0 3 0 0 Unknown", "0 4 0 6 Nope"});
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(column);
    EXPECT_TRUE(ShowsPicture(Canvas(), 32 * column, 0, unknown));
  }
  const IndexedPicture numbered = NumberedPicture(32, 32);
  WritePicture("Unknown", numbered);
  Editor().RedrawFloor();
  EXPECT_TRUE(ShowsPicture(Canvas(), 128, 0, OrientedByTable(numbered, 6)));
}

TEST_F(RedrawFloorTest, TheLaterRecordOfACellIsTheOneSeen) {
  Redraw({"0 1 1 0 A", "0 1 1 0 B"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 32, 32, blockB));
  Redraw({"0 1 1 0 B", "0 1 1 0 A"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 32, 32, blockA));
}

TEST_F(RedrawFloorTest, PicturesOfOtherSizesOverlapOrLeaveTheTileVisible) {
  const IndexedPicture big = SolidPicture(40, 36, 9);
  const IndexedPicture small = SolidPicture(10, 20, 8);
  WritePicture("Big", big);
  WritePicture("Small", small);
  ASSERT_TRUE(Start());  // the palette is read at start-up
  Redraw({"0 0 0 0 Big", "0 1 1 0 Small", "0 3 0 0 Small", "0 31 31 0 Big"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 0, 0, SolidPicture(32, 32, 9)));
  EXPECT_EQ(Canvas().pixel(39, 31), CanvasColour(9));  // over the next cell to the right
  EXPECT_EQ(Canvas().pixel(40, 31), CanvasColour(1));
  EXPECT_EQ(Canvas().pixel(32, 32), CanvasColour(8));  // the later small picture on top
  EXPECT_EQ(Canvas().pixel(41, 51), CanvasColour(8));
  EXPECT_EQ(Canvas().pixel(42, 51), CanvasColour(1));  // the tile beside and below it
  EXPECT_EQ(Canvas().pixel(41, 52), CanvasColour(1));
  EXPECT_EQ(Canvas().pixel(1023, 1023), CanvasColour(9));  // cut at the canvas's edge
}

// The whole canvas against the plain way of drawing it: every whole cell tiled, then each block's
// turned picture in list order; the strips beside the whole cells keep their pixels.
TEST_F(RedrawFloorTest, ACanvasOfPartCellsIsDrawnAsTilesThenBlocksInListOrder) {
  WriteFileBytes(Folder() / "PellEd.ini", CrLfLines({"[Area]", "Ax=1000", "Ay=700"}));
  ASSERT_TRUE(Start());
  const auto turned = [&](const char* name, int flags) {
    QImage picture(QString::fromStdString(File(std::string(name) + ".bmp")));
    OrientPicture(picture, flags);
    return OpaquePicture(picture);
  };
  // Start-up left the strips white.
  QImage expected = Canvas().copy();
  const QImage tile = turned("Empty", 0);
  for (int row = 0; row < 700 / 32; ++row)
    for (int column = 0; column < 1000 / 32; ++column)
      DrawPicture(expected, tile, 32 * column, 32 * row);
  std::vector<std::string> records;  // the same cell twice, the strips, off the canvas
  for (auto [column, row, flags, name] : {std::tuple{1, 1, 0, "A"},
                                          {1, 1, 5, "B"},
                                          {31, 3, 2, "A"},
                                          {4, 21, 6, "A"},
                                          {31, 21, 1, "A"},
                                          {32, 0, 0, "A"},
                                          {0, 22, 0, "B"},
                                          {7, 7, -3, "A"},
                                          {9, 9, 7, "A"}}) {
    records.push_back("0 " + std::to_string(column) + " " + std::to_string(row) + " " +
                      std::to_string(flags) + " " + name);
    DrawPicture(expected, turned(name, flags), 32 * column, 32 * row);
  }
  Redraw(records);
  EXPECT_TRUE(Canvas() == expected);
  EXPECT_TRUE(State().FloorSnapshot == Canvas());
}

TEST_F(RedrawFloorTest, RecordsThatDoNotParseOrLieOutsideTheCanvasDrawNothing) {
  Redraw({"", "0 1", "garbage", "0 -1 0 0 A", "0 0 -1 0 A", "0 40 0 0 A", "0 99999999 0 0 A",
          "0 -2147483648 -2147483648 0 A", "0 2 2 0 A"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 64, 64, blockA));
  for (int y = 0; y < 1024; y += 4)
    for (int x = 0; x < 1024; x += 4) {
      if (x < 64 || x >= 96 || y < 64 || y >= 96) {
        ASSERT_EQ(Canvas().pixel(x, y), CanvasColour(1)) << x << ", " << y;
      }
    }
}

TEST_F(RedrawFloorTest, APictureChangedOnDiskShowsAtTheNextRedraw) {
  Redraw({"0 0 0 0 B"});
  EXPECT_TRUE(ShowsPicture(Canvas(), 0, 0, blockB));
  WritePicture("B", SolidPicture(32, 32, 4));
  Editor().RedrawFloor();
  EXPECT_TRUE(ShowsPicture(Canvas(), 0, 0, SolidPicture(32, 32, 4)));
  WritePicture("Empty", SolidPicture(32, 32, 5));
  Editor().RedrawFloor();
  EXPECT_EQ(Canvas().pixel(40, 40), CanvasColour(5));
}

TEST_F(RedrawFloorTest, AMissingPictureIsDrawnAsUnknownAndToldOnce) {
  std::filesystem::remove(Folder() / "B.bmp");
  Editor().RunHandler([&] { Redraw({"0 1 0 0 A", "0 2 0 2 B", "0 3 0 0 A"}); });
  EXPECT_TRUE(ShowsPicture(Canvas(), 32, 0, blockA));
  EXPECT_TRUE(ShowsPicture(Canvas(), 64, 0, OrientedByTable(unknown, 2)));
  EXPECT_TRUE(ShowsPicture(Canvas(), 96, 0, blockA));  // the records after it too
  EXPECT_EQ(State().FloorSnapshot, Canvas());          // and the snapshot is taken
  ASSERT_EQ(Errors().size(), 1);
  EXPECT_TRUE(Errors().front().startsWith("The picture B.bmp cannot be loaded"));
  Editor().RunHandler([&] { Editor().RedrawFloor(); });
  EXPECT_EQ(Errors().size(), 1);
  // Without the Unknown picture either, such blocks are left out: the tile shows.
  std::filesystem::remove(Folder() / "Unknown.bmp");
  Editor().RunHandler([&] { Editor().RedrawFloor(); });
  EXPECT_TRUE(ShowsPicture(Canvas(), 64, 0, empty));
  EXPECT_TRUE(ShowsPicture(Canvas(), 96, 0, blockA));
  EXPECT_EQ(Errors().size(), 2);
  EXPECT_TRUE(Errors().back().startsWith("The picture Unknown.bmp cannot be loaded"));
}

TEST_F(RedrawFloorTest, FillBackgroundLeavesTheMarkerAndSnapshotAlone) {
  Click(Qt::MiddleButton, {100, 100});  // the marker on cell (3, 3)
  const QImage snapshot = State().FloorSnapshot;
  Editor().FillBackground();
  EXPECT_EQ(Canvas().pixel(112, 112 - 22), CanvasColour(1));
  EXPECT_EQ(State().FloorSnapshot, snapshot);
}

}  // namespace
}  // namespace cw::editor
