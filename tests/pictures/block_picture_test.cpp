#include "pictures/block_picture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "formats/map_text.h"

namespace cw::pictures {
namespace {

std::string BoxBrush(int x1, int x2, int y1, int y2, int z1, int z2, const std::string& texture) {
  auto p = [](int x, int y, int z) {
    return "( " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " ) ";
  };
  std::string t = texture + " 0 0 0 1 1\n";
  return "{\n" + p(x1, y1, z2) + p(x2, y1, z1) + p(x1, y1, z1) + t + p(x2, y1, z2) + p(x2, y2, z1) +
         p(x2, y1, z1) + t + p(x2, y2, z2) + p(x1, y2, z1) + p(x2, y2, z1) + t + p(x1, y2, z2) +
         p(x1, y1, z1) + p(x1, y2, z1) + t + p(x2, y2, z2) + p(x2, y1, z2) + p(x1, y1, z2) + t +
         p(x1, y1, z1) + p(x2, y1, z1) + p(x2, y2, z1) + t + "}\n";
}

IndexedPicture Render(const std::string& text, PictureView view = {}) {
  formats::ParsedMap map = formats::ParseMapText(text);
  EXPECT_TRUE(map.errors.empty()) << map.errors.front();
  return RenderBlockPicture(map.entities, view);
}

const std::string kWorld = "{\n\"classname\" \"worldspawn\"\n";

TEST(BlockPictureTest, ScreenXRunsAlongPlusXAndScreenYDownAlongMinusY) {
  // A post in the +X, +Y quarter of the cell shows in the top-right corner of the picture.
  IndexedPicture picture = Render(kWorld + BoxBrush(32, 64, 32, 64, 0, 128, "stone") + "}\n");
  ASSERT_EQ(picture.width, 32);
  ASSERT_EQ(picture.height, 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      bool post = x >= 24 && y < 8;
      EXPECT_EQ(picture.At(x, y) != 0, post) << x << "," << y;
    }
  }
}

TEST(BlockPictureTest, TheViewFollowsTheCellItIsCentredOn) {
  // The same post placed in the cell of column 1, row 1 (centre 128, -128).
  PictureView view;
  view.centreX = 128;
  view.centreY = -128;
  IndexedPicture picture =
      Render(kWorld + BoxBrush(160, 192, -96, -64, 0, 128, "stone") + "}\n", view);
  EXPECT_NE(picture.At(31, 0), 0);
  EXPECT_NE(picture.At(24, 7), 0);
  EXPECT_EQ(picture.At(23, 7), 0);
  EXPECT_EQ(picture.At(24, 8), 0);
}

TEST(BlockPictureTest, TheSectionLeavesOutCeilingsAndShadesByHeight) {
  IndexedPicture picture = Render(kWorld + BoxBrush(-64, 64, -64, 64, 0, 8, "stone") +
                                  BoxBrush(-64, 64, -64, 64, 120, 128, "roof") +
                                  BoxBrush(-64, 0, -64, 64, 8, 120, "stone") +
                                  BoxBrush(0, 32, -64, 64, 8, 40, "stone") + "}\n");
  IndexedPicture floorOnly = Render(kWorld + BoxBrush(-64, 64, -64, 64, 0, 8, "stone") + "}\n");
  // Same texture, so the same hue: wall through the cut brightest, the step lower, the floor
  // lowest.
  int wall = picture.At(5, 16), step = picture.At(20, 16), floor = picture.At(30, 16);
  EXPECT_EQ(wall / 16, floor / 16);
  EXPECT_EQ(step / 16, floor / 16);
  EXPECT_GT(wall, step);
  EXPECT_GT(step, floor);
  // The ceiling does not hide the floor, and the floor at the foot of the step is darker.
  EXPECT_EQ(floor, floorOnly.At(30, 16));
  EXPECT_LT(picture.At(24, 16), floor);
}

TEST(BlockPictureTest, DoorsButtonsTriggersAndMarksHaveTheirOwnColours) {
  std::string text = kWorld + BoxBrush(-64, 64, -64, 64, 0, 8, "stone") + "}\n";
  text += "{\n\"classname\" \"func_door\"\n" + BoxBrush(-64, -32, -64, 64, 8, 96, "stone") + "}\n";
  text += "{\n\"classname\" \"trigger_once\"\n" + BoxBrush(-32, 0, -64, 64, 8, 96, "stone") + "}\n";
  text += "{\n\"classname\" \"func_button\"\n" + BoxBrush(0, 32, -64, 64, 8, 96, "stone") + "}\n";
  text += "{\n\"classname\" \"light\"\n\"origin\" \"48 -48 88\"\n}\n";
  text += "{\n\"classname\" \"info_player_start\"\n\"origin\" \"48 48 32\"\n}\n";
  IndexedPicture picture = Render(text);
  std::set<int> hues = {picture.At(4, 16) / 16, picture.At(12, 16) / 16, picture.At(20, 16) / 16,
                        picture.At(28, 16) / 16};
  EXPECT_EQ(hues.size(), 4u);
  // A mark covers the pixels whose centres lie within 5 units of the origin: (48, -48) is a
  // corner shared by four pixels.
  int light = picture.At(27, 27);
  int start = picture.At(27, 4);
  EXPECT_NE(light, start);
  EXPECT_EQ(picture.At(28, 28), light);
  EXPECT_NE(picture.At(29, 28), light);
  EXPECT_NE(picture.At(26, 27), light);
}

TEST(BlockPictureTest, EmptyAndUnknownAreDistinctSquareTiles) {
  IndexedPicture empty = EmptyPicture();
  IndexedPicture unknown = UnknownPicture();
  EXPECT_EQ(empty.width, 32);
  EXPECT_EQ(unknown.height, 32);
  EXPECT_NE(empty.pixels, unknown.pixels);
  EXPECT_NE(empty.At(31, 0), empty.At(0, 0));  // the grid line
  EXPECT_EQ(empty.palette, unknown.palette);
}

}  // namespace
}  // namespace cw::pictures
